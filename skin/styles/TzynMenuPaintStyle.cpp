#include "TzynMenuPaintStyle.h"

#include "ZYNLooks.h"
#include "ZYNMenu.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

namespace {

using E = TzynThemeEntry;

constexpr int edgeWidth = 1;

} // namespace

TzynMenuPaintStyle::TzynMenuPaintStyle(TzynUIStyle style)
    : m_style(style)
{
}

TzynMenuPaintStyle *TzynMenuPaintStyle::forStyle(TzynUIStyle style)
{
    static QPointer<TzynMenuPaintStyle> styles[6];
    const int index = int(style) <= 5 ? int(style) : 0;
    if (!styles[index]) {
        styles[index] = new TzynMenuPaintStyle(TzynUIStyle(index));
        styles[index]->setParent(qApp);
    }
    return styles[index];
}

void TzynMenuPaintStyle::Apply(QMenu *menu, TzynUIStyle style)
{
    if (!menu || style == TzynUIStyle::Custom)
        return;
    menu->setStyle(forStyle(style));
    for (QAction *action : menu->actions())
        if (action->menu())
            Apply(action->menu(), style);
}

void TzynMenuPaintStyle::PopupOnce(QMenu *menu, const QWidget *owner, const QPoint &globalPos)
{
    if (!menu)
        return;
    Apply(menu, FindFormUIStyle(owner->window()));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

void TzynMenuPaintStyle::drawControl(ControlElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuItem || !item || m_style == TzynUIStyle::Custom) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const TzynStyleLook &look = StyleLook(m_style);
    const QRect rect = item->rect;
    const int barWidth = GetThemeInt(m_style, E::MainMenuBarWidth);
    const TColor color = GetThemeColor(m_style, E::MainMenuColor);
    auto plainBackground = [&] {
        if (barWidth > 0)
            FillColorRect(*painter, QRect(rect.left(), rect.top(), barWidth, rect.height()),
                GetThemeColor(m_style, E::MainMenuBarColor));
        FillColorRect(*painter, rect.adjusted(barWidth, 0, 0, 0), color);
    };
    painter->save();
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        if (look.menuBarPicture) {
            DrawMacSeparator(*painter, rect, look.menuBarPicture);
        } else {
            plainBackground();
            DrawSeparatorLine(
                *painter, rect, GetThemeColor(m_style, E::MainMenuSeparatorColor), barWidth);
        }
        painter->restore();
        return;
    }
    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    if (!DrawMenuRowBackground(*painter, rect, m_style, selected)) {
        plainBackground();
    }
    painter->setFont(item->font);
    painter->setPen(toQColor(!enabled ? Colors::clGrayText
            : selected                ? GetThemeColor(m_style, E::MainMenuSelectedFontColor)
                                      : GetThemeColor(m_style, E::MainMenuFontColor)));
    // Qt gives the shortcut after a tab.
    const QString text = item->text.section(QLatin1Char('\t'), 0, 0);
    const QString shortCut = item->text.section(QLatin1Char('\t'), 1);
    const QRect caption = rect.adjusted(barWidth + 4, 0, 0, 0);
    painter->drawText(caption,
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    if (!shortCut.isEmpty()) {
        const int width = QFontMetrics(item->font).horizontalAdvance(shortCut);
        painter->drawText(QRect(rect.right() + 1 - width - 16, rect.top(), width, rect.height()),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shortCut);
    }
    painter->restore();
}

void TzynMenuPaintStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    if (m_style != TzynUIStyle::Custom && (element == PE_PanelMenu || element == PE_FrameMenu)) {
        if (element == PE_PanelMenu)
            FillColorRect(*painter, option->rect, GetThemeColor(m_style, E::MainMenuColor));
        FrameColorRect(*painter, option->rect, GetThemeColor(m_style, E::FormBorderColor));
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int TzynMenuPaintStyle::pixelMetric(
    PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (m_style != TzynUIStyle::Custom) {
        switch (metric) {
        case PM_MenuPanelWidth:
            return edgeWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TzynMenuPaintStyle::sizeFromContents(
    ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item || m_style == TzynUIStyle::Custom)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const QFontMetrics metrics(item->font);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(size.width(), GetThemeInt(m_style, E::MainMenuSeparatorHeight));
    QString text = item->text;
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.remove(QLatin1Char('&'));
    return QSize(metrics.horizontalAdvance(text) + GetThemeInt(m_style, E::MainMenuBarWidth) + 40,
        GetThemeInt(m_style, E::MainMenuItemHeight));
}
