#pragma once

#include "ZYNThemes.h"

#include <QStyledItemDelegate>

// Draws the rows of a drop-down list (the combo box's) as the skinned menus draw their items:
// the style's menu background or bar picture, the selected row in the menu's selected colour
// with its border (or the selection picture), the text in the menu's font colours. Custom
// draws as the list would.
class TzynMenuRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TzynMenuRowDelegate(QObject *parent = nullptr);

    TzynUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TzynUIStyle style) { m_style = style; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    TzynUIStyle m_style = TzynUIStyle::Custom;
};
