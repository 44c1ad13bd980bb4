#include "skin/controls/TsMessageForm.h"

#include "platform/SystemMetrics.h"
#include "skin/TsSkinableMenus.h"
#include "skin/controls/FormMetrics.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsSkinProvider.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr int kIconSize = 32;
constexpr int kCancelResult = 2;

// Process-wide by design: each button's caption width plus 8, measured at first use.
std::array<int, Dialogs::kMessageButtonCount> ButtonWidthCache{};

// a * b / c rounded to the nearest integer, halves to even.
int mulDiv(int a, int b, int c)
{
    const long long n = (long long)a * b;
    long long q = n / c;
    const long long twice = 2 * (n % c);
    if (twice > c || (twice == c && (q & 1)))
        ++q;
    return int(q);
}

int cachedButtonWidth(const QFontMetrics& metrics, int index)
{
    int& width = ButtonWidthCache[std::size_t(index)];
    if (width == 0) {
        const QString caption = QString::fromLatin1(Dialogs::messageButton(index).caption);
        width = metrics.horizontalAdvance(TsSkinableMenus::WithoutMnemonic(caption)) + 8;
    }
    return width;
}

QStyle::StandardPixmap stockIcon(Dialogs::MessageKind kind)
{
    switch (kind) {
    case Dialogs::MessageKind::Warning: return QStyle::SP_MessageBoxWarning;
    case Dialogs::MessageKind::Error: return QStyle::SP_MessageBoxCritical;
    case Dialogs::MessageKind::Information: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_MessageBoxQuestion;
    }
}

QRect screenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

} // namespace

QFont TsMessageForm::MessageFont()
{
    QFont font(QString::fromLatin1(SystemMetrics::kMenuFontFamily));
    font.setPixelSize(SystemMetrics::kMenuFontPixelSize);
    return font;
}

QString TsMessageForm::KindTitle(Kind kind)
{
    switch (kind) {
    case Kind::Warning: return QStringLiteral("Warning");
    case Kind::Error: return QStringLiteral("Error");
    case Kind::Information: return QStringLiteral("Information");
    case Kind::Confirmation: return QStringLiteral("Confirm");
    case Kind::Custom: break;
    }
    return QCoreApplication::applicationName();
}

int TsMessageForm::DefaultButtonIndex(Buttons buttons)
{
    if (buttons & Dialogs::mbOK)
        return 2;
    if (buttons & Dialogs::mbYes)
        return 0;
    return buttons & Dialogs::mbRetry ? 5 : -1;
}

int TsMessageForm::CancelButtonIndex(Buttons buttons)
{
    if (buttons & Dialogs::mbCancel)
        return 3;
    if (buttons & Dialogs::mbNo)
        return 1;
    return buttons & Dialogs::mbOK ? 2 : -1;
}

TsMessageForm::Geometry TsMessageForm::ComputeGeometry(const QFont& font, const QString& text, Kind kind,
                                                       Buttons buttons, int screenWidth)
{
    const QFontMetrics metrics(font);
    Geometry g;
    g.cx = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
    g.cy = metrics.height();
    g.horzMargin = mulDiv(16, g.cx, 4);
    g.vertMargin = mulDiv(12, g.cy, 8);
    g.horzSpacing = mulDiv(10, g.cx, 4);
    g.vertSpacing = mulDiv(10, g.cy, 8);
    g.buttonWidth = mulDiv(50, g.cx, 4);
    g.buttonHeight = mulDiv(14, g.cy, 8);
    g.buttonSpacing = mulDiv(4, g.cx, 4);

    int count = 0;
    for (int i = 0; i < Dialogs::kMessageButtonCount; ++i) {
        if (buttons & (1u << i)) {
            g.buttonWidth = std::max(g.buttonWidth, cachedButtonWidth(metrics, i));
            ++count;
        }
    }

    const bool icon = KindHasIcon(kind);
    const QRect measured = metrics.boundingRect(QRect(0, 0, std::max(screenWidth / 2, 1), 0),
                                                Qt::TextWordWrap | Qt::TextExpandTabs, text);
    g.iconTextWidth = measured.width() + (icon ? kIconSize + g.horzSpacing : 0);
    g.iconTextHeight = icon ? std::max(measured.height(), kIconSize) : measured.height();
    g.buttonGroupWidth = count > 0 ? count * g.buttonWidth + (count - 1) * g.buttonSpacing : 0;
    g.client = QSize(std::max(g.iconTextWidth, g.buttonGroupWidth) + 2 * g.horzMargin,
                     g.iconTextHeight + g.buttonHeight + g.vertSpacing + 2 * g.vertMargin);

    if (icon)
        g.icon = QRect(g.horzMargin, g.vertMargin, kIconSize, kIconSize);
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    const int messageLeft = g.iconTextWidth - measured.width() + g.horzMargin;
    g.message = QRect(rightToLeft ? g.client.width() - messageLeft - measured.width() : messageLeft, g.vertMargin,
                      measured.width(), measured.height());
    if (rightToLeft && icon)
        g.icon.moveLeft(g.client.width() - g.horzMargin - kIconSize);

    int x = (g.client.width() - g.buttonGroupWidth) / 2;
    const int y = g.iconTextHeight + g.vertMargin + g.vertSpacing;
    for (int i = 0; i < count; ++i) {
        g.buttons.emplace_back(x, y, g.buttonWidth, g.buttonHeight);
        x += g.buttonWidth + g.buttonSpacing;
    }
    return g;
}

