#include "TzynMenuStyle.h"

#include "TMenuItem.h"
#include "TzynMainMenu.h"
#include "TzynMenuPopup.h"

#include <QAction>
#include <QStyleOptionMenuItem>

TzynMenuStyle::TzynMenuStyle(QObject *owner)
{
    setParent(owner);
}

int TzynMenuStyle::pixelMetric(
    PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (qobject_cast<const TzynMenuPopup *>(widget)) {
        switch (metric) {
        case PM_MenuPanelWidth:
            return TzynMainMenu::MenuEdgeWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
        case PM_MenuTearoffHeight:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize TzynMenuStyle::sizeFromContents(
    ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const
{
    const auto *popup = qobject_cast<const TzynMenuPopup *>(widget);
    if (type == CT_MenuItem && popup && popup->SkinnedMenu()) {
        // The popup names the action it is measuring (see TzynMenuPopup::initStyleOption).
        if (const TMenuItem *item
            = TMenuItem::fromAction(qobject_cast<const QAction *>(option->styleObject)))
            return popup->SkinnedMenu()->MeasureMenuItem(item);
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TzynMenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
    QStyleHintReturn *returnData) const
{
    if (qobject_cast<const TzynMenuPopup *>(widget)) {
        switch (hint) {
        case SH_Menu_Scrollable:
        case SH_Menu_FillScreenWithScroll:
            return 0;
        // Disabled items are passed over by the keyboard, as on the desktop.
        case SH_Menu_AllowActiveAndDisabled:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
