#include "AdminFixture.h"

#include "admin/SettingsAccess.h"
#include "admin/SettingsPassword.h"
#include "admin/TForm2.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kWrong = QStringLiteral("Неправильный пароль!");
const QString kChanged = QStringLiteral("Пароль изменен");

} // namespace

class PasswordTab : public AdminFixture
{
protected:
    QLineEdit* box(const char* name) { return control<QLineEdit>(form2.get(), name); }
    void change(const QString& oldText, const QString& newText, const QString& repeatText)
    {
        box("Edit3")->setText(oldText);
        box("Edit4")->setText(newText);
        box("Edit5")->setText(repeatText);
        click(control<QPushButton>(form2.get(), "Button8"));
    }
    QString storedPassword() { return scalar(QStringLiteral("SELECT pas FROM params")).toString(); }
};

TEST_F(PasswordTab, ChangeNeedsTheOldPasswordAndTwoEqualNumbers)
{
    struct Row { const char* name; const char* oldText; const char* newText; const char* repeatText;
                 bool changed; const char* stored; };
    const Row rows[] = {
        {"wrong old", "1111", "5678", "5678", false, "1234"},
        {"new differs from repeat", "1234", "5678", "5679", false, "1234"},
        {"empty new", "1234", "", "", false, "1234"},
        {"non-digit new", "1234", "abc", "abc", false, "1234"},
        {"new with a blank", "1234", "12 3", "12 3", false, "1234"},
        {"new with a sign", "1234", "-5", "-5", false, "1234"},
        {"new as a real", "1234", "1e3", "1e3", false, "1234"},
        {"non-digit old", "abc", "5678", "5678", false, "1234"},
        {"empty old", "", "5678", "5678", false, "1234"},
        {"old with leading zeros", "001234", "5678", "5678", true, "5678"},
        {"new with leading zeros", "5678", "0042", "0042", true, "42"},
        {"old without the zeros", "42", "77", "77", true, "77"},
        {"a long number", "77", "98765432109876", "98765432109876", true, "98765432109876"},
    };
    form2->show();
    for (const Row& row : rows) {
        dialogs.clear();
        change(QString::fromLatin1(row.oldText), QString::fromLatin1(row.newText), QString::fromLatin1(row.repeatText));
        EXPECT_EQ(dialogs.messages(), QStringList{row.changed ? kChanged : kWrong}) << row.name;
        EXPECT_EQ(dialogs.boxes.size(), 1) << row.name;
        EXPECT_EQ(storedPassword(), QString::fromLatin1(row.stored)) << row.name;
        for (const char* name : {"Edit3", "Edit4", "Edit5"})
            EXPECT_TRUE(box(name)->text().isEmpty()) << row.name << " " << name;
    }
}

TEST_F(PasswordTab, APasswordWithLeadingZerosIsAcceptedWithAndWithoutThem)
{
    form2->show();
    change(QStringLiteral("1234"), QStringLiteral("007"), QStringLiteral("007"));
    ASSERT_EQ(storedPassword(), QStringLiteral("7"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT typeof(pas) FROM params")).toString(), QStringLiteral("integer"));
    change(QStringLiteral("007"), QStringLiteral("8"), QStringLiteral("8"));
    change(QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("9"));
    EXPECT_EQ(dialogs.messages(), QStringList({kChanged, kChanged, kChanged}));
    EXPECT_EQ(storedPassword(), QStringLiteral("9"));
}

TEST_F(PasswordTab, AMissingParameterRecordRefusesEveryPassword)
{
    exec(QStringLiteral("DELETE FROM params"));
    form2->show();
    change(QStringLiteral("1234"), QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages(), QStringList{kWrong});
}

TEST(SettingsPassword, ComparesByValue)
{
    struct Row { const char* typed; QVariant stored; bool matches; };
    const Row rows[] = {
        {"1234", QVariant(qlonglong(1234)), true},
        {"0001234", QVariant(qlonglong(1234)), true},
        {"0", QVariant(qlonglong(0)), true},
        {"000", QVariant(qlonglong(0)), true},
        {"12340", QVariant(qlonglong(1234)), false},
        {"", QVariant(qlonglong(0)), false},
        {"1234", QVariant(), false},
        {"1234", QVariant(1234.0), true},
        {"12345678901234567890123", QVariant(1.2345678901234568e22), true},
        {"1234", QVariant(QStringLiteral("01234")), true},
        {"1234", QVariant(QStringLiteral("abc")), false},
        {"+1234", QVariant(qlonglong(1234)), false},
        {"1234 ", QVariant(qlonglong(1234)), false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SettingsPassword::matches(QString::fromLatin1(row.typed), row.stored), row.matches)
            << row.typed << " vs " << row.stored.toString().toStdString();
}

class SettingsGate : public AdminFixture
{
};

TEST_F(SettingsGate, OpensTheSettingsOnlyForTheStoredPassword)
{
    struct Row { const char* name; std::optional<QString> typed; bool opens; const char* message; };
    const Row rows[] = {
        {"cancel", std::nullopt, false, nullptr},
        {"wrong", QStringLiteral("1111"), false, "Неправильный пароль!"},
        {"empty", QString(), false, "Неправильный пароль!"},
        {"letters", QStringLiteral("abc"), false, "Неправильный пароль!"},
        {"leading zeros", QStringLiteral("01234"), true, nullptr},
        {"exact", QStringLiteral("1234"), true, nullptr},
    };
    for (const Row& row : rows) {
        form2->hide();
        dialogs.clear();
        dialogs.inputAnswers.push_back(row.typed);
        SettingsAccess::open();
        EXPECT_EQ(form2->isVisible(), row.opens) << row.name;
        ASSERT_GE(dialogs.boxes.size(), 1);
        EXPECT_EQ(dialogs.boxes[0].kind, QStringLiteral("input"));
        EXPECT_EQ(dialogs.boxes[0].caption, QStringLiteral("Учебник"));
        EXPECT_EQ(dialogs.boxes[0].text, QStringLiteral("Введите пароль:"));
        const QStringList expected = row.message ? QStringList{QString::fromUtf8(row.message)} : QStringList();
        EXPECT_EQ(dialogs.messages(), expected) << row.name;
    }
}

TEST_F(SettingsGate, FollowsAChangedPassword)
{
    dialogs.inputAnswers.push_back(QStringLiteral("1234"));
    SettingsAccess::open();
    ASSERT_TRUE(form2->isVisible());
    control<QLineEdit>(form2.get(), "Edit3")->setText(QStringLiteral("1234"));
    control<QLineEdit>(form2.get(), "Edit4")->setText(QStringLiteral("0555"));
    control<QLineEdit>(form2.get(), "Edit5")->setText(QStringLiteral("0555"));
    click(control<QPushButton>(form2.get(), "Button8"));
    form2->hide();

    dialogs.clear();
    dialogs.inputAnswers = {QStringLiteral("1234"), QStringLiteral("555")};
    SettingsAccess::open();
    EXPECT_FALSE(form2->isVisible());
    SettingsAccess::open();
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("Неправильный пароль!")});
}
