#include "skin/TsSkinManager.h"

#include "skin/SkinBroadcast.h"
#include "skin/SkinLoaders.h"
#include "skin/SkinMessage.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinableMenus.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace {

const QString kOptionsFileName = QStringLiteral("Options.dat");

// Sets the skin change flag for as long as it lives.
class SkinChangeScope
{
public:
    SkinChangeScope() { TsSkinData::instance().SkinChangeInProgress = true; }
    ~SkinChangeScope() { TsSkinData::instance().SkinChangeInProgress = false; }
    SkinChangeScope(const SkinChangeScope&) = delete;
    SkinChangeScope& operator=(const SkinChangeScope&) = delete;
};

// An external skin's options file. A drive-letter path names nothing here, and a relative
// path is never looked up in the current folder.
std::optional<SkinIniFile> readOptionsFile(const QString& path)
{
    if (!QDir::isAbsolutePath(path) || !QFileInfo(path).isFile())
        return std::nullopt;
    return SkinIniFile::fromFile(path);
}

QString withoutBlanks(const QString& line)
{
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
        return line;
    QString result = line;
    result.remove(QLatin1Char(' '));
    return result;
}

} // namespace

TsSkinManager::TsSkinManager(QObject* owner)
    : QObject(owner)
{
    TsSkinData& state = TsSkinData::instance();
    if (state.ActiveManager)
        return;
    m_skinDirectory = QStringLiteral("c:\\Skins");
    m_active = true;
    m_skinnedPopups = true;
    m_menus = std::make_unique<TsSkinableMenus>(this);
    state.ActiveManager = this;
}

TsSkinManager::~TsSkinManager()
{
    if (!isInCharge())
        return;
    RemoveSkin();
    ResolveCommonIndexes();
    TsSkinData& state = TsSkinData::instance();
    state.OptionsFile.reset();
    state.ActiveManager = nullptr;
    m_menus.reset();
}

bool TsSkinManager::isInCharge() const
{
    return TsSkinData::instance().ActiveManager == this;
}

void TsSkinManager::Loaded()
{
    if (!m_reading)
        return;
    m_reading = false;
    if (isInCharge() && m_active && !m_skinName.isEmpty()) {
        runLoaders();
        ApplySkin();
    }
}

void TsSkinManager::SetActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (!isInCharge())
        return;
    if (active) {
        SetSkinName(m_skinName);
        return;
    }
    if (!m_reading)
        RemoveSkin();
    ResolveCommonIndexes();
}

void TsSkinManager::SetCommonSections(const QStringList& lines)
{
    m_commonSections.clear();
    for (const QString& line : lines)
        m_commonSections.append(withoutBlanks(line));
    SetSkinName(m_skinName);
}

void TsSkinManager::SetInternalSkins(const TsStoredSkins& skins)
{
    m_internalSkins = skins;
}

void TsSkinManager::SetSkinDirectory(const QString& directory)
{
    if (directory == m_skinDirectory)
        return;
    m_skinDirectory = directory;
    if (isInCharge())
        TsSkinData::instance().SkinFolder = FullSkinDirectory();
}

void TsSkinManager::SetSkinName(const QString& name)
{
    m_skinName = name;
    if (!m_active || !isInCharge())
        return;
    notify(OnBeforeChange);
    if (m_skinName.isEmpty())
        m_skinDirectory.clear();

    TsSkinData& state = TsSkinData::instance();
    state.SkinReady = false;
    state.OptionsFile.reset();

    // An external skin of the name wins over a stored one. An empty name names no folder.
    const QString folder = FullSkinDirectory() + m_skinName + QLatin1Char('/');
    std::optional<SkinIniFile> options;
    if (!m_skinName.isEmpty())
        options = readOptionsFile(folder + kOptionsFileName);
    if (options) {
        state.OptionsFile = std::make_shared<const SkinIniFile>(std::move(*options));
        state.SkinFolder = folder;
    } else {
        state.SkinFolder.clear();
        if (!findStoredSkin(m_internalSkins, m_skinName) && !m_internalSkins.empty())
            m_skinName = m_internalSkins.front().Name;
    }

    if (!m_reading) {
        runLoaders();
        ApplySkin();
    }
    notify(OnAfterChange);
}

