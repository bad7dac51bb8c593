#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;
class TzynRadioButton;
class TzynListView;
class TzynTreeView;

// The tree view and the list view with their flat border, the list view shown as a list or as
// icons, and a line that names the entry last clicked.
class GalleryViewsGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryViewsGroup(QWidget *parent = nullptr);

public Q_SLOTS:
    void TreeClick(QObject *Sender);
    void ListClick(QObject *Sender);
    void ListModeClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    TzynTreeView *m_tree = nullptr;
    TzynListView *m_list = nullptr;
    TzynImagePanel *m_label = nullptr;
    TzynRadioButton *m_iconMode = nullptr;
};
