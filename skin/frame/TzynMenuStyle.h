#pragma once

#include <QProxyStyle>

// The style of a skinned menu's drop-downs: Qt lays each row out at the size the menu's
// MeasureMenuItem gives, inside the menu's edge, with no margins of its own. Everything else
// is the application style's.
class TzynMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit TzynMenuStyle(QObject *owner);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
        const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr, QStyleHintReturn *returnData = nullptr) const override;
};
