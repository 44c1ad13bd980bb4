#include "ui/Fonts.h"

#include <QStringList>

namespace Fonts {

void installSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList() << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitutions(QStringLiteral("MS Serif"),
                               QStringList() << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif"));
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               QStringList() << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif"));
}

QFont font(const QString& family, int pixelHeight, Weight weight)
{
    QFont result(family);
    result.setPixelSize(pixelHeight);
    result.setBold(weight == Weight::Bold);
    return result;
}

} // namespace Fonts
