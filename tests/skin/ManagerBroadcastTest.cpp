#include "platform/ProgramFolder.h"
#include "common/ScriptedDialogs.h"
#include "skin/SkinMessage.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

const QString kGolden = QStringLiteral("Golden (internal)");

struct Heard
{
    QString receiver;
    uint32_t number;
    uintptr_t wParam;
    intptr_t lParam;
    bool skinReady;
    bool changeInProgress;
};

struct Log
{
    std::vector<Heard> entries;

    void hear(const QString& receiver, const SkinMessage& message)
    {
        const TsSkinData& state = TsSkinData::instance();
        entries.push_back({receiver, message.number(), message.wParam(), message.lParam(), state.SkinReady,
                           state.SkinChangeInProgress});
    }
    QStringList receiversOf(uint32_t number) const
    {
        QStringList names;
        for (const Heard& h : entries) {
            if (h.number == number)
                names << h.receiver;
        }
        return names;
    }
    QStringList all() const
    {
        QStringList names;
        for (const Heard& h : entries)
            names << h.receiver + QLatin1Char(':') + QString::number(h.number, 16);
        return names;
    }
};

// A widget that writes down every skin message it hears; it may throw, or delete a widget.
class RecordingWidget : public QWidget
{
public:
    RecordingWidget(const QString& name, Log& log, QWidget* parent = nullptr, Qt::WindowFlags flags = {})
        : QWidget(parent, flags), m_log(log)
    {
        setObjectName(name);
    }

    bool throws = false;
    QWidget* deletes = nullptr;

protected:
    bool event(QEvent* event) override
    {
        if (SkinMessage* message = SkinMessage::from(event)) {
            m_log.hear(objectName(), *message);
            message->setResult(1);
            if (deletes) {
                delete deletes;
                deletes = nullptr;
            }
            if (throws)
                throw std::runtime_error("receiver failed");
            return true;
        }
        return QWidget::event(event);
    }

private:
    Log& m_log;
};

// A component that is no widget.
class RecordingObject : public QObject
{
public:
    RecordingObject(const QString& name, Log& log, QObject* parent) : QObject(parent), m_log(log)
    {
        setObjectName(name);
    }

protected:
    bool event(QEvent* event) override
    {
        if (SkinMessage* message = SkinMessage::from(event)) {
            m_log.hear(objectName(), *message);
            return true;
        }
        return QObject::event(event);
    }

private:
    Log& m_log;
};

class ManagerBroadcastTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.isValid());
        ProgramFolder::setPathForTesting(m_program.path());
        ASSERT_EQ(TsSkinData::instance().ActiveManager, nullptr);
    }
    void TearDown() override
    {
        m_forms.clear();
        ProgramFolder::setPathForTesting(QString());
    }

    RecordingWidget* form(const QString& name)
    {
        m_forms.push_back(std::make_unique<RecordingWidget>(name, m_log));
        return m_forms.back().get();
    }

    // Three forms with nested children, a component that is no widget and a window of its
    // own owned by a form:
    //   F1: F1.a (F1.a.x), F1.b    F2: F2.obj, F2.a    F3: F3.win (F3.win.a), F3.a
    void buildForms()
    {
        RecordingWidget* f1 = form(QStringLiteral("F1"));
        auto* f1a = new RecordingWidget(QStringLiteral("F1.a"), m_log, f1);
        new RecordingWidget(QStringLiteral("F1.a.x"), m_log, f1a);
        new RecordingWidget(QStringLiteral("F1.b"), m_log, f1);
        RecordingWidget* f2 = form(QStringLiteral("F2"));
        new RecordingObject(QStringLiteral("F2.obj"), m_log, f2);
        new RecordingWidget(QStringLiteral("F2.a"), m_log, f2);
        RecordingWidget* f3 = form(QStringLiteral("F3"));
        auto* window = new RecordingWidget(QStringLiteral("F3.win"), m_log, f3, Qt::Window);
        new RecordingWidget(QStringLiteral("F3.win.a"), m_log, window);
        new RecordingWidget(QStringLiteral("F3.a"), m_log, f3);
    }

    RecordingWidget* find(const QString& name) const
    {
        for (const auto& f : m_forms) {
            if (f->objectName() == name)
                return f.get();
            if (auto* child = f->findChild<RecordingWidget*>(name))
                return child;
        }
        return nullptr;
    }

    std::unique_ptr<TsSkinManager> loadedGolden()
    {
        auto manager = std::make_unique<TsSkinManager>();
        manager->SetInternalSkins(builtInStoredSkins());
        manager->SetSkinDirectory(m_program.path());
        manager->SetSkinName(kGolden);
        manager->Loaded();
        return manager;
    }

    QTemporaryDir m_program;
    ScriptedDialogs m_dialogs;
    Log m_log;
    std::vector<std::unique_ptr<RecordingWidget>> m_forms;
};