TsMessageForm::TsMessageForm(const QString& text, Kind kind, Buttons buttons, QWidget* parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
{
    setObjectName(QStringLiteral("TsMessageForm"));
    setFont(MessageFont());
    setLayoutDirection(QGuiApplication::layoutDirection());
    setWindowTitle(KindTitle(kind));
    m_geometry = ComputeGeometry(font(), text, kind, buttons, screenGeometry().width());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->setFixedSize(m_geometry.client);
    layout->addWidget(m_client);

    if (!m_geometry.icon.isEmpty()) {
        m_image = new QLabel(m_client);
        m_image->setObjectName(QStringLiteral("Image"));
        m_image->setGeometry(m_geometry.icon);
        m_image->setPixmap(style()->standardIcon(stockIcon(kind)).pixmap(kIconSize, kIconSize));
    }
    m_message = new TsLabel(m_client);
    m_message->setObjectName(QStringLiteral("Message"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setText(text);
    m_message->setGeometry(m_geometry.message);
    buildButtons(buttons);

    // The provider's frame: a dialog border with the close button only, section "DIALOG".
    FormMetricsInput input;
    input.style = TsBorderStyle::bsDialog;
    input.hasMenuBar = false;
    const FormMetrics frame = FormMetrics::compute(input);
    const QSize outer(m_geometry.client.width() + frame.clientLeft() + frame.FW + frame.borderWidth,
                      m_geometry.client.height() + frame.clientTop() + frame.FH + frame.borderWidth);
    m_provider = new TsSkinProvider(this, m_client, nullptr, outer);
    m_provider->BorderStyle = TsBorderStyle::bsDialog;
    m_provider->MakeSkinMenu = false;
    m_provider->BorderIcons.biMinimize = false;
    m_provider->BorderIcons.biMaximize = false;
    m_provider->SkinData.SetSkinSection(QStringLiteral("DIALOG"));
    m_provider->RefreshFormStyle();
    centreOnScreen();
}

TsMessageForm::~TsMessageForm() = default;

void TsMessageForm::buildButtons(Buttons buttons)
{
    const int defaultIndex = DefaultButtonIndex(buttons);
    const int cancelIndex = CancelButtonIndex(buttons);
    std::size_t slot = 0;
    for (int i = 0; i < Dialogs::kMessageButtonCount; ++i) {
        if (!(buttons & (1u << i)))
            continue;
        const Dialogs::MessageButtonInfo& info = Dialogs::messageButton(i);
        auto* button = new TsBitBtn(m_client);
        button->setObjectName(QString::fromLatin1(info.name));
        button->setText(QString::fromLatin1(info.caption));
        button->setProperty("ModalResult", info.modalResult);
        button->setGeometry(m_geometry.buttons[slot++]);
        if (i == defaultIndex) {
            button->setDefault(true);
            m_default = button;
        }
        if (i == cancelIndex)
            m_cancel = button;
        const int result = info.modalResult;
        // A result of 0 (help) keeps the box open; there is no help system to show.
        if (result != 0) {
            connect(button, &QAbstractButton::clicked, this, [this, result] {
                m_chosen = true;
                done(result);
            });
        }
        m_buttons.push_back(button);
    }
    if (m_default)
        m_default->setFocus();
}

TsBitBtn* TsMessageForm::Button(const QString& name) const
{
    for (TsBitBtn* button : m_buttons) {
        if (button->objectName() == name)
            return button;
    }
    return nullptr;
}

void TsMessageForm::centreOnScreen()
{
    const QRect screen = screenGeometry();
    // The layout fixes the size: the client with the frame's margins.
    layout()->activate();
    const QSize size = this->size();
    move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TsMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancel)
            m_cancel->click();
        else
            done(kCancelResult);
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        auto* focused = qobject_cast<TsBitBtn*>(focusWidget());
        if (TsBitBtn* target = focused ? focused : m_default)
            target->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

int TsMessageForm::ShowModal(QPoint position)
{
    m_chosen = false;
    if (position.x() < 0 && position.y() < 0)
        centreOnScreen();
    else
        move(position);
    const int result = exec();
    // Closed by its title button or the desktop: the box was cancelled.
    return m_chosen ? result : kCancelResult;
}
