#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Warning: return QMessageBox::Warning;
    case Dialogs::Icon::Error: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

int runBox(const QString& text, const QString& caption, Dialogs::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(toQt(icon), caption, text, buttons, QApplication::activeWindow());
    return box.exec();
}

} // namespace

void QtDialogs::messageBox(const QString& text, const QString& caption, Icon icon)
{
    runBox(text, caption, icon, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text, const QString& caption, Icon icon)
{
    return runBox(text, caption, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::inputQuery(const QString& caption, const QString& prompt,
                                             const QString& value, Echo echo)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                               echo == Echo::Password ? QLineEdit::Password : QLineEdit::Normal,
                                               value, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::chooseSaveFile(const QString& caption, const QString& suggested,
                                                 const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool QtDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
