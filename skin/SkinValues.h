#pragma once

#include "skin/paint/TsSkinTables.h"

#include <QString>

#include <cstdint>
#include <optional>

// Reading the value strings of a skin.

// A 32-bit integer: decimal with an optional sign, or hexadecimal after "$" or "0x".
// Hexadecimal values above 7FFFFFFF wrap to negative numbers. Nothing when unreadable.
std::optional<int32_t> parseSkinInteger(const QString& text);

// Gradient steps from words separated by ";" (runs of separators count as one). Five words
// make a step; a trailing incomplete group is ignored. Throws SkinError when one of the first
// four words of a step is not a number.
TsGradArray ParseGradientData(const QString& text);

// Five words separated by blanks: text colour and contours left, top, right, bottom. Any
// other word count gives the defaults; a word that is not a number throws SkinError.
TsFontColors parseFontColors(const QString& text);
