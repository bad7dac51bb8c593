#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractScrollArea;
class QScrollBar;
class QWidget;

// What a skinned scroll bar offers to be bound to a scroll view: the skinned scroll bar
// (TzynScrollBar) is a control of its own, placed on the view's parent, and implements this.
class TzynBindableScrollBar {
public:
    virtual ~TzynBindableScrollBar();

    // The bar as a control.
    virtual QWidget *BarWidget() = 0;
    virtual void setVertical(bool vertical) = 0;
    virtual void setMin(int value) = 0;
    virtual void setMax(int value) = 0;
    virtual int Position() const = 0;
    virtual void setPosition(int value) = 0;
    // The length of the thumb in pixels; 0 for the bar's own length.
    virtual void setLineButton(int length) = 0;
    virtual void setSliderVisible(bool visible) = 0;
    // The handler of the bar's OnChange, run whenever its position changes; empty for none.
    virtual void setOnChange(std::function<void()> handler) = 0;
    // The colour of the square where a vertical and a horizontal bar meet; invalid for the
    // bar's parent's own background.
    virtual QColor CornerColor() const { return QColor(); }
};

// The length in pixels of a Qt scroll bar's thumb as its style draws it: what a bound skinned
// bar takes as its LineButton.
int NativeThumbLength(QScrollBar *bar);

// Binds skinned scroll bars to a Qt scroll view (the coming list box, check list box and memo
// each hold one): the skinned bars stand over the view's own scroll bars and mirror them, and
// moving a skinned bar scrolls the view. The view's QScrollBar stays the source of truth.
//
// - Binding a bar makes it vertical or horizontal, gives it the binding's OnChange handler,
//   brings it to the front, takes its focus (the view keeps the keyboard), places and
//   synchronises it. Binding another bar (or none) releases the previous one: no handler,
//   LineButton 0, Max 100 with the position brought into 0..100, its slider and focus back,
//   enabled, and shown again if the binding hid it. A bar that is destroyed is simply forgotten.
// - Placing: over the view's right (bottom) edge inside the one-pixel frame, in the view's
//   parent's coordinates; after binding, after every move or resize of the view, and whenever a
//   bar changes its own thickness (a style gives it other pictures). Two shown bars meet at a
//   corner square of the vertical bar's width and the horizontal bar's height, which the
//   binding fills in the bars' colour, so that nothing of the view's own bars shows between.
// - Following the view: a hidden view hides its bars (and the corner); shown again, they are
//   shown as the synchronisation says.
// - Synchronising: after every change of the view's scroll range, position, scroll-bar
//   visibility or enabled state, the bar takes Min, Max (Qt's maximum, which already leaves
//   out the page), Position and the native thumb's length; while the native bar is hidden or
//   has nothing to scroll (or is disabled) the skinned one is disabled with LineButton 0 and either
//   hidden or shown without its slider.
// - A bar moved by the user sets the native position. Changes made by the synchronisation are
//   not sent back (no echo).
class TzynScrollBinding : public QObject {
    Q_OBJECT
public:
    // How the bars of one kind of view are placed and shown.
    struct Scheme {
        // What the bar's length leaves free at its far end when no bar of the other direction
        // is bound: 2 for the lists, 1 for the memo.
        int endInset = 2;
        // While there is nothing to scroll: true hides the bar (lists), false hides only its
        // slider (memo).
        bool hideWhenUnavailable = true;
        // The view's own scroll bars are shown exactly in the directions that have a bound bar
        // (memo); otherwise they are left as they are.
        bool nativeBarsFollowBinding = false;
    };

    static Scheme ListScheme() { return {}; }
    static Scheme MemoScheme() { return { 1, false, true }; }

    TzynScrollBinding(QAbstractScrollArea *view, Scheme scheme);
    ~TzynScrollBinding() override;

    TzynBindableScrollBar *VScrollBar() const { return bound(m_vertical); }
    void setVScrollBar(TzynBindableScrollBar *bar) { bind(m_vertical, bar); }
    TzynBindableScrollBar *HScrollBar() const { return bound(m_horizontal); }
    void setHScrollBar(TzynBindableScrollBar *bar) { bind(m_horizontal, bar); }

    // True while the bars are being brought into step with the view.
    bool Syncing() const { return m_syncing; }

    void Place();
    void Synchronise();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Side {
        bool vertical;
        TzynBindableScrollBar *bar = nullptr;
        QPointer<QWidget> widget;
        // What the bar had before the binding took its focus, and whether the binding has it
        // hidden: both given back on release.
        Qt::FocusPolicy focusPolicy = Qt::NoFocus;
        bool hiddenByBinding = false;
    };

    static TzynBindableScrollBar *bound(const Side &side);
    QScrollBar *native(const Side &side) const;
    void bind(Side &side, TzynBindableScrollBar *bar);
    void release(Side &side);
    void synchronise(Side &side);
    void barMoved(Side &side);
    void updateNativePolicies();
    // Places the bars and the corner without synchronising.
    void placeBars();
    void setBarVisible(Side &side, bool visible);
    // Whether the view counts as shown: a view hidden on its own hides its bars.
    bool viewShown() const;
    QWidget *shownBar(const Side &side) const;

    QAbstractScrollArea *m_view;
    Scheme m_scheme;
    Side m_vertical { true, nullptr, {} };
    Side m_horizontal { false, nullptr, {} };
    bool m_syncing = false;
    bool m_viewGoing = false;
    bool m_placing = false;
    // The square where two bars meet; made when first needed, on the bars' parent.
    QPointer<QWidget> m_corner;
};
