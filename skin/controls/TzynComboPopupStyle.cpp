#include "TzynComboPopupStyle.h"

#include <QApplication>
#include <QPointer>

TzynComboPopupStyle::TzynComboPopupStyle() = default;

TzynComboPopupStyle *TzynComboPopupStyle::instance()
{
    static QPointer<TzynComboPopupStyle> style;
    if (!style) {
        style = new TzynComboPopupStyle;
        style->setParent(qApp);
    }
    return style;
}

int TzynComboPopupStyle::styleHint(StyleHint hint, const QStyleOption *option,
    const QWidget *widget, QStyleHintReturn *returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
