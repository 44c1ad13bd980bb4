#pragma once

#include <QObject>

#include <memory>

class QMenu;
class QPrinter;
class QWebEngineView;

// Printing the open document through the desktop's print dialog, and writing it as a
// PDF file; the HTML view's context menu gets «Сохранить как PDF…».
class ViewPrinting : public QObject
{
    Q_OBJECT
public:
    explicit ViewPrinting(QWebEngineView* view);
    ~ViewPrinting() override;

    // Asks for a printer and prints; a print still running is left to finish.
    void print();
    // Asks for a file name and writes the document there as PDF.
    void saveAsPdf();

    // The view's standard context menu with «Сохранить как PDF…» added; owned by the caller.
    QMenu* contextMenu();

    static QString saveAsPdfCaption() { return QStringLiteral("Сохранить как PDF…"); }
    // The documents folder and the document's title, made fit for a file name.
    QString suggestedPdfName() const;

signals:
    // After a print or a PDF file is done (or failed, which was told to the student).
    void printed(bool ok);
    void pdfSaved(const QString& file, bool ok);

private:
    bool hasDocument() const;

    QWebEngineView* m_view;
    std::unique_ptr<QPrinter> m_printer;
};
