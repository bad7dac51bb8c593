#pragma once

#include "TTreeNodes.h"

#include <QObject>

class QTreeWidgetItem;
class TTreeView;

// One entry of a tree view: text, icon indexes into the view's image list, expanded state,
// and its own children.
class TTreeNode : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(int SelectedIndex READ SelectedIndex WRITE setSelectedIndex)
    Q_PROPERTY(int StateIndex READ StateIndex WRITE setStateIndex)
    Q_PROPERTY(int OverlayIndex READ OverlayIndex WRITE setOverlayIndex)
    Q_PROPERTY(bool Expanded READ Expanded WRITE setExpanded STORED false)
    Q_PROPERTY(TTreeNodes *Items READ Items)
public:
    TTreeNode(TTreeView *view, QTreeWidgetItem *item);

    QString Text() const;
    void setText(const QString &text);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    int SelectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);
    int StateIndex() const { return m_stateIndex; }
    void setStateIndex(int index) { m_stateIndex = index; }
    int OverlayIndex() const { return m_overlayIndex; }
    void setOverlayIndex(int index) { m_overlayIndex = index; }
    bool Expanded() const;
    void setExpanded(bool expanded);
    TTreeNodes *Items() const { return m_children; }

    int Level() const;
    TTreeNode *Parent() const;
    int Count() const;
    QTreeWidgetItem *item() const { return m_item; }
    TTreeView *treeView() const { return m_view; }
    void updateIcon();

    static TTreeNode *fromItem(const QTreeWidgetItem *item);

private:
    TTreeView *m_view;
    QTreeWidgetItem *m_item;
    TTreeNodes *m_children;
    int m_imageIndex = -1;
    int m_selectedIndex = -1;
    int m_stateIndex = -1;
    int m_overlayIndex = -1;
};
