#include "AdminFixture.h"

#include "admin/TForm2.h"

#include <QAbstractButton>

// The teacher's added controls sit inside their group and cover none of the old controls,
// except as much as the old button on their row does («Очистить» reaches one pixel into
// the grid above it).
TEST_F(AdminFixture, TeacherControlsFitBesideTheOldOnes)
{
    struct Row {
        const char* name;
        const char* text;
        const char* rowMate; // an old button on the same row
    };
    const Row rows[] = {
        {"importButton", "Импорт…", nullptr},
        {"exportBankButton", "Экспорт…", nullptr},
        {"exportResultsButton", "Экспорт…", "Button2"},
        {"exportFixedResultsButton", "Экспорт результатов тестирования…", "Button2"},
        {"backupButton", "Резервная копия…", nullptr},
        {"restoreButton", "Восстановить…", nullptr},
    };
    for (const Row& row : rows) {
        auto* button = control<QAbstractButton>(form2.get(), row.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(row.text)) << row.name;
        const QWidget* parent = button->parentWidget();
        EXPECT_TRUE(QRect(QPoint(0, 0), parent->size()).contains(button->geometry())) << row.name;
        for (const QObject* object : parent->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(object);
            if (!sibling || sibling == button)
                continue;
            const QWidget* mate = row.rowMate ? control<QWidget>(form2.get(), row.rowMate) : nullptr;
            if (mate && (mate == sibling || mate->geometry().intersects(sibling->geometry())))
                continue;
            EXPECT_FALSE(sibling->geometry().intersects(button->geometry()))
                << row.name << " covers " << sibling->objectName().toStdString();
        }
    }
}
