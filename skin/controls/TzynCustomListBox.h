#pragma once

#include "TControlBase.h"
#include "TStrings.h"
#include "TzynScrollBar.h"
#include "TzynScrollBinding.h"
#include "TzynViewBorder.h"

#include <QListWidget>

// What the skinned list box and check list box share: a Qt list with the standard list box
// properties, the flat border of a bordered view, and a skinned vertical scroll bar bound by
// the list scheme (placed over the right edge, hidden while there is nothing to scroll).
// Qt's list scrolls per item, so the bound bar's positions are item indexes. Edits of Items
// change the rows in place: marks, the current row, the selection and the rows in view stay
// with their items.
class TzynCustomListBox : public TControlBase<QListWidget> {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    Q_PROPERTY(TStrings *Items READ Items)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)
    Q_PROPERTY(int Columns READ Columns WRITE setColumns)
    Q_PROPERTY(bool MultiSelect READ MultiSelect WRITE setMultiSelect)
    Q_PROPERTY(bool ExtendedSelect READ ExtendedSelect WRITE setExtendedSelect)
    Q_PROPERTY(bool IntegralHeight READ IntegralHeight WRITE setIntegralHeight)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE setTabWidth)
    Q_PROPERTY(TzynScrollBar *VScrollBar READ VScrollBar WRITE setVScrollBar)
public:
    explicit TzynCustomListBox(QWidget *parent = nullptr);

    TStrings *Items() const { return m_items; }
    int ItemIndex() const { return currentRow(); }
    void setItemIndex(int index);
    // The height of a row as the list lays it out; a value set is kept but rows keep the
    // font's height, as in the standard list box that draws its own items.
    int ItemHeight() const;
    void setItemHeight(int height);
    int Columns() const { return m_columns; }
    // 0 is one column scrolled vertically; more lays the items out in columns side by side.
    void setColumns(int columns);
    bool MultiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool value);
    bool ExtendedSelect() const { return m_extendedSelect; }
    void setExtendedSelect(bool value);
    bool IntegralHeight() const { return m_integralHeight; }
    void setIntegralHeight(bool value) { m_integralHeight = value; }
    bool Sorted() const { return m_sorted; }
    void setSorted(bool value);
    int TabWidth() const { return m_tabWidth; }
    void setTabWidth(int value) { m_tabWidth = value; }

    // The skinned scroll bar that mirrors the list's own vertical bar; not owned, and empty
    // again when that bar is destroyed.
    TzynScrollBar *VScrollBar() const;
    void setVScrollBar(TzynScrollBar *bar);
    TzynScrollBinding *Binding() const { return m_binding; }

Q_SIGNALS:
    void OnClick(QObject *Sender);
    void OnDblClick(QObject *Sender);
    T_CONTROL_EVENTS

protected:
    TzynViewBorder &border() { return m_border; }
    const TzynViewBorder &border() const { return m_border; }

    bool event(QEvent *event) override;
    void colorChanged() override;
    void fontChanged() override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void applySelectionMode();
    TStrings::Store itemStore();
    int insertItemTexts(int index, const QStringList &texts);
    void removeItemRows(int index, int count);
    void moveItemRow(int from, int to);
    // Keeps the top row in view through edits elsewhere; fallback is the row to show when the
    // top row itself goes (-1: none).
    void keepTopRow(int fallback = -1);
    void setItemTexts(const QStringList &texts);

    TzynViewBorder m_border;
    TStrings *m_items;
    TzynScrollBinding *m_binding;
    QPersistentModelIndex m_topItem;
    int m_topFallback = -1;
    bool m_topKept = false;
    int m_itemHeight = 0;
    int m_columns = 0;
    int m_tabWidth = 0;
    bool m_multiSelect = false;
    bool m_extendedSelect = true;
    bool m_integralHeight = false;
    bool m_sorted = false;
};
