#include "TzynMenuRowDelegate.h"

#include "ZYNLooks.h"
#include "ZYNMenu.h"

#include <QPainter>

TzynMenuRowDelegate::TzynMenuRowDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void TzynMenuRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (m_style == TzynUIStyle::Custom) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    using E = TzynThemeEntry;
    const QRect rect = option.rect;
    const bool enabled = option.state & QStyle::State_Enabled;
    const bool selected = enabled && (option.state & QStyle::State_Selected);
    painter->save();
    if (!DrawMenuRowBackground(*painter, rect, m_style, selected)) {
        FillColorRect(*painter, rect, GetThemeColor(m_style, E::MainMenuColor));
    }
    painter->setFont(option.font);
    painter->setPen(toQColor(!enabled ? Colors::clGrayText
            : selected                ? GetThemeColor(m_style, E::MainMenuSelectedFontColor)
                                      : GetThemeColor(m_style, E::MainMenuFontColor)));
    painter->drawText(rect.adjusted(4, 0, -2, 0),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        index.data(Qt::DisplayRole).toString());
    painter->restore();
}
