// Turns a slide outline into a PDF deck: slides <outline.txt> <deck.pdf>
#include "DeckWriter.h"
#include "SlideOutline.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: slides <outline.txt> <deck.pdf>\n");
        return 2;
    }
    // Fonts need a GUI application; no screen is needed to paint a PDF.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    try {
        const SlideOutline outline = SlideOutline::readFile(input);
        DeckWriter writer(outline);
        if (!writer.write(output)) {
            std::fprintf(stderr, "slides: %s\n", qPrintable(writer.errorString()));
            return 1;
        }
    } catch (const OutlineError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
