#pragma once

#include "TControlBase.h"
#include "TzynSkinned.h"
#include "TzynViewBorder.h"
#include "ZYNLooks.h"

#include <QListWidget>

// A list of entries with the same flat two-pixel border as the skinned tree view: an outer line
// in BorderColor and an inner line in the control's own colour around the viewport and the
// scroll bars.
class TzynListView : public TzynSkinned<TControlBase<QListWidget>>, public TzynBorderColored {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Fw::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
public:
    explicit TzynListView(QWidget *parent = nullptr);

    TColor BorderColor() const override { return m_border.color(); }
    void setBorderColor(TColor color) override;
    // Selected rows wear the style's highlight, the one its menus use.
    void StyleHighlight(TzynUIStyle style) override { ApplyStyleHighlight(this, style); }

    int BorderWidth() const { return m_border.width(); }
    void setBorderWidth(int width);
    Fw::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Fw::TBorderStyle style);

Q_SIGNALS:
    void OnClick(QObject *Sender);
    void OnDblClick(QObject *Sender);
    T_CONTROL_EVENTS

protected:
    bool event(QEvent *event) override;
    void colorChanged() override;
    void fontChanged() override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    TzynViewBorder m_border;
    Fw::TBorderStyle m_borderStyle = Fw::bsNone;
};
