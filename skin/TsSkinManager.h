#pragma once

#include "skin/TsStoredSkin.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;
class TsSkinableMenus;

// The skin manager: holds the stored skins, chooses the current skin by name, runs the
// loaders and tells every window and control by skin messages that the skin is changing,
// has changed or has gone.
//
// Only the first manager made while none is in charge takes charge; every other one stays
// passive for good: it stores its properties and never loads or broadcasts anything.
//
// A manager is set up like a component read from a window layout: set its properties
// (InternalSkins and SkinDirectory before SkinName), then call Loaded(), which loads the
// skin once.
class TsSkinManager : public QObject
{
    Q_OBJECT
public:
    using Notification = std::function<void(TsSkinManager* sender)>;

    explicit TsSkinManager(QObject* owner = nullptr);
    ~TsSkinManager() override;

    void Loaded();
    bool isReading() const { return m_reading; }
    bool isInCharge() const;

    bool Active() const { return m_active; }
    void SetActive(bool active);
    const QStringList& CommonSections() const { return m_commonSections; }
    void SetCommonSections(const QStringList& lines);
    const TsStoredSkins& InternalSkins() const { return m_internalSkins; }
    void SetInternalSkins(const TsStoredSkins& skins);
    const QString& SkinDirectory() const { return m_skinDirectory; }
    void SetSkinDirectory(const QString& directory);
    const QString& SkinName() const { return m_skinName; }
    void SetSkinName(const QString& name);
    bool SkinnedPopups() const { return m_skinnedPopups; }
    // The menu painter; only the manager in charge has one.
    TsSkinableMenus* SkinableMenus() const { return m_menus.get(); }
    void SetSkinnedPopups(bool skinned);

    // Called before and after a skin name is applied.
    Notification OnBeforeChange;
    Notification OnAfterChange;

    // The skin directory as an absolute path with "/" separators, ending in "/". A path with
    // ":" or a leading "/" is absolute; "./" (or ".\") and any other relative path are taken
    // from the program's folder; a single letter is a drive.
    QString FullSkinDirectory() const;
    // The names on offer, sorted: the stored skins, then the sub-folders of the skin
    // directory. firstName is set, when empty, to the first name found in that order.
    void GetSkinNames(QStringList& list, QString& firstName) const;

    // Tells every window that the loaded skin is about to change, then that it has.
    void ApplySkin();
    // Tells every window that the skin is gone, then empties the tables.
    void RemoveSkin();
    void ResolveCommonIndexes();

    // Delivers one skin message (WParam 0, LParam the manager) to every form and everything
    // on it, or to one form. Only the manager in charge broadcasts.
    void BroadcastSkinMessage(uint32_t number);
    void BroadcastToForm(QWidget* form, uint32_t number);

private:
    void runLoaders();
    void notify(const Notification& notification);

    bool m_reading = true;
    bool m_active = false;
    QStringList m_commonSections;
    TsStoredSkins m_internalSkins;
    QString m_skinDirectory;
    QString m_skinName;
    bool m_skinnedPopups = false;
    std::unique_ptr<TsSkinableMenus> m_menus;
};
