#pragma once

#include <QProxyStyle>

// The application's style for the skinned combo boxes, except that every drop-down list opens
// below its field, the list-style box's as the editable one's, instead of over the field.
class TzynComboPopupStyle : public QProxyStyle {
    Q_OBJECT
public:
    // One instance for all combo boxes, owned by the application.
    static TzynComboPopupStyle *instance();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr, QStyleHintReturn *returnData = nullptr) const override;

private:
    TzynComboPopupStyle();
};
