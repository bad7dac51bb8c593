#pragma once

#include <QObject>

class QTreeWidgetItem;
class TTreeNode;
class TTreeView;

// The entries under one parent (or the whole tree, for the view's own collection). add()
// appends an entry; the tree-wide collection counts and indexes every entry depth-first.
class TTreeNodes : public QObject {
    Q_OBJECT
public:
    // parentItem null: the top level of the view.
    TTreeNodes(TTreeView *view, QTreeWidgetItem *parentItem, QObject *owner);

    Q_INVOKABLE QObject *add();
    TTreeNode *Add(const QString &text);

    // Entries of the whole subtree, depth-first (each entry followed by its children).
    int Count() const;
    TTreeNode *Item(int absoluteIndex) const;

private:
    QTreeWidgetItem *rootItem() const;

    TTreeView *m_view;
    QTreeWidgetItem *m_parentItem;
};
