#pragma once

#include "TControlBase.h"

#include "TImageList.h"
#include "TTreeNode.h"
#include "TTreeNodes.h"

#include <QTreeWidget>

#include <algorithm>

class QTimer;

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
    Q_PROPERTY(bool ShowButtons READ ShowButtons WRITE setShowButtons)
    Q_PROPERTY(int ChangeDelay READ ChangeDelay WRITE setChangeDelay)
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE setHideSelection)
    Q_PROPERTY(bool HotTrack READ HotTrack WRITE setHotTrack)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE setMultiSelect)
    Q_PROPERTY(bool RightClickSelect READ RightClickSelect WRITE setRightClickSelect)
    Q_PROPERTY(bool RowSelect READ RowSelect WRITE setRowSelect)
    Q_PROPERTY(TSortType SortType READ SortType WRITE setSortType)
    Q_PROPERTY(TImageList *StateImages READ StateImages WRITE setStateImages)
    Q_PROPERTY(bool ToolTips READ ToolTips WRITE setToolTips)
public:
    enum TSortType { stNone, stData, stText, stBoth };
    Q_ENUM(TSortType)

    explicit TTreeView(QWidget *parent = nullptr);

    TTreeNodes *Items() const { return m_items; }
    TImageList *Images() const { return m_images; }
    void setImages(TImageList *images);
    bool AutoExpand() const { return m_autoExpand; }
    void setAutoExpand(bool value) { m_autoExpand = value; }
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool value);
    int Indent() const { return indentation(); }
    void setIndent(int value)
    {
        if (value != indentation())
            setIndentation(value);
    }
    Fw::TBorderStyle BorderStyle() const { return m_borderStyle; }
    virtual void setBorderStyle(Fw::TBorderStyle style);
    bool ShowLines() const { return m_showLines; }
    void setShowLines(bool value) { m_showLines = value; }
    bool ShowRoot() const { return rootIsDecorated(); }
    void setShowRoot(bool value) { setRootIsDecorated(value); }
    // Without buttons the expand marks are not drawn; entries still open by double-click.
    bool ShowButtons() const { return m_showButtons; }
    void setShowButtons(bool value);
    // Milliseconds between a change of selection and OnChange; 0 raises it at once.
    int ChangeDelay() const { return m_changeDelay; }
    void setChangeDelay(int value) { m_changeDelay = std::max(0, value); }
    // Whether the selected entry loses its highlight while the tree has no focus.
    bool HideSelection() const { return m_hideSelection; }
    void setHideSelection(bool value);
    // The entry under the pointer is drawn underlined in the highlight colour.
    bool HotTrack() const { return m_hotTrack; }
    void setHotTrack(bool value);
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
    void setMultiSelect(bool value);
    // Whether a right press selects the entry under it.
    bool RightClickSelect() const { return m_rightClickSelect; }
    void setRightClickSelect(bool value) { m_rightClickSelect = value; }
    // A one-column tree highlights its whole row either way; the flag is kept for layouts.
    bool RowSelect() const { return m_rowSelect; }
    void setRowSelect(bool value) { m_rowSelect = value; }
    TSortType SortType() const { return m_sortType; }
    void setSortType(TSortType type);
    TImageList *StateImages() const { return m_stateImages; }
    void setStateImages(TImageList *images) { m_stateImages = images; }
    // Whether an entry whose text is cut off shows the whole text as a tool tip.
    bool ToolTips() const { return m_toolTips; }
    void setToolTips(bool value) { m_toolTips = value; }

    // The selected entry, or null; not the current (focus) entry.
    TTreeNode *Selected() const;
    void refreshIcons();

    // Raises OnGetImageIndex for a node whose icon is about to be chosen.
    void raiseGetImageIndex(TTreeNode *node);

Q_SIGNALS:
    void OnClick(QObject *Sender);
    void OnDblClick(QObject *Sender);
    void OnChange(QObject *Sender, TTreeNode *Node);
    void OnExpanded(QObject *Sender, TTreeNode *Node);
    void OnCollapsed(QObject *Sender, TTreeNode *Node);
    void OnGetImageIndex(QObject *Sender, TTreeNode *Node);
    T_CONTROL_EVENTS

protected:
    void colorChanged() override;
    void fontChanged() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void drawBranches(
        QPainter *painter, const QRect &rect, const QModelIndex &index) const override;

private:
    void selectionMoved(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void raiseChange();
    void setHotItem(QTreeWidgetItem *item);
    void updateSelectionColors();

    TTreeNodes *m_items;
    TImageList *m_images = nullptr;
    bool m_autoExpand = false;
    bool m_readOnly = false;
    bool m_showLines = true;
    bool m_leftPressed = false;
    QTreeWidgetItem *m_lastSelected = nullptr;
    Fw::TBorderStyle m_borderStyle = Fw::bsSingle;
    bool m_showButtons = true;
    int m_changeDelay = 0;
    bool m_hideSelection = true;
    bool m_hotTrack = false;
    bool m_rightClickSelect = false;
    bool m_rowSelect = false;
    TSortType m_sortType = stNone;
    TImageList *m_stateImages = nullptr;
    bool m_toolTips = true;
    QTreeWidgetItem *m_hotItem = nullptr;
    QTimer *m_changeTimer = nullptr;
    bool m_gettingImageIndex = false;
};
