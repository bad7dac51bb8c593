#pragma once

#include "TColor.h"

#include <QWidget>

#include <functional>

// The two border lines of a bordered view (an outer line and an inner line in the view's own
// colour, at the outer edge of the window), kept above everything inside the view. The view's
// viewport and scroll bars are child widgets painted after the view itself, so lines drawn by
// the view would vanish under them whenever BorderWidth leaves less than two pixels of band.
// This widget sits on top of them, masked to the two outer rings of pixels, and lets the mouse
// through. With one ring it is the single edge line of a container (the side channel's).
class TzynBorderOverlay : public QWidget {
public:
    // Reads the outer and inner line colours at paint time.
    using LineColors = std::function<std::pair<TColor, TColor>()>;

    // rings: 2 (outer and inner line) or 1 (the outer line only).
    TzynBorderOverlay(QWidget *view, LineColors colors, int rings = 2);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    QWidget *m_view;
    LineColors m_colors;
    int m_rings;
};
