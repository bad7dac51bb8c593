#pragma once

#include "TTreeView.h"

// The skin library's tree view.
class TzynTreeView : public TTreeView {
    Q_OBJECT
public:
    explicit TzynTreeView(QWidget *parent = nullptr);
};
