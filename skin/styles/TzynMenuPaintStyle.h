#pragma once

#include "ZYNThemes.h"

#include <QProxyStyle>

class QMenu;

// The application's style, except that the rows and edge of a Qt menu are drawn as the skinned
// menus of a UI style draw theirs: the style's menu colours (or the MacOS menu pictures), its
// item and separator heights, the bar strip along the left, the selected row with its border,
// the shortcut at the right. For the stock menus the library shows, such as the edit and memo
// context menus, which are not built from menu items.
class TzynMenuPaintStyle : public QProxyStyle {
    Q_OBJECT
public:
    // One instance per style, owned by the application.
    static TzynMenuPaintStyle *forStyle(TzynUIStyle style);
    // Gives the menu the style's look; Custom leaves it as it is.
    static void Apply(QMenu *menu, TzynUIStyle style);
    // Pops up a menu made for this one showing (a control's standard context menu) in the look
    // of the style of the owner's window; it deletes itself when closed.
    static void PopupOnce(QMenu *menu, const QWidget *owner, const QPoint &globalPos);

    TzynUIStyle UIStyle() const { return m_style; }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
        const QWidget *widget) const override;

private:
    explicit TzynMenuPaintStyle(TzynUIStyle style);

    TzynUIStyle m_style;
};
