#pragma once

#include <QTranslator>

// Russian for the few texts of Qt that its own Russian translation lacks: the kind of an
// entry in the file dialog («Папка» rather than "Folder"). Installed after Qt's translation,
// it answers only these and leaves every other text to it.
class MissingQtTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};
