#pragma once

#include <QLineEdit>

// A one-line edit that offers every typed character to a key filter before taking it.
// Control characters count: Ctrl+letter arrives as its code (Ctrl+V as 22), backspace as 8.
// Keys that type nothing (arrows, Delete, Home) are not offered.
class KeyPressEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit KeyPressEdit(QWidget* parent = nullptr);

signals:
    // A handler drops the character by setting *key to QChar().
    void keyPressed(QChar* key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QChar typedCharacter(const QKeyEvent& event);
};
