#pragma once

#include "TzynTrackBar.h"

// The track of a skinned scroll bar: a track bar with no behaviour of its own, whose slider is
// the scroll bar's thumb. It takes no focus: the scroll bar does.
class TzynScrollTrackBar : public TzynTrackBar {
    Q_OBJECT
public:
    explicit TzynScrollTrackBar(QWidget *parent = nullptr);
};
