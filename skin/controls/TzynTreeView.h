#pragma once

#include "TTreeView.h"
#include "TzynSkinned.h"
#include "TzynViewBorder.h"
#include "ZYNLooks.h"

// The framework's tree view with a flat two-pixel border instead of the platform's sunken
// edge: an outer line in BorderColor and an inner line in the control's own colour, drawn over
// the band that BorderWidth keeps free around the viewport and the scroll bars.
class TzynTreeView : public TzynSkinned<TTreeView>, public TzynBorderColored {
    Q_OBJECT
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
public:
    explicit TzynTreeView(QWidget *parent = nullptr);

    TColor BorderColor() const override { return m_border.color(); }
    void setBorderColor(TColor color) override;
    // Selected rows wear the style's highlight, the one its menus use.
    // The inactive colours are HideSelection's to derive again from the active ones.
    void StyleHighlight(TzynUIStyle style) override
    {
        ApplyStyleHighlight(this, style);
        setHideSelection(HideSelection());
    }

    int BorderWidth() const { return m_border.width(); }
    void setBorderWidth(int width);
    void setBorderStyle(Fw::TBorderStyle style) override;

protected:
    bool event(QEvent *event) override;

private:
    TzynViewBorder m_border;
};
