#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>

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

void setButtonText(QMessageBox& box, QMessageBox::StandardButton which, const QString& text)
{
    if (QAbstractButton* button = box.button(which))
        button->setText(text);
}

} // namespace

std::unique_ptr<QMessageBox> QtDialogs::makeMessageBox(const QString& text, const QString& caption,
                                                       Icon icon, bool yesNo, QWidget* parent)
{
    const QMessageBox::StandardButtons buttons =
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok);
    auto box = std::make_unique<QMessageBox>(toQt(icon), caption, text, buttons, parent);
    setButtonText(*box, QMessageBox::Ok, QStringLiteral("ОК"));
    setButtonText(*box, QMessageBox::Yes, QStringLiteral("Да"));
    setButtonText(*box, QMessageBox::No, QStringLiteral("Нет"));
    return box;
}

std::unique_ptr<QInputDialog> QtDialogs::makeInputDialog(const QString& caption, const QString& prompt,
                                                         const QString& value, Echo echo, QWidget* parent)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(caption);
    dialog->setLabelText(prompt);
    dialog->setTextValue(value);
    dialog->setTextEchoMode(echo == Echo::Password ? QLineEdit::Password : QLineEdit::Normal);
    dialog->setOkButtonText(QStringLiteral("ОК"));
    dialog->setCancelButtonText(QStringLiteral("Отмена"));
    return dialog;
}

std::unique_ptr<QFileDialog> QtDialogs::makeFileDialog(QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Открыть"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's own dialog, so the labels below are the ones shown.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Открыть"));
    dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    dialog->setNameFilter(QStringLiteral("Все файлы (*)"));
    return dialog;
}

void QtDialogs::messageBox(const QString& text, const QString& caption, Icon icon)
{
    makeMessageBox(text, caption, icon, false, QApplication::activeWindow())->exec();
}

void QtDialogs::errorBox(const QString& text, const QString& details)
{
    const std::unique_ptr<QMessageBox> box =
        makeMessageBox(text, applicationTitle(), Icon::Error, false, QApplication::activeWindow());
    box->setDetailedText(details);
    box->exec();
}

bool QtDialogs::askYesNo(const QString& text, const QString& caption, Icon icon)
{
    return makeMessageBox(text, caption, icon, true, QApplication::activeWindow())->exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::inputQuery(const QString& caption, const QString& prompt,
                                             const QString& value, Echo echo)
{
    const std::unique_ptr<QInputDialog> dialog =
        makeInputDialog(caption, prompt, value, echo, QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

std::optional<QString> QtDialogs::chooseFile()
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().front();
}

std::optional<QString> QtDialogs::chooseFileToOpen(const QString& caption, const QString& filters)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(QApplication::activeWindow());
    dialog->setWindowTitle(caption);
    dialog->setNameFilter(filters);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().front();
}

std::optional<QString> QtDialogs::chooseFileToSave(const QString& caption, const QString& filters,
                                                   const QString& suggestedName)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(QApplication::activeWindow());
    dialog->setWindowTitle(caption);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Сохранить"));
    dialog->setNameFilter(filters);
    // "Вопросы GIFT (*.gift)": a name typed without an extension gets "gift", and the
    // dialog asks about overwriting the name with it.
    auto useSuffixOf = [dialog = dialog.get()](const QString& filter) {
        static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ )*]+)"));
        const QRegularExpressionMatch match = firstPattern.match(filter);
        dialog->setDefaultSuffix(match.hasMatch() ? match.captured(1) : QString());
    };
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(), useSuffixOf);
    useSuffixOf(dialog->selectedNameFilter());
    dialog->selectFile(suggestedName);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().front();
}

bool QtDialogs::choosePrinter(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::skinnedMessage(const QString& text, MessageKind kind, MessageButtons buttons)
{
    static const struct {
        const char* title;
        QMessageBox::Icon icon;
    } kinds[] = {{"Warning", QMessageBox::Warning}, {"Error", QMessageBox::Critical},
                 {"Information", QMessageBox::Information}, {"Confirm", QMessageBox::Question}, {nullptr, QMessageBox::NoIcon}};
    const auto& look = kinds[int(kind)];
    const QString title = look.title ? QString::fromLatin1(look.title) : QCoreApplication::applicationName();
    QMessageBox box(look.icon, title, text, QMessageBox::NoButton, QApplication::activeWindow());
    for (int i = 0; i < kMessageButtonCount; ++i) {
        if (buttons & (1u << i)) {
            const MessageButtonInfo& info = messageButton(i);
            QPushButton* button = box.addButton(QString::fromLatin1(info.caption), QMessageBox::ActionRole);
            button->setProperty("modalResult", info.modalResult);
        }
    }
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    return clicked ? clicked->property("modalResult").toInt() : 0;
}