void TsSkinManager::SetSkinnedPopups(bool skinned)
{
    if (skinned == m_skinnedPopups)
        return;
    m_skinnedPopups = skinned;
    if (m_menus)
        m_menus->UpdatePopups();
}

QString TsSkinManager::FullSkinDirectory() const
{
    QString path = m_skinDirectory;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool driveLetter = path.size() == 1 && path[0].isLetter();
    if (path.startsWith(QLatin1String("./")))
        path = ProgramFolder::path() + path.mid(2);
    else if (!driveLetter && !path.contains(QLatin1Char(':')) && !path.startsWith(QLatin1Char('/')))
        path = ProgramFolder::path() + path;
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + (driveLetter ? QStringLiteral(":/") : QStringLiteral("/"));
}

void TsSkinManager::GetSkinNames(QStringList& list, QString& firstName) const
{
    list.clear();
    for (const TsStoredSkin& skin : m_internalSkins) {
        list.append(skin.Name);
        if (firstName.isEmpty())
            firstName = skin.Name;
    }
    const QString directory = FullSkinDirectory();
    if (QDir::isAbsolutePath(directory) && QFileInfo(directory).isDir()) {
        const QStringList folders =
            QDir(directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
        for (const QString& folder : folders) {
            if (folder.startsWith(QLatin1Char('.')))
                continue;
            list.append(folder);
            if (firstName.isEmpty())
                firstName = folder;
        }
    }
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

void TsSkinManager::ApplySkin()
{
    if (!isInCharge())
        return;
    TsSkinData& state = TsSkinData::instance();
    state.SkinReady = false;
    if (m_menus)
        m_menus->ClearBackgrounds();
    {
        const SkinChangeScope change;
        BroadcastSkinMessage(SKN_SKINCHANGING);
        ResolveCommonIndexes();
    }
    state.SkinReady = true;
    BroadcastSkinMessage(SKN_SKINCHANGED);
}

void TsSkinManager::RemoveSkin()
{
    if (!isInCharge())
        return;
    TsSkinData& state = TsSkinData::instance();
    state.SkinReady = false;
    if (m_menus)
        m_menus->ClearBackgrounds();
    BroadcastSkinMessage(SKN_SKINREMOVED);
    ClearImageTable(state.tables);
    ClearPatternTable(state.tables);
    state.tables.sections.clear();
}

void TsSkinManager::ResolveCommonIndexes()
{
    if (!isInCharge())
        return;
    TsSkinData& state = TsSkinData::instance();
    state.commonIndexes = resolveCommonSkinIndexes(state.tables);
}

void TsSkinManager::BroadcastSkinMessage(uint32_t number)
{
    if (isInCharge())
        SkinBroadcast::toAllForms(number, 0, reinterpret_cast<intptr_t>(this));
}

void TsSkinManager::BroadcastToForm(QWidget* form, uint32_t number)
{
    if (isInCharge())
        SkinBroadcast::toForm(form, number, 0, reinterpret_cast<intptr_t>(this));
}

void TsSkinManager::runLoaders()
{
    TsSkinData& state = TsSkinData::instance();
    std::optional<SkinIniFile> common;
    if (!m_commonSections.isEmpty())
        common = SkinIniFile::fromCommonSections(m_commonSections);

    SkinLoadSource source;
    source.options = state.OptionsFile.get();
    source.skinFolder = state.SkinFolder;
    source.storedSkins = &m_internalSkins;
    source.skinName = m_skinName;
    source.commonSections = common ? &*common : nullptr;

    SkinInfo info;
    LoadImageTable(state.tables, source);
    LoadPatternTable(state.tables, source);
    LoadSectionTable(state.tables, source, &info);
    state.SkinVersion = info.version;
    state.SkinAuthor = info.author;
    state.SkinDescription = info.description;
}

void TsSkinManager::notify(const Notification& notification)
{
    if (notification)
        notification(this);
}
