#pragma once

#include "TColor.h"

#include <functional>

class QEvent;
class QFrame;
class TzynBorderOverlay;

// The flat two-pixel border of a bordered scroll view (tree view, list view, and the lists
// and memos to come), held by the view as a part: BorderWidth pixels of band all round inside
// which the scroll area places its viewport and scroll bars, the band filled in the view's own
// colour, and the two outer lines (BorderColor outside, the view's colour inside) kept above
// viewport and scroll bars by a TzynBorderOverlay. The view publishes BorderColor,
// BorderWidth and BorderStyle and forwards them here.
class TzynViewBorder {
public:
    // viewColor gives the view's own colour at paint time.
    TzynViewBorder(QFrame *view, std::function<TColor()> viewColor);

    TColor color() const { return m_color; }
    // Repaints the view and the lines when the colour changes.
    void setColor(TColor color);
    int width() const { return m_width; }
    // Negative widths count as 0.
    void setWidth(int width);
    // Lays the band out again; the skinned border replaces the platform's edge in every
    // border style, so a change of BorderStyle calls this.
    void reapply();
    // Call first from the view's event(): takes the view's own paint event (not the
    // viewport's) and paints the band and the corner between two scroll bars. The band covers
    // the platform's frame in full, so that frame is not painted at all: stroking it cost more
    // than the rest of the view's frame on a high-density screen.
    bool paintView(QEvent *event);

private:
    QFrame *m_view;
    std::function<TColor()> m_viewColor;
    TColor m_color = Colors::clBlack;
    int m_width = 0;
    TzynBorderOverlay *m_overlay;
};
