#pragma once

#include <QFont>
#include <QString>

// The layouts' fonts by name and character height in pixels. The names are the designed
// ones; installSubstitutions() maps them to fonts that Debian ships.
namespace Fonts {

enum class Weight { Normal, Bold };

void installSubstitutions();

QFont font(const QString& family, int pixelHeight, Weight weight = Weight::Normal);
inline QFont sansSerif(int pixelHeight, Weight weight = Weight::Normal)
{
    return font(QStringLiteral("MS Sans Serif"), pixelHeight, weight);
}
inline QFont serif(int pixelHeight, Weight weight = Weight::Normal)
{
    return font(QStringLiteral("MS Serif"), pixelHeight, weight);
}

} // namespace Fonts
