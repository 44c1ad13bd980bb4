#pragma once

#include "platform/Dialogs.h"

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>

#include <vector>

class QLabel;
class TsBitBtn;
class TsLabel;
class TsSkinProvider;

// The skin engine's own message box: a kind icon, the word-wrapped message and a row of
// skinned buttons, framed by its own provider in the "DIALOG" section. Every size comes
// from the message font's average letter, so the box looks alike wherever it is built.
class TsMessageForm : public QDialog
{
    Q_OBJECT
public:
    using Kind = Dialogs::MessageKind;
    using Buttons = Dialogs::MessageButtons;

    // Where everything goes, in client coordinates.
    struct Geometry
    {
        int cx = 0, cy = 0;
        int horzMargin = 0, vertMargin = 0, horzSpacing = 0, vertSpacing = 0;
        int buttonWidth = 0, buttonHeight = 0, buttonSpacing = 0;
        int iconTextWidth = 0, iconTextHeight = 0;
        int buttonGroupWidth = 0;
        QSize client;
        QRect icon;    // empty without an icon
        QRect message;
        std::vector<QRect> buttons; // one per requested button, in index order
    };

    TsMessageForm(const QString& text, Kind kind, Buttons buttons, QWidget* parent = nullptr);
    ~TsMessageForm() override;

    // The layout of a message for the font and a screen of the given width.
    static Geometry ComputeGeometry(const QFont& font, const QString& text, Kind kind, Buttons buttons, int screenWidth);
    static QString KindTitle(Kind kind);
    static bool KindHasIcon(Kind kind) { return kind != Kind::Custom; }
    // The font of message boxes.
    static QFont MessageFont();
    // Default: OK, else Yes, else Retry; cancel: Cancel, else No, else OK (indexes, -1 none).
    static int DefaultButtonIndex(Buttons buttons);
    static int CancelButtonIndex(Buttons buttons);

    const Geometry& Layout() const { return m_geometry; }
    QWidget* ClientArea() const { return m_client; }
    TsSkinProvider* Provider() const { return m_provider; }
    QLabel* Image() const { return m_image; }
    TsLabel* Message() const { return m_message; }
    const std::vector<TsBitBtn*>& ButtonList() const { return m_buttons; }
    TsBitBtn* Button(const QString& name) const;
    TsBitBtn* DefaultButton() const { return m_default; }
    TsBitBtn* CancelButton() const { return m_cancel; }

    // Shows the box modally, at the screen centre unless a position is given (a negative x
    // and y keep the centre); the chosen button's modal result, Cancel's when it was closed.
    int ShowModal(QPoint position = QPoint(-1, -1));

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildButtons(Buttons buttons);
    void centreOnScreen();

    Geometry m_geometry;
    QWidget* m_client = nullptr;
    TsSkinProvider* m_provider = nullptr;
    QLabel* m_image = nullptr;
    TsLabel* m_message = nullptr;
    std::vector<TsBitBtn*> m_buttons;
    bool m_chosen = false;
    TsBitBtn* m_default = nullptr;
    TsBitBtn* m_cancel = nullptr;
};
