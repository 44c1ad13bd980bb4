#pragma once

#include <QObject>
#include <QPointer>

class Connection;
class ImportPreviewDialog;
class QWidget;

// The file commands of the bank tab. Import reads a question file and shows its preview,
// window-modal but without blocking; the teacher's choice there stores the questions in
// one transaction. Export writes the bank in either format.
class BankTransfer : public QObject
{
    Q_OBJECT
public:
    BankTransfer(Connection& connection, QWidget* window);

    void startImport();
    void exportBank();

    // The preview on screen, if any.
    ImportPreviewDialog* preview() const;

    // Files larger than this are refused before reading: no question bank comes near it.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

signals:
    // Questions were stored; the bank tab should reload its list.
    void bankChanged();

private:
    void previewFinished(int choice);
    bool confirmReplace(int incoming);

    Connection& m_connection;
    QWidget* m_window;
    QPointer<ImportPreviewDialog> m_preview;
};
