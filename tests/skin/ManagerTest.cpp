#include "platform/ProgramFolder.h"
#include "common/ScriptedDialogs.h"
#include "skin/SkinError.h"
#include "skin/SkinLoaders.h"
#include "skin/StoredSkinText.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kGolden = QStringLiteral("Golden (internal)");

const TsStoredSkins& builtIn()
{
    static const TsStoredSkins skins = builtInStoredSkins();
    return skins;
}

// A temporary program folder and skin directory; no manager in charge before or after.
class ManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.isValid());
        ASSERT_TRUE(m_skins.isValid());
        ProgramFolder::setPathForTesting(m_program.path());
        ASSERT_EQ(TsSkinData::instance().ActiveManager, nullptr);
    }
    void TearDown() override
    {
        ProgramFolder::setPathForTesting(QString());
        EXPECT_EQ(TsSkinData::instance().ActiveManager, nullptr);
    }

    QString programFolder() const { return m_program.path() + QLatin1Char('/'); }
    QString skinDirectory() const { return m_skins.path() + QLatin1Char('/'); }

    // A skin folder with the given options text (none when null) and a 12 x 6 master bitmap.
    void writeSkinFolder(const QString& name, const char* options)
    {
        const QString folder = skinDirectory() + name;
        ASSERT_TRUE(QDir().mkpath(folder));
        QImage master(12, 6, QImage::Format_RGB32);
        master.fill(0xFF804020);
        ASSERT_TRUE(master.save(folder + QStringLiteral("/master.bmp"), "BMP"));
        if (!options)
            return;
        QFile file(folder + QStringLiteral("/Options.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(options);
    }

    // A manager set up as the main window sets up its own, then loaded.
    std::unique_ptr<TsSkinManager> loadedManager(const QString& name, const QString& directory,
                                                 const TsStoredSkins& skins = builtIn())
    {
        auto manager = std::make_unique<TsSkinManager>();
        manager->SetInternalSkins(skins);
        manager->SetSkinDirectory(directory);
        manager->SetSkinName(name);
        manager->Loaded();
        return manager;
    }

    QTemporaryDir m_program;
    QTemporaryDir m_skins;
    ScriptedDialogs m_dialogs;
};

const char* const kExternalOptions =
    "[GLOBALINFO]\n"
    "VERSION=5.25\n"
    "AUTHOR=Test\n"
    "MASTERBITMAP=master.bmp\n"
    "[BUTTON]\n"
    "COLOR=255\n"
    "BORDERSMASK=# (0,0,6,6) (1,0)\n";

TEST_F(ManagerTest, OnlyTheFirstManagerTakesCharge)
{
    auto first = std::make_unique<TsSkinManager>();
    TsSkinManager second;
    EXPECT_TRUE(first->isInCharge());
    EXPECT_FALSE(second.isInCharge());

    // The defaults belong to the manager in charge; a passive one starts empty.
    EXPECT_TRUE(first->Active());
    EXPECT_TRUE(first->SkinnedPopups());
    EXPECT_EQ(first->SkinDirectory(), QStringLiteral("c:\\Skins"));
    EXPECT_FALSE(second.Active());
    EXPECT_FALSE(second.SkinnedPopups());
    EXPECT_TRUE(second.SkinDirectory().isEmpty());

    // The passive one only stores what it is given.
    second.SetInternalSkins(builtIn());
    second.SetSkinName(kGolden);
    second.Loaded();
    second.SetActive(true);
    EXPECT_TRUE(second.Active());
    EXPECT_TRUE(TsSkinData::instance().tables.sections.empty());
    EXPECT_FALSE(TsSkinData::instance().SkinReady);

    // Destroying the one in charge leaves no manager in charge, and the passive one stays passive.
    first.reset();
    EXPECT_EQ(TsSkinData::instance().ActiveManager, nullptr);
    EXPECT_FALSE(second.isInCharge());
    second.SetSkinName(kGolden);
    EXPECT_TRUE(TsSkinData::instance().tables.sections.empty());
}

TEST_F(ManagerTest, DestroyingTheManagerInChargeRemovesTheSkin)
{
    auto manager = loadedManager(kGolden, QStringLiteral("C:\\Skins\\Golden"));
    TsSkinData& state = TsSkinData::instance();
    ASSERT_TRUE(state.SkinReady);
    ASSERT_EQ(state.tables.sections.size(), 57u);
    ASSERT_GE(state.commonIndexes.globalInfo, 0);

    manager.reset();
    EXPECT_EQ(state.ActiveManager, nullptr);
    EXPECT_FALSE(state.SkinReady);
    EXPECT_TRUE(state.tables.sections.empty());
    EXPECT_TRUE(state.tables.masks.empty());
    EXPECT_TRUE(state.tables.masterBitmap.isNull());
    EXPECT_EQ(state.commonIndexes.globalInfo, -1);
    EXPECT_EQ(state.commonIndexes.scrollBtnTop.bordersMask, -1);

    // A manager made now takes charge again.
    TsSkinManager next;
    EXPECT_TRUE(next.isInCharge());
}

TEST_F(ManagerTest, SkinDirectoryForms)
{
    const QString program = programFolder();
    struct Row
    {
        const char* name;
        QString input;
        QString expected;
    };
    const Row rows[] = {
        {"no colon: from the program folder", QStringLiteral("Skins"), program + QStringLiteral("Skins/")},
        {"dot slash", QStringLiteral("./Skins"), program + QStringLiteral("Skins/")},
        {"dot backslash", QStringLiteral(".\\Skins"), program + QStringLiteral("Skins/")},
        {"nested, trailing backslash", QStringLiteral("Skins\\Sub\\"), program + QStringLiteral("Skins/Sub/")},
        {"trailing slash becomes the separator", QStringLiteral("C:\\Skins/"), QStringLiteral("C:/Skins/")},
        {"drive path", QStringLiteral("C:\\Skins\\Golden"), QStringLiteral("C:/Skins/Golden/")},
        {"single letter is a drive", QStringLiteral("C"), QStringLiteral("C:/")},
        {"drive root", QStringLiteral("C:"), QStringLiteral("C:/")},
        {"absolute", QStringLiteral("/opt/skins"), QStringLiteral("/opt/skins/")},
        {"absolute with separator", QStringLiteral("/opt/skins/"), QStringLiteral("/opt/skins/")},
        {"empty is the program folder", QString(), program},
    };
    TsSkinManager manager;
    for (const Row& row : rows) {
        manager.SetSkinDirectory(row.input);
        EXPECT_EQ(manager.FullSkinDirectory(), row.expected) << row.name;
        if (!row.input.isEmpty()) {
            EXPECT_EQ(TsSkinData::instance().SkinFolder, row.expected) << row.name;
        }
    }
}

TEST_F(ManagerTest, ExternalFolderWinsOverTheStoredSkin)
{
    writeSkinFolder(kGolden, kExternalOptions);
    auto manager = loadedManager(kGolden, m_skins.path());
    TsSkinData& state = TsSkinData::instance();

    EXPECT_EQ(manager->SkinName(), kGolden);
    ASSERT_TRUE(state.OptionsFile);
    EXPECT_EQ(state.SkinFolder, skinDirectory() + kGolden + QLatin1Char('/'));
    ASSERT_EQ(state.tables.sections.size(), 2u);
    EXPECT_EQ(state.tables.sections[1].SectionName, QStringLiteral("BUTTON"));
    EXPECT_EQ(state.tables.sections[1].Color, 255u);
    EXPECT_EQ(state.tables.masterBitmap.width(), 12);
    // The master bitmap's own entry, then the button's border piece cut from it.
    ASSERT_EQ(state.tables.masks.size(), 2u);
    EXPECT_EQ(state.tables.masks[1].SectionName, QStringLiteral("BUTTON"));
    EXPECT_EQ(state.tables.masks[1].R, (TsRect{0, 0, 6, 6}));
    EXPECT_DOUBLE_EQ(state.SkinVersion, 5.25);
    EXPECT_EQ(state.SkinAuthor, QStringLiteral("Test"));
    EXPECT_TRUE(state.SkinReady);

    // The same folder without its options file is no skin: the stored one loads.
    QFile::remove(skinDirectory() + kGolden + QStringLiteral("/Options.dat"));
    manager->SetSkinName(kGolden);
    EXPECT_FALSE(state.OptionsFile);
    EXPECT_TRUE(state.SkinFolder.isEmpty());
    EXPECT_EQ(state.tables.sections.size(), 57u);
    EXPECT_DOUBLE_EQ(state.SkinVersion, 0);
    EXPECT_TRUE(state.SkinAuthor.isEmpty());
}

TEST_F(ManagerTest, UnknownNameFallsBackToTheFirstStoredSkin)
{
    auto manager = loadedManager(QStringLiteral("No such skin"), m_skins.path());
    EXPECT_EQ(manager->SkinName(), kGolden);
    EXPECT_EQ(TsSkinData::instance().tables.sections.size(), 57u);

    // The stored name is compared with case.
    manager->SetSkinName(QStringLiteral("golden (internal)"));
    EXPECT_EQ(manager->SkinName(), kGolden);

    // An empty name takes the stored skin too, and clears the directory.
    manager->SetSkinName(QString());
    EXPECT_EQ(manager->SkinName(), kGolden);
    EXPECT_TRUE(manager->SkinDirectory().isEmpty());
}

TEST_F(ManagerTest, UnknownNameWithoutStoredSkinsLeavesEmptyTables)
{
    auto manager = loadedManager(QStringLiteral("No such skin"), m_skins.path(), TsStoredSkins());
    TsSkinData& state = TsSkinData::instance();
    EXPECT_EQ(manager->SkinName(), QStringLiteral("No such skin"));
    EXPECT_TRUE(state.tables.sections.empty());
    EXPECT_TRUE(state.tables.masks.empty());
    EXPECT_EQ(state.commonIndexes.globalInfo, -1);
}

TEST_F(ManagerTest, DriveLetterDirectoryIsNeverLookedUpInTheCurrentFolder)
{
    // A folder "C:/Skins/Golden/<skin>" below the current folder must not be taken for drive C.
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_skins.path()));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("C:/Skins/Golden/") + kGolden));
    QFile file(QStringLiteral("C:/Skins/Golden/") + kGolden + QStringLiteral("/Options.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kExternalOptions);
    file.close();

    auto manager = loadedManager(kGolden, QStringLiteral("C:\\Skins\\Golden"));
    QDir::setCurrent(previous);
    EXPECT_FALSE(TsSkinData::instance().OptionsFile);
    EXPECT_EQ(TsSkinData::instance().tables.sections.size(), 57u);
}

TEST_F(ManagerTest, LoadsOnceAfterReading)
{
    int before = 0;
    int after = 0;
    bool readyBefore = true;
    auto manager = std::make_unique<TsSkinManager>();
    manager->OnBeforeChange = [&](TsSkinManager*) { ++before; readyBefore = TsSkinData::instance().SkinReady; };
    manager->OnAfterChange = [&](TsSkinManager* sender) {
        ++after;
        EXPECT_EQ(sender, manager.get());
    };
    manager->SetInternalSkins(builtIn());
    manager->SetSkinDirectory(m_skins.path());
    manager->SetSkinName(kGolden);
    // While being read the name is taken but nothing is loaded.
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(TsSkinData::instance().tables.sections.empty());
    EXPECT_FALSE(TsSkinData::instance().SkinReady);

    manager->Loaded();
    EXPECT_EQ(TsSkinData::instance().tables.sections.size(), 57u);
    EXPECT_TRUE(TsSkinData::instance().SkinReady);
    manager->Loaded(); // once only
    EXPECT_EQ(after, 1);

    manager->SetSkinName(kGolden);
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
    EXPECT_TRUE(readyBefore);
}

TEST_F(ManagerTest, BrokenExternalSkinIsReportedAndNotApplied)
{
    writeSkinFolder(kGolden,
                    "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n"
                    "[BUTTON]\nGRADIENTDATA=1;2;x;0;0\n");
    auto manager = std::make_unique<TsSkinManager>();
    manager->SetInternalSkins(builtIn());
    manager->SetSkinDirectory(m_skins.path());
    manager->SetSkinName(kGolden);
    EXPECT_THROW(manager->Loaded(), SkinError);
    EXPECT_FALSE(TsSkinData::instance().SkinReady);
}

TEST_F(ManagerTest, OldFormatSkinShowsItsBoxAndLeavesNoSections)
{
    writeSkinFolder(kGolden, "[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[TSEDIT]\nCOLOR=1\n");
    auto manager = loadedManager(kGolden, m_skins.path());
    ASSERT_EQ(m_dialogs.boxes.size(), 1);
    EXPECT_EQ(m_dialogs.boxes[0].kind, QStringLiteral("skinned"));
    EXPECT_EQ(m_dialogs.boxes[0].text, oldSkinFormatMessage());
    EXPECT_TRUE(TsSkinData::instance().tables.sections.empty());
    EXPECT_EQ(TsSkinData::instance().commonIndexes.globalInfo, -1);
}

TEST_F(ManagerTest, CommonSectionsAreAppendedWithoutBlanks)
{
    auto manager = loadedManager(kGolden, m_skins.path());
    manager->SetCommonSections({QStringLiteral("[ MYPANEL ]"), QStringLiteral("PARENTCLASS = PANEL"),
                                QStringLiteral("; a comment stays as it is"), QStringLiteral("COLOR = 255")});
    EXPECT_EQ(manager->CommonSections().at(1), QStringLiteral("PARENTCLASS=PANEL"));
    EXPECT_EQ(manager->CommonSections().at(2), QStringLiteral("; a comment stays as it is"));
    const TsGeneralDataArray& sections = TsSkinData::instance().tables.sections;
    ASSERT_EQ(sections.size(), 58u);
    EXPECT_EQ(sections.back().SectionName, QStringLiteral("MYPANEL"));
    EXPECT_EQ(sections.back().Color, 255u);
}

TEST_F(ManagerTest, SkinNamesOnOffer)
{
    writeSkinFolder(QStringLiteral("Blue"), kExternalOptions);
    writeSkinFolder(QStringLiteral("amber"), nullptr);
    writeSkinFolder(QStringLiteral(".hidden"), kExternalOptions);
    ASSERT_TRUE(QFile(skinDirectory() + QStringLiteral("plain.txt")).open(QIODevice::WriteOnly));

    TsSkinManager manager;
    manager.SetInternalSkins(builtIn());
    manager.SetSkinDirectory(m_skins.path());
    QStringList names;
    QString first;
    manager.GetSkinNames(names, first);
    EXPECT_EQ(names, (QStringList{QStringLiteral("amber"), QStringLiteral("Blue"), kGolden}));
    EXPECT_EQ(first, kGolden);

    // Without stored skins the first folder found is the first name; a given one is kept.
    manager.SetInternalSkins(TsStoredSkins());
    first.clear();
    manager.GetSkinNames(names, first);
    EXPECT_EQ(names.size(), 2);
    EXPECT_TRUE(first == QStringLiteral("amber") || first == QStringLiteral("Blue"));
    first = QStringLiteral("kept");
    manager.SetSkinDirectory(skinDirectory() + QStringLiteral("missing"));
    manager.GetSkinNames(names, first);
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(first, QStringLiteral("kept"));
}

} // namespace
