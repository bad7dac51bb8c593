#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;
class TzynProgressBar;
class TzynTabControl;

// The tab control, whose tabs each show controls of their own, a page control whose pages hold a
// check group, combo boxes and progress bars, and a side channel docked to the family's right
// edge; a line names the last tab or page chosen.
class GalleryTabsGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryTabsGroup(QWidget *parent = nullptr);

public Q_SLOTS:
    void TabsChange(QObject *Sender);
    void PagesChange(QObject *Sender);
    void StepClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    // Shows the controls of the tab control's tab at that index, hides the others'.
    void showTabContents(int index);

    TzynImagePanel *m_label = nullptr;
    TzynProgressBar *m_bar = nullptr;
    TzynProgressBar *m_upright = nullptr;
    TzynTabControl *m_tabs = nullptr;
};
