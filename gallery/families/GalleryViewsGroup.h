#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;
class TzynListView;
class TzynTreeView;

// The tree view and the list view with their flat border, and a line that names the entry
// last clicked.
class GalleryViewsGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryViewsGroup(QWidget *parent = nullptr);

public Q_SLOTS:
    void TreeClick(QObject *Sender);
    void ListClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    TzynTreeView *m_tree = nullptr;
    TzynListView *m_list = nullptr;
    TzynImagePanel *m_label = nullptr;
};
