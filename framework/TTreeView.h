#pragma once

#include "TControlBase.h"

#include "TImageList.h"
#include "TTreeNode.h"
#include "TTreeNodes.h"

#include <QTreeWidget>

// A tree of entries with icons from an image list. OnClick is raised for a left click in the
// tree, after the click has selected; a right press does not select. With AutoExpand the
// entry being selected expands and the one being left collapses.
class TTreeView : public TControlBase<QTreeWidget> {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    Q_PROPERTY(TTreeNodes *Items READ Items)
    Q_PROPERTY(TImageList *Images READ Images WRITE setImages)
    Q_PROPERTY(bool AutoExpand READ AutoExpand WRITE setAutoExpand)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(int Indent READ Indent WRITE setIndent)
    Q_PROPERTY(Fw::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool ShowLines READ ShowLines WRITE setShowLines)
    Q_PROPERTY(bool ShowRoot READ ShowRoot WRITE setShowRoot)
public:
    explicit TTreeView(QWidget *parent = nullptr);

    TTreeNodes *Items() const { return m_items; }
    TImageList *Images() const { return m_images; }
    void setImages(TImageList *images);
    bool AutoExpand() const { return m_autoExpand; }
    void setAutoExpand(bool value) { m_autoExpand = value; }
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool value);
    int Indent() const { return indentation(); }
    void setIndent(int value) { setIndentation(value); }
    Fw::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Fw::TBorderStyle style);
    bool ShowLines() const { return m_showLines; }
    void setShowLines(bool value) { m_showLines = value; }
    bool ShowRoot() const { return rootIsDecorated(); }
    void setShowRoot(bool value) { setRootIsDecorated(value); }

    // The selected entry, or null; not the current (focus) entry.
    TTreeNode *Selected() const;
    void refreshIcons();

Q_SIGNALS:
    void OnClick(QObject *Sender);

protected:
    void colorChanged() override;
    void fontChanged() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void selectionMoved(QTreeWidgetItem *current, QTreeWidgetItem *previous);

    TTreeNodes *m_items;
    TImageList *m_images = nullptr;
    bool m_autoExpand = false;
    bool m_readOnly = false;
    bool m_showLines = true;
    bool m_leftPressed = false;
    QTreeWidgetItem *m_lastSelected = nullptr;
    Fw::TBorderStyle m_borderStyle = Fw::bsSingle;
};