const QStringList kComponents = {
    QStringLiteral("F1.a"), QStringLiteral("F1.a.x"), QStringLiteral("F1.b"),
    QStringLiteral("F2.obj"), QStringLiteral("F2.a"),
    QStringLiteral("F3.a"),
    QStringLiteral("F3.win.a"),
};
const QStringList kFormsAndComponents = {
    QStringLiteral("F1"), QStringLiteral("F1.a"), QStringLiteral("F1.a.x"), QStringLiteral("F1.b"),
    QStringLiteral("F2"), QStringLiteral("F2.obj"), QStringLiteral("F2.a"),
    QStringLiteral("F3"), QStringLiteral("F3.a"),
    QStringLiteral("F3.win"), QStringLiteral("F3.win.a"),
};

TEST_F(ManagerBroadcastTest, FormsInCreationOrderThenTheirComponentsDepthFirst)
{
    // More forms than a hash set keeps in order by chance.
    for (int i = 0; i < 12; ++i)
        form(QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')));
    TsSkinManager manager;
    manager.BroadcastSkinMessage(SKN_SKINCHANGED);
    QStringList expected;
    for (int i = 0; i < 12; ++i)
        expected << QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(m_log.receiversOf(SKN_SKINCHANGED), expected);

    m_log.entries.clear();
    m_forms.clear();
    buildForms();
    manager.BroadcastSkinMessage(SKN_SKINCHANGED);
    // Only the skin-changed message goes to the forms themselves.
    EXPECT_EQ(m_log.receiversOf(SKN_SKINCHANGED), kFormsAndComponents);
    manager.BroadcastSkinMessage(SKN_SKINCHANGING);
    EXPECT_EQ(m_log.receiversOf(SKN_SKINCHANGING), kComponents);

    for (const Heard& h : m_log.entries) {
        EXPECT_EQ(h.wParam, 0u);
        EXPECT_EQ(h.lParam, reinterpret_cast<intptr_t>(&manager));
    }

    m_log.entries.clear();
    manager.BroadcastToForm(find(QStringLiteral("F2")), SKN_SKINREMOVED);
    EXPECT_EQ(m_log.all(), (QStringList{QStringLiteral("F2.obj:a503"), QStringLiteral("F2.a:a503")}));
}

TEST_F(ManagerBroadcastTest, PassiveManagerNeverBroadcasts)
{
    buildForms();
    TsSkinManager inCharge;
    TsSkinManager passive;
    passive.BroadcastSkinMessage(SKN_SKINCHANGED);
    passive.BroadcastToForm(find(QStringLiteral("F1")), SKN_SKINCHANGED);
    passive.ApplySkin();
    passive.RemoveSkin();
    EXPECT_TRUE(m_log.entries.empty());
}

TEST_F(ManagerBroadcastTest, ThrowingReceiverDoesNotStopTheBroadcast)
{
    buildForms();
    find(QStringLiteral("F1"))->throws = true;
    find(QStringLiteral("F1.a"))->throws = true;
    find(QStringLiteral("F3.a"))->throws = true;
    TsSkinManager manager;
    manager.BroadcastSkinMessage(SKN_SKINCHANGED);
    EXPECT_EQ(m_log.receiversOf(SKN_SKINCHANGED), kFormsAndComponents);
    // Dropped, not reported.
    EXPECT_TRUE(m_dialogs.boxes.isEmpty());

    // A receiver that throws while the change is announced does not leave the flag set.
    m_log.entries.clear();
    manager.ApplySkin();
    EXPECT_EQ(m_log.receiversOf(SKN_SKINCHANGING), kComponents);
    EXPECT_FALSE(TsSkinData::instance().SkinChangeInProgress);
    EXPECT_TRUE(TsSkinData::instance().SkinReady);
}

TEST_F(ManagerBroadcastTest, ReceiverThatDeletesALaterOneIsSafe)
{
    buildForms();
    RecordingWidget* victim = find(QStringLiteral("F1.b"));
    find(QStringLiteral("F1.a"))->deletes = victim;
    // A form closed by a receiver is skipped too.
    find(QStringLiteral("F1.a.x"))->deletes = find(QStringLiteral("F2"));
    // F2 now belongs to the receiver that deletes it.
    (void)m_forms[1].release();
    m_forms.erase(m_forms.begin() + 1);
    TsSkinManager manager;
    manager.BroadcastSkinMessage(SKN_SKINCHANGING);
    EXPECT_EQ(m_log.receiversOf(SKN_SKINCHANGING),
              (QStringList{QStringLiteral("F1.a"), QStringLiteral("F1.a.x"), QStringLiteral("F3.a"),
                           QStringLiteral("F3.win.a")}));
}

TEST_F(ManagerBroadcastTest, ApplySkinAnnouncesThenTellsTheChange)
{
    buildForms();
    auto manager = loadedGolden();
    ASSERT_EQ(m_log.receiversOf(SKN_SKINCHANGING), kComponents);
    ASSERT_EQ(m_log.receiversOf(SKN_SKINCHANGED), kFormsAndComponents);
    ASSERT_EQ(m_log.entries.size(), std::size_t(kComponents.size() + kFormsAndComponents.size()));
    for (std::size_t i = 0; i < m_log.entries.size(); ++i) {
        const Heard& h = m_log.entries[i];
        const bool changing = i < std::size_t(kComponents.size());
        EXPECT_EQ(h.number, changing ? uint32_t(SKN_SKINCHANGING) : uint32_t(SKN_SKINCHANGED)) << i;
        // The change is in progress, and the skin not ready, only while it is announced.
        EXPECT_EQ(h.changeInProgress, changing) << h.receiver.toStdString();
        EXPECT_EQ(h.skinReady, !changing) << h.receiver.toStdString();
    }
    EXPECT_FALSE(TsSkinData::instance().SkinChangeInProgress);
}

TEST_F(ManagerBroadcastTest, ActiveOffThenOn)
{
    buildForms();
    auto manager = loadedGolden();
    TsSkinData& state = TsSkinData::instance();
    ASSERT_EQ(state.tables.sections.size(), 57u);

    m_log.entries.clear();
    manager->SetActive(false);
    EXPECT_EQ(m_log.all().size(), kComponents.size());
    EXPECT_EQ(m_log.receiversOf(SKN_SKINREMOVED), kComponents);
    EXPECT_FALSE(state.SkinReady);
    EXPECT_TRUE(state.tables.sections.empty());
    EXPECT_TRUE(state.tables.masks.empty());
    EXPECT_EQ(state.commonIndexes.globalInfo, -1);
    EXPECT_EQ(state.commonIndexes.tabTop.section, -1);

    // Setting the same value again does nothing.
    m_log.entries.clear();
    manager->SetActive(false);
    EXPECT_TRUE(m_log.entries.empty());

    manager->SetActive(true);
    QStringList expected;
    for (const QString& name : kComponents)
        expected << name + QStringLiteral(":a502");
    for (const QString& name : kFormsAndComponents)
        expected << name + QStringLiteral(":a507");
    EXPECT_EQ(m_log.all(), expected);
    EXPECT_TRUE(state.SkinReady);
    EXPECT_EQ(state.tables.sections.size(), 57u);
    EXPECT_GE(state.commonIndexes.globalInfo, 0);
}

TEST_F(ManagerBroadcastTest, DestroyingTheManagerTellsEveryoneTheSkinIsGone)
{
    buildForms();
    auto manager = loadedGolden();
    m_log.entries.clear();
    manager.reset();
    EXPECT_EQ(m_log.receiversOf(SKN_SKINREMOVED), kComponents);
    EXPECT_EQ(m_log.entries.size(), std::size_t(kComponents.size()));
    for (const Heard& h : m_log.entries)
        EXPECT_FALSE(h.skinReady);
    EXPECT_EQ(TsSkinData::instance().ActiveManager, nullptr);
}

TEST_F(ManagerBroadcastTest, ManagerOwnedByAFormTellsTheOtherFormsWhenTheFormGoes)
{
    // The manager is deleted with its form's children: that form hears nothing more.
    auto owner = std::make_unique<RecordingWidget>(QStringLiteral("Owner"), m_log);
    new RecordingWidget(QStringLiteral("Owner.before"), m_log, owner.get());
    auto* manager = new TsSkinManager(owner.get());
    new RecordingWidget(QStringLiteral("Owner.after"), m_log, owner.get());
    RecordingWidget* other = form(QStringLiteral("Other"));
    new RecordingWidget(QStringLiteral("Other.a"), m_log, other);
    manager->SetInternalSkins(builtInStoredSkins());
    manager->SetSkinName(kGolden);
    manager->Loaded();
    m_log.entries.clear();

    owner.reset();
    EXPECT_EQ(m_log.all(), QStringList{QStringLiteral("Other.a:a503")});
    EXPECT_EQ(TsSkinData::instance().ActiveManager, nullptr);
}

TEST_F(ManagerBroadcastTest, MessagesCarryTheirNumbersAndResults)
{
    struct Row
    {
        uint32_t number;
        uint32_t expected;
    };
    const Row rows[] = {
        {SKN_SETCACHEINVALID, 0xA501}, {SKN_SKINCHANGING, 0xA502}, {SKN_SKINREMOVED, 0xA503},
        {SKN_GETPROVIDER, 0xA506},     {SKN_SKINCHANGED, 0xA507},  {SKN_GETCACHE, 0xA508},
        {SKN_REPAINT, 0xA509},         {SKN_ISSKINNEDWINDOW, 0xA50C}, {SKN_ISDROPPEDDOWN, 0xA50D},
        {SKN_SETSUSPENDED, 0xA50E},    {SKN_FREEZECACHE, 0xA50F},  {SKN_FADEDONE, 0xA510},
        {SKN_ISSUSPENDED, 0xA511},     {SKN_ISPARTLYHIDDEN, 0xA512}, {SKN_SETLINK, 0xA513},
        {SKN_CHECKTRANSPARENT, 0xA514}, {SKN_GETSECTIONINDEX, 0xA515},
    };
    RecordingWidget* receiver = form(QStringLiteral("R"));
    for (const Row& row : rows) {
        EXPECT_EQ(row.number, row.expected);
        EXPECT_TRUE(isSkinMessageNumber(row.number));
        EXPECT_EQ(SkinMessage::send(receiver, row.number, 7, -3), 1);
        EXPECT_EQ(m_log.entries.back().number, row.expected);
        EXPECT_EQ(m_log.entries.back().wParam, 7u);
        EXPECT_EQ(m_log.entries.back().lParam, -3);
    }
    EXPECT_TRUE(isSkinMessageNumber(0xA101));
    EXPECT_TRUE(isSkinMessageNumber(0xA51E));
    EXPECT_FALSE(isSkinMessageNumber(0xA100));
    EXPECT_FALSE(isSkinMessageNumber(0xA51F));

    // Other events are no skin messages; a receiver that does not answer gives 0.
    QEvent plain(QEvent::User);
    EXPECT_EQ(SkinMessage::from(&plain), nullptr);
    QObject silent;
    EXPECT_EQ(SkinMessage::send(&silent, SKN_GETSECTIONINDEX), 0);
    EXPECT_EQ(SkinMessage::send(nullptr, SKN_GETSECTIONINDEX), 0);
}

} // namespace
