#include "app/WordHighlight.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <utility>

namespace {

// Words as the index reads them: a letter or digit, then letters, digits and the marks
// that belong to them; folded the same way (composed, marks dropped, lower case, ё as е).
const char* const kScript = R"js(
(function (words) {
    const wanted = new Set(words);
    const fold = w => w.normalize('NFC').replace(/\p{M}/gu, '').toLowerCase().replace(/ё/g, 'е');
    const skip = /^(SCRIPT|STYLE|TEXTAREA|NOSCRIPT)$/;
    const walker = document.createTreeWalker(document.body || document.documentElement, NodeFilter.SHOW_TEXT, {
        acceptNode: n => n.parentNode && skip.test(n.parentNode.nodeName) ? NodeFilter.FILTER_REJECT
                                                                          : NodeFilter.FILTER_ACCEPT
    });
    const nodes = [];
    while (walker.nextNode())
        nodes.push(walker.currentNode);
    let first = null;
    let count = 0;
    for (const node of nodes) {
        const text = node.nodeValue;
        const word = /[\p{L}\p{N}][\p{L}\p{N}\p{M}]*/gu;
        let found;
        let last = 0;
        let pieces = null;
        while ((found = word.exec(text)) !== null) {
            if (!wanted.has(fold(found[0])))
                continue;
            pieces = pieces || document.createDocumentFragment();
            pieces.appendChild(document.createTextNode(text.slice(last, found.index)));
            const mark = document.createElement('mark');
            mark.className = 'vestron-found';
            mark.textContent = found[0];
            pieces.appendChild(mark);
            first = first || mark;
            ++count;
            last = found.index + found[0].length;
        }
        if (pieces) {
            pieces.appendChild(document.createTextNode(text.slice(last)));
            node.parentNode.replaceChild(pieces, node);
        }
    }
    if (first)
        first.scrollIntoView({block: 'center'});
    return count;
})(%1)
)js";

} // namespace

WordHighlight::WordHighlight(QWebEngineView* view)
    : QObject(view)
    , m_view(view)
{
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        const QStringList words = std::exchange(m_words, {});
        if (!ok || words.isEmpty())
            return;
        QPointer<WordHighlight> self(this);
        m_view->page()->runJavaScript(script(words), [self](const QVariant& count) {
            if (self)
                emit self->marked(count.toInt());
        });
    });
}

void WordHighlight::markAfterLoading(const QStringList& words)
{
    m_words = words;
}

QString WordHighlight::script(const QStringList& words)
{
    const QByteArray list = QJsonDocument(QJsonArray::fromStringList(words)).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(kScript).arg(QString::fromUtf8(list));
}
