#include "SlideOutline.h"

#include <QFile>
#include <QStringDecoder>

namespace {

[[noreturn]] void fail(const QString& fileName, int line, const QString& message)
{
    throw OutlineError(QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(message).toStdString());
}

} // namespace

SlideOutline SlideOutline::parse(const QString& text, const QString& fileName)
{
    SlideOutline outline;
    bool haveTitle = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;

        if (!haveTitle) {
            if (!line.startsWith(QLatin1String("# ")) || line.mid(2).trimmed().isEmpty())
                fail(fileName, lineNo, QStringLiteral("the first line must be \"# Deck title\""));
            outline.m_title = line.mid(2).trimmed();
            haveTitle = true;
            continue;
        }
        if (line.startsWith(QLatin1String("## "))) {
            const QString title = line.mid(3).trimmed();
            if (title.isEmpty())
                fail(fileName, lineNo, QStringLiteral("empty slide title"));
            outline.m_slides.append(Slide{title, {}});
            continue;
        }
        const bool isBullet = line.startsWith(QLatin1String("- "));
        const bool isCode = line.startsWith(QLatin1String("    "));
        if (!isBullet && !isCode) {
            if (line.startsWith(QLatin1Char('#')))
                fail(fileName, lineNo, QStringLiteral("only one deck title; slide titles start with \"## \""));
            fail(fileName, lineNo, QStringLiteral("expected \"## slide\", \"- bullet\" or a code line indented by four spaces"));
        }
        if (outline.m_slides.isEmpty())
            fail(fileName, lineNo, QStringLiteral("item before the first slide title"));
        SlideItem item;
        item.kind = isBullet ? SlideItem::Kind::Bullet : SlideItem::Kind::Code;
        item.text = isBullet ? line.mid(2).trimmed() : line.mid(4);
        if (isBullet && item.text.isEmpty())
            fail(fileName, lineNo, QStringLiteral("empty bullet"));
        outline.m_slides.last().items.append(item);
    }
    if (!haveTitle)
        fail(fileName, 1, QStringLiteral("the outline is empty"));
    if (outline.m_slides.isEmpty())
        fail(fileName, lines.size(), QStringLiteral("the deck has no slides"));
    return outline;
}

SlideOutline SlideOutline::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw OutlineError(QStringLiteral("%1: cannot read: %2").arg(path, file.errorString()).toStdString());
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        throw OutlineError(QStringLiteral("%1: not valid UTF-8").arg(path).toStdString());
    return parse(text, path);
}
