#include "course/HtmlLinkCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

namespace {

bool readUtf8(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder(file.readAll());
    return !decoder.hasError();
}

} // namespace

HtmlLinkCheck::HtmlLinkCheck(const QString& textRoot)
    : m_root(QDir(textRoot).canonicalPath())
{
}

bool HtmlLinkCheck::isExternal(const QString& link)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(link).hasMatch();
}

QStringList HtmlLinkCheck::idsOf(const QString& documentPath) const
{
    QString text;
    if (!readUtf8(documentPath, text))
        return {};
    static const QRegularExpression idAttribute(
        QStringLiteral(R"((?:\sid|<a\s[^>]*\bname)\s*=\s*["']([^"']+)["'])"), QRegularExpression::CaseInsensitiveOption);
    QStringList ids;
    for (auto it = idAttribute.globalMatch(text); it.hasNext();)
        ids.append(it.next().captured(1));
    return ids;
}

QStringList HtmlLinkCheck::problems(const QString& documentPath) const
{
    const QString name = QDir(m_root).relativeFilePath(documentPath);
    QString text;
    if (!readUtf8(documentPath, text))
        return {name + QStringLiteral(": not readable as UTF-8")};

    QStringList found;
    static const QRegularExpression charset(QStringLiteral(R"(<meta\s+charset\s*=\s*["']?utf-8["']?\s*/?>)"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!charset.match(text).hasMatch())
        found.append(name + QStringLiteral(": no <meta charset=\"utf-8\">"));
    if (!text.trimmed().startsWith(QLatin1String("<!DOCTYPE html>"), Qt::CaseInsensitive))
        found.append(name + QStringLiteral(": no <!DOCTYPE html>"));

    static const QRegularExpression link(QStringLiteral(R"(\s(?:href|src)\s*=\s*["']([^"']*)["'])"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QStringList ownIds = idsOf(documentPath);
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString target = it.next().captured(1);
        if (target.isEmpty()) {
            found.append(name + QStringLiteral(": empty link"));
            continue;
        }
        if (isExternal(target))
            continue;
        const int hash = target.indexOf(QLatin1Char('#'));
        const QString filePart = QUrl::fromPercentEncoding((hash < 0 ? target : target.left(hash)).toUtf8());
        const QString fragment = hash < 0 ? QString() : QUrl::fromPercentEncoding(target.mid(hash + 1).toUtf8());

        QString resolved = documentPath;
        if (!filePart.isEmpty()) {
            resolved = QFileInfo(QFileInfo(documentPath).dir(), filePart).canonicalFilePath();
            if (resolved.isEmpty() || !QFileInfo(resolved).isFile()) {
                found.append(name + QStringLiteral(": missing file ") + target);
                continue;
            }
            if (!resolved.startsWith(m_root + QLatin1Char('/'))) {
                found.append(name + QStringLiteral(": link leaves the text folder ") + target);
                continue;
            }
        }
        if (!fragment.isEmpty()) {
            const QStringList ids = filePart.isEmpty() ? ownIds : idsOf(resolved);
            if (!ids.contains(fragment))
                found.append(name + QStringLiteral(": missing anchor ") + target);
        }
    }
    return found;
}
