#pragma once

#include "TStrings.h"
#include "TzynCustomGroupBox.h"

#include <QList>
#include <QStringList>

class TzynCheckBox;

// A group box holding one skinned check box per line of Items, laid out in Columns columns
// (each filled top to bottom before the next). The boxes follow the group's style, font,
// colour and transparency; a click on any box, or on the group, raises the group's OnClick.
// Items is the group's own list: an edit of it (Add, Insert, Delete, Move, ...) creates,
// destroys or moves the one box it concerns, so every other box keeps its mark; replacing
// every line keeps the boxes in their places and gives them the new captions.
class TzynCheckGroup : public TzynStyled<TzynCustomGroupBox> {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TStrings *Items READ Items)
    Q_PROPERTY(int Columns READ Columns WRITE setColumns)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE setTopMargin)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
public:
    explicit TzynCheckGroup(QWidget *parent = nullptr);

    TStrings *Items() const { return m_itemList; }
    // Copies the lines into Items.
    void setItems(const QStringList &items) { m_itemList->setLines(items); }
    int Columns() const { return m_columns; }
    // Values below 1 are ignored.
    void setColumns(int columns);
    int TopMargin() const { return m_topMargin; }
    // Negative values are ignored.
    void setTopMargin(int margin);
    TColor FontColor() const;
    void setFontColor(TColor color);
    void setTransparent(bool value) override;

    // The check boxes, in Items order.
    const QList<TzynCheckBox *> &ItemControls() const { return m_boxes; }
    TzynCheckBox *Item(int index) const { return m_boxes.value(index); }

    // Where box i of count goes in a group of that size: columns filled top to bottom, the
    // rows spread over the items rectangle below TopMargin.
    static QPoint ItemPosition(
        int index, int count, int columns, int groupWidth, const QRect &itemsRect, int topMargin);

    // The check group takes its own colours instead of pushing the style to its boxes' rows.
    void UpdateChildrenUIStyle(TzynUIStyle style) override;

protected:
    void ApplyUIStyle(TzynUIStyle style) override;
    // Runs before the group's OnClick for a click on a box or on the group.
    virtual void ItemClickHook() { }
    // Creates one check box owned by the group.
    virtual TzynCheckBox *CreateItem();

    void Click() override;
    void fontChanged() override;
    void resizeEvent(QResizeEvent *event) override;
    void boundsChanged() override;

private:
    TStrings::Store itemStore();
    TzynCheckBox *createBox();
    int insertItems(int index, const QStringList &lines);
    void removeItems(int index, int count);
    void synchronise();
    void layOut();
    void itemClicked();
    void applyColors(TzynUIStyle style);

    QStringList m_items;
    TStrings *m_itemList;
    QList<TzynCheckBox *> m_boxes;
    int m_columns = 1;
    int m_topMargin = 8;
};
