#pragma once

#include "TzynTabControlTopPanel.h"

// The tab strip of a page control: one tab per page, captioned with the page's caption.
class TzynPageControlTopPanel : public TzynTabControlTopPanel {
    Q_OBJECT
public:
    explicit TzynPageControlTopPanel(TzynTab *owner);
};
