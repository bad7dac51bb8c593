#pragma once

#include "TColor.h"

#include <QWidget>

#include <functional>

class QFrame;

// The two border lines of a bordered view (an outer line and an inner line in the view's own
// colour, at the outer edge of the window), kept above everything inside the view. The view's
// viewport and scroll bars are child widgets painted after the view itself, so lines drawn by
// the view would vanish under them whenever BorderWidth leaves less than two pixels of band.
// This widget sits on top of them, masked to the two outer rings of pixels, and lets the mouse
// through.
class TzynBorderOverlay : public QWidget {
public:
    // Reads the outer and inner line colours at paint time.
    using LineColors = std::function<std::pair<TColor, TColor>()>;

    TzynBorderOverlay(QFrame *view, LineColors colors);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    QFrame *m_view;
    LineColors m_colors;
};
