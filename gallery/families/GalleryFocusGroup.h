#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;
class TzynListBox;

// Focus, default and hover looks to try: an edit, a check box, radio buttons and three push
// buttons (the default, the cancel and an ordinary one) in tab order; a line says which button
// was clicked and how.
class GalleryFocusGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryFocusGroup(QWidget *parent = nullptr);

    QString LastClick() const;

public Q_SLOTS:
    void FocusButtonClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    TzynImagePanel *m_label = nullptr;
    // Every report so far, the latest first.
    TzynListBox *m_log = nullptr;
};
