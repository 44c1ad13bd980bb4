#include "app/ViewPrinting.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QWebEnginePage>
#include <QWebEngineView>

ViewPrinting::ViewPrinting(QWebEngineView* view)
    : QObject(view)
    , m_view(view)
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = contextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_view->mapToGlobal(at));
    });
    connect(view, &QWebEngineView::printFinished, this, [this](bool ok) {
        m_printer.reset();
        if (!ok)
            Dialogs::instance().showError(QStringLiteral("Не удалось напечатать документ."));
        emit printed(ok);
    });
    connect(view->page(), &QWebEnginePage::pdfPrintingFinished, this, [this](const QString& file, bool ok) {
        if (!ok)
            Dialogs::instance().showError(QStringLiteral("Не удалось сохранить документ в файл\n%1").arg(QDir::toNativeSeparators(file)));
        emit pdfSaved(file, ok);
    });
}

ViewPrinting::~ViewPrinting() = default;

bool ViewPrinting::hasDocument() const
{
    if (m_view->isVisible() && !m_view->url().isEmpty())
        return true;
    Dialogs::instance().showMessage(QStringLiteral("Откройте документ, который нужно напечатать или сохранить."));
    return false;
}

void ViewPrinting::print()
{
    if (m_printer || !hasDocument())
        return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(m_view->title());
    if (!Dialogs::instance().choosePrinter(*printer))
        return;
    m_printer = std::move(printer);
    m_view->print(m_printer.get());
}

QString ViewPrinting::suggestedPdfName() const
{
    QString name = m_view->title().isEmpty() ? QFileInfo(m_view->url().toLocalFile()).completeBaseName() : m_view->title();
    // Characters that a file name cannot hold on common desktops.
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (forbidden.contains(c))
            c = u'_';
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return folder + u'/' + name.trimmed() + QStringLiteral(".pdf");
}

void ViewPrinting::saveAsPdf()
{
    if (!hasDocument())
        return;
    std::optional<QString> file = Dialogs::instance().chooseFileToSave(
        QStringLiteral("Сохранить как PDF"), QStringLiteral("Документ PDF (*.pdf)"), suggestedPdfName());
    if (!file || file->isEmpty())
        return;
    if (!file->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        *file += QStringLiteral(".pdf");
    m_view->page()->printToPdf(*file);
}

QMenu* ViewPrinting::contextMenu()
{
    QMenu* menu = m_view->lastContextMenuRequest() ? m_view->createStandardContextMenu() : new QMenu(m_view);
    menu->setObjectName(QStringLiteral("ViewContextMenu"));
    menu->addSeparator();
    QAction* save = menu->addAction(saveAsPdfCaption(), this, &ViewPrinting::saveAsPdf);
    save->setObjectName(QStringLiteral("SaveAsPdf"));
    return menu;
}
