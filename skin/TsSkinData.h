#pragma once

#include "skin/CommonSkinIndexes.h"
#include "skin/SkinIniFile.h"
#include "skin/paint/TsParentCache.h"
#include "skin/paint/TsSkinTables.h"

#include <QString>

#include <memory>

class TsSkinManager;

// The process-wide skin state: which manager is in charge, the open options file of an
// external skin, whether the tables may be painted from, and the tables themselves.
// This is the skin engine's one home for process-wide state.
struct TsSkinData
{
    TsSkinManager* ActiveManager = nullptr;
    std::shared_ptr<const SkinIniFile> OptionsFile; // none for an internal skin
    QString SkinFolder;                             // ends in a separator; empty for an internal skin
    bool SkinReady = false;
    double SkinVersion = 0;
    QString SkinAuthor;
    QString SkinDescription;

    TsSkinTables tables;

    // True while the manager announces a skin change and resolves the common indexes.
    bool SkinChangeInProgress = false;
    // Resolved by the manager after every load and removal.
    CommonSkinIndexes commonIndexes;

    // The one skin state of the process.
    static TsSkinData& instance();
};
