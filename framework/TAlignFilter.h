#pragma once

#include <QObject>

class QWidget;

// The event filter that a parent gets when its first framework child arrives: it re-lays out
// the aligned and anchored children whenever the parent's size changes, however it was
// resized (a layout, setGeometry, QWidget::resize or the window manager).
class TAlignFilter : public QObject {
    Q_OBJECT
public:
    // Installs the filter on the parent unless it already has one.
    static void attach(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
