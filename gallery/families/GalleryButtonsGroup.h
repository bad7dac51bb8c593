#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;

// The push button family: glyph buttons in the four layouts, image buttons, a button that
// keeps its own look, check boxes, radio buttons, a default and a cancel button, and a button
// that repeats while it is held down, with a counter.
class GalleryButtonsGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryButtonsGroup(QWidget *parent = nullptr);

    int RepeatCount() const { return m_repeats; }

public Q_SLOTS:
    void RepeatButtonRepeat(QObject *Sender);
    void RepeatResetClick(QObject *Sender);
    void DialogButtonClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    void showRepeats();

    TzynImagePanel *m_repeatLabel = nullptr;
    TzynImagePanel *m_dialogLabel = nullptr;
    int m_repeats = 0;
};
