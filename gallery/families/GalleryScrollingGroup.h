#pragma once

#include "GalleryFamily.h"

class TzynCheckListBox;
class TzynImagePanel;
class TzynListBox;
class TzynMemo;
class TzynScrollBar;
class TzynTrackBar;

// Scroll bars and track bars in both orientations, and the lists and editors that bind
// skinned scroll bars: a 200-item list box, a long memo with both bars, a check list and an
// edit. A line shows the positions of the free bars as they move.
class GalleryScrollingGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryScrollingGroup(QWidget *parent = nullptr);

public Q_SLOTS:
    void BarChange(QObject *Sender);

protected:
    void Loaded() override;

private:
    TzynImagePanel *m_label = nullptr;
    TzynScrollBar *m_hBar = nullptr;
    TzynScrollBar *m_vBar = nullptr;
    TzynTrackBar *m_hTrack = nullptr;
    TzynTrackBar *m_vTrack = nullptr;
};
