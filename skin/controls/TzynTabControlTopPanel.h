#pragma once

#include "TCustomPanel.h"
#include "ZYNThemes.h"

#include <QFontMetrics>
#include <QList>
#include <QStringList>

#include <array>

class TzynTab;

// The tab strip along the top of a TzynTab: the tabs drawn from the style's active and
// inactive three-slice pictures over the tab-line picture, and the click that selects a tab.
// Holds at most MaxTabs tabs; only the first ClickableTabs have a recorded width and can be
// clicked. When the tabs do not fit, two small arrow buttons at the strip's right end scroll
// the row a tab at a time, so that every tab can be reached by mouse.
class TzynTabControlTopPanel : public TCustomPanel {
    Q_OBJECT
public:
    static constexpr int MaxTabs = 64;
    static constexpr int ClickableTabs = 63;

    explicit TzynTabControlTopPanel(TzynTab *owner);

    TzynTab *Owner() const { return m_owner; }

    QStringList Tabs() const { return m_tabs; }
    // Lines beyond MaxTabs are left out.
    void setTabs(const QStringList &tabs);
    int LeftMargin() const { return m_leftMargin; }
    void setLeftMargin(int margin);
    int TabIndex() const { return m_tabIndex; }
    // Selects a tab: -1 up to the last index selects (asking OnChanging first when a click
    // made the change) and runs the owner's tab activation; anything else only repaints.
    void setTabIndex(int index, bool byClick = false);
    TzynUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TzynUIStyle style);
    bool TabVisible(int index) const;
    void setTabVisible(int index, bool visible);

    // The height of the tabs (the active picture's); the tab line lies below it.
    int StripHeight() const;

    // Whether the tabs are wider than the strip, so that the arrows show.
    bool TabsOverflow() const;
    // The first tab drawn at the left margin (0 unless the row is scrolled).
    int FirstTab() const;
    // Scrolls the row by a number of visible tabs (negative: towards the first), within what
    // the arrows allow: never past the point where the last tab is in full view.
    void ScrollTabs(int steps);
    // The arrow buttons' boxes (0: towards the first tab, 1: towards the last); empty while the
    // tabs fit.
    QRect ScrollArrowRect(int which) const;
    // The width of each tab as the last paint or click measured it, -1 where none was.
    int TabWidth(int index) const;
    // The tab under the pointer, drawn with the style's hover picture while not selected; -1
    // for none.
    int HotTab() const { return m_hotTab; }

    // The width of every tab: caption width + 20, 80 for an empty caption, at least 15, and 0
    // for a hidden one. Paint and hit-test both measure with it.
    static QList<int> TabWidths(
        const QStringList &tabs, const QList<bool> &visible, const QFontMetrics &metrics);
    // The next shown tab from the selected one, forward or back, round past the ends; -1
    // without a shown tab.
    int NeighbourTab(bool forward) const;
    // Selects the tab as a click would (asking OnChanging first); false when it was refused
    // or the tab is not there.
    bool SelectTab(int index);

    // The tab under a point, strictly inside its box; -1 for none.
    static int TabAt(
        const QPoint &point, int leftMargin, const QList<int> &widths, int stripHeight);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The tab row takes the focus: Left and Right (and Home and End) move between the tabs.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // The tabs' widths as drawn (every tab, hidden ones 0).
    QList<int> drawnWidths() const;
    // Where the tabs end on the right: before the arrows when they show.
    int tabsRight() const;
    // The smallest FirstTab that still leaves the last tab in full view.
    int lastFirstTab(const QList<int> &widths) const;
    void setFirstTab(int first);
    // Scrolls so that the tab at index is in full view.
    void bringIntoView(int index);
    void drawArrow(QPainter &canvas, int which) const;
    // The tab a press or the pointer at that point would reach, -1 for none.
    int tabUnder(const QPoint &at) const;
    QList<bool> visibility() const;
    // The widths of the tabs a click can reach, as the paint lays them out.
    QList<int> clickableWidths() const;
    QImage picture(TzynThemeEntry entry) const;

    TzynTab *m_owner;
    QStringList m_tabs;
    int m_leftMargin = 10;
    int m_tabIndex = 0;
    int m_hotTab = -1;
    TzynUIStyle m_style = TzynUIStyle::DeepBlue;
    std::array<bool, MaxTabs> m_visible;
    int m_firstTab = 0;
};
