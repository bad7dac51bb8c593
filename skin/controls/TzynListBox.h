#pragma once

#include "TzynCustomListBox.h"
#include "TzynSkinned.h"
#include "ZYNLooks.h"

// The skinned list box: a standard list with the flat two-pixel border (BorderColor outside,
// the list's colour inside) and, when VScrollBar names a skinned scroll bar on the same
// parent, that bar standing over the list's right edge and mirroring the list's own one.
// It has no style of its own: a style push gives it the theme's border colour.
class TzynListBox : public TzynSkinned<TzynCustomListBox>, public TzynBorderColored {
    Q_OBJECT
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Fw::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
public:
    explicit TzynListBox(QWidget *parent = nullptr);

    TColor BorderColor() const override { return border().color(); }
    void setBorderColor(TColor color) override { border().setColor(color); }
    // Selected rows wear the style's highlight, the one its menus use.
    void StyleHighlight(TzynUIStyle style) override { ApplyStyleHighlight(this, style); }
    int BorderWidth() const { return border().width(); }
    void setBorderWidth(int width) { border().setWidth(width); }
    Fw::TBorderStyle BorderStyle() const { return m_borderStyle; }
    // The skinned border replaces the platform's edge in every border style.
    void setBorderStyle(Fw::TBorderStyle style);

private:
    Fw::TBorderStyle m_borderStyle = Fw::bsNone;
};
