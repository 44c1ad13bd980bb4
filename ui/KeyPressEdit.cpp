#include "ui/KeyPressEdit.h"

#include <QKeyEvent>

KeyPressEdit::KeyPressEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

QChar KeyPressEdit::typedCharacter(const QKeyEvent& event)
{
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(char16_t(key - Qt::Key_A + 1));
    switch (key) {
    case Qt::Key_Backspace:
        return QChar(char16_t(8));
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(char16_t(13));
    case Qt::Key_Escape:
        return QChar(char16_t(27));
    case Qt::Key_Tab:
        return QChar(char16_t(9));
    default:
        break;
    }
    // Function keys, arrows and Delete type nothing, whatever text the platform attaches.
    if (key >= Qt::Key_Escape && key <= Qt::Key_unknown)
        return QChar();
    const QString text = event.text();
    return text.isEmpty() ? QChar() : text.front();
}

void KeyPressEdit::keyPressEvent(QKeyEvent* event)
{
    QChar key = typedCharacter(*event);
    if (key.isNull()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    emit keyPressed(&key);
    if (key.isNull()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
