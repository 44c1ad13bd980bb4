#include "skin/TsSkinableMenus.h"

#include "platform/SystemMetrics.h"
#include "skin/SkinLookups.h"
#include "skin/TsPopupItemPainter.h"
#include "skin/TsPopupMenuStyle.h"
#include "skin/TsSkinData.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintText.h"
#include "skin/paint/TsParentCache.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>

#include <algorithm>

TsSkinableMenus::TsSkinableMenus(TsSkinManager* manager)
    : m_manager(manager)
{
}

TsSkinableMenus::~TsSkinableMenus()
{
    // No menu may keep a style that goes with us.
    for (const QPointer<QMenu>& menu : m_skinnedPopups) {
        if (menu)
            menu->setStyle(nullptr);
    }
}

void TsSkinableMenus::SetActive(bool active)
{
    ClearBackgrounds();
    if (active == m_active)
        return;
    m_active = active;
    UpdatePopups();
}

bool TsSkinableMenus::popupsWanted() const
{
    return m_active && m_manager && m_manager->SkinnedPopups();
}

bool TsSkinableMenus::IsPopupSkinned(const QMenu* menu) const
{
    return std::any_of(m_skinnedPopups.begin(), m_skinnedPopups.end(),
                       [menu](const QPointer<QMenu>& skinned) { return skinned == menu; });
}

void TsSkinableMenus::SkinPopupMenu(QMenu* menu, bool on)
{
    if (!menu)
        return;
    m_skinnedPopups.erase(std::remove_if(m_skinnedPopups.begin(), m_skinnedPopups.end(),
                                         [menu](const QPointer<QMenu>& skinned) { return !skinned || skinned == menu; }),
                          m_skinnedPopups.end());
    if (on) {
        if (!m_popupStyle)
            m_popupStyle = std::make_unique<TsPopupMenuStyle>(*this);
        if (menu->style() != m_popupStyle.get())
            menu->setStyle(m_popupStyle.get());
        m_skinnedPopups.emplace_back(menu);
    } else if (m_popupStyle && menu->style() == m_popupStyle.get()) {
        menu->setStyle(nullptr);
        m_backgrounds.erase(menu);
    }
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu(); sub && sub != menu)
            SkinPopupMenu(sub, on);
    }
}

void TsSkinableMenus::UpdatePopups()
{
    const bool on = popupsWanted();
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(widget))
            SkinPopupMenu(menu, on);
    }
}

void TsSkinableMenus::UpdateFormPopups(QWidget* form)
{
    if (!form)
        return;
    const bool on = popupsWanted();
    for (QMenu* menu : form->findChildren<QMenu*>())
        SkinPopupMenu(menu, on);
}

Bitmap24& TsSkinableMenus::DropDownBackground(const QWidget* menu, QSize size)
{
    Bitmap24& background = m_backgrounds[menu];
    // A drop-down that grew since gets a background of its new size.
    if (background.width() != size.width() || background.height() != size.height())
        background = TsPopupItemPainter::RenderBackground(size);
    return background;
}

QFont TsSkinableMenus::MenuFont()
{
    QFont font(QString::fromLatin1(SystemMetrics::kMenuFontFamily));
    font.setPixelSize(SystemMetrics::kMenuFontPixelSize);
    return font;
}

int TsSkinableMenus::BarItemHeight()
{
    return SystemMetrics::SM_CYMENU - 1;
}

int TsSkinableMenus::MeasureBarItem(const QFont& font, const QString& caption, const QString& shortcut)
{
    const QFontMetrics metrics(font);
    const QString text = shortcut.isEmpty() ? caption : caption + QLatin1Char('\t') + shortcut;
    int width = metrics.horizontalAdvance(text);
    if (text.contains(QLatin1Char('&')))
        width -= metrics.horizontalAdvance(QLatin1Char('&'));
    return width;
}

unsigned TsSkinableMenus::AlignmentFlags(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return TextRight;
    if (alignment & Qt::AlignHCenter)
        return TextCenter;
    return TextLeft;
}

QString TsSkinableMenus::WithoutMnemonic(const QString& caption)
{
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        result += caption[i];
    }
    return result;
}

void TsSkinableMenus::DrawBarItem(Bitmap24& canvas, QRect r, const QString& caption, const QString& shortcut,
                                  bool enabled, unsigned state, const TsParentCache& menuBar, int barTop) const
{
    const TsSkinTables& tables = TsSkinData::instance().tables;
    const bool hot = (state & (odSelected | odHotLight)) != 0;
    const TsRect rect = ToTsRect(r);
    const QString itemName = QStringLiteral("MENUITEM");
    const int itemSection = FindSectionIndex(tables.sections, itemName);
    PaintSectionBackground(tables, itemSection, itemName, menuBar, canvas, QPoint(r.left(), r.top() - barTop), rect,
                           hot ? 1 : 0);

    QFont font = MenuFont();
    font.setBold((state & odDefault) != 0);
    PaintCanvas target{canvas, font, 0};
    const int lineSection = FindSectionIndex(tables.sections, QStringLiteral("MENULINE"));
    TsRect textRect{rect.Left + Margin, rect.Top, rect.Right - Margin, rect.Bottom};
    DrawSkinText(tables, target, WithoutMnemonic(caption), enabled, hot, lineSection,
                 AlignmentFlags(Alignment) | TextVCenter | TextExpandTabs | TextSingleLine, textRect);
    if (!shortcut.isEmpty()) {
        TsRect shortcutRect{textRect.Right - textRect.Left, rect.Top, rect.Right - 8, rect.Bottom};
        DrawSkinText(tables, target, shortcut, enabled, hot, lineSection, TextRight | TextVCenter | TextSingleLine,
                     shortcutRect);
    }
    if (OnDrawItem)
        OnDrawItem(caption, canvas, r, state, smTopLine);
}
