#pragma once

#include "FrameworkTypes.h"
#include "TColor.h"

#include <QPointer>
#include <QRect>
#include <QString>

class QEvent;
class QMenu;
class QWidget;
class TConstraints;
class TFont;

// The state and rules that every control of the framework shares, whatever Qt widget it is
// built on: alignment, anchors against the parent's design size, colour and font with their
// parent-following flags, cursor, tab order and size limits. TControlBase<> mixes it into a
// widget class; the parent's alignment pass finds it with dynamic_cast.
class TControlCore {
public:
    explicit TControlCore(QWidget *self);
    virtual ~TControlCore();

    QWidget *widget() const { return m_self; }

    // Alignment and anchors. Anchor rules are the control's bounds together with the parent's
    // client size at the moment they were recorded; the control's bounds are recomputed from
    // them (never incrementally) whenever the parent's size changes.
    Fw::TAlign align() const { return m_align; }
    void setAlign(Fw::TAlign align);
    // Where the control stands among its parent's children of the same alignment: a lower
    // order comes first whatever the stacking (raise, lower); equal ones keep their order
    // among the children. 0 unless set.
    int alignOrder() const { return m_alignOrder; }
    void setAlignOrder(int order);
    Fw::TAnchors anchors() const { return m_anchors; }
    void setAnchors(Fw::TAnchors anchors);
    void setBoundsRect(const QRect &bounds);
    // The rectangle of bounds as a layout or a program gives them. Qt places and sizes
    // widgets within 16777215 pixels; values beyond are brought to that range, so that no
    // right or bottom edge (left + width) overflows an int.
    static QRect boundsRect(int left, int top, int width, int height);
    void updateAnchorRules();

    TColor color() const { return m_color; }
    void setColorValue(TColor color);
    bool parentColor() const { return m_parentColor; }
    void setParentColorValue(bool value);

    TFont *fontObject() const { return m_font; }
    bool parentFont() const { return m_parentFont; }
    void setParentFontValue(bool value);

    Fw::TCursor cursorKind() const { return m_cursor; }
    void setCursorValue(Fw::TCursor cursor);

    int tabOrder() const { return m_tabOrder; }
    void setTabOrderValue(int order);

    TConstraints *constraints() const { return m_constraints; }

    QString caption() const { return m_caption; }
    void setCaptionValue(const QString &caption);

    // Reading order. Following the parent (the default) leaves Qt's layout direction to be
    // inherited; an own mode sets it (right-to-left for the three right-to-left modes).
    Fw::TBiDiMode biDiMode() const;
    void setBiDiModeValue(Fw::TBiDiMode mode);
    bool parentBiDiMode() const { return m_parentBiDiMode; }
    void setParentBiDiModeValue(bool value);

    // Whether the control's Hint is shown as a tool tip: its own flag, or its parent's while
    // ParentShowHint is on. A top-level control without a framework parent uses its own flag.
    bool showHint() const;
    void setShowHintValue(bool value);
    bool parentShowHint() const { return m_parentShowHint; }
    void setParentShowHintValue(bool value);

    // The menu shown when the control is right-clicked, or null.
    QMenu *popupMenu() const;
    void setPopupMenuValue(QMenu *menu);

    // Raises the published events that the control's class declares (OnMouseDown, OnKeyDown,
    // OnEnter, ...) for an input event on its way to the control; `offset` maps positions of a
    // child (a scroll area's viewport) into the control. True when a handler consumed it. An
    // event declared with other parameters than T_CONTROL_EVENTS gives it is never raised; the
    // first attempt warns.
    bool raiseInputEvent(QEvent *event, const QPoint &offset = QPoint());

    // Lays out the direct children of a parent: aligned children first (top, bottom, left,
    // right, client, each group by alignOrder, then in child order), then anchored ones.
    static void realignChildren(QWidget *parent);
    // Rebuilds the Tab-key chain among a parent's children from their TabOrder values.
    static void updateTabChain(QWidget *parent);
    // Lays the Tab-key chain of everything inside root (root first): each parent's children
    // in tabOrderedChildren order, each followed by its own children. A widget whose focus
    // goes to a part of its own (a focus proxy) moves with its parts.
    static void applyTabOrder(QWidget *root);
    // A parent's child widgets in Tab order: in creation order, except that each control
    // with a TabOrder of its own takes that place among them (lowest first; a place beyond
    // the end is the end).
    static QList<QWidget *> tabOrderedChildren(const QWidget *parent);
    // The core of a widget, or null for a plain Qt widget.
    static TControlCore *of(QWidget *widget);
    static Qt::CursorShape cursorShape(Fw::TCursor cursor);

protected:
    // Hooks for subclasses; each runs after the value is stored.
    virtual void colorChanged() { }
    virtual void fontChanged() { }
    virtual void captionChanged() { }
    virtual void boundsChanged() { }
    // The class's own rule on a new size, asked after OnCanResize has allowed it (and perhaps
    // changed it): false refuses, and the bounds stay.
    virtual bool canResize(int &width, int &height)
    {
        Q_UNUSED(width);
        Q_UNUSED(height);
        return true;
    }

    // To be called from the widget's event(): follows the parent for colour and font and
    // keeps the parent's alignment pass attached.
    void handleParentChange();
    // To be called from the widget's event(): an aligned control that changes size, or is
    // shown or hidden, however that happened (a setter, QWidget::resize, setVisible), has its
    // siblings laid out again, as the space it takes has changed.
    void handleGeometryEvent(QEvent *event);

private:
    friend class TAlignFilter;
    void applyParentColor();
    void applyParentFont();
    void notifyChildren(bool colorOnly);
    void applyAnchorRules(const QSize &parentSize);
    void fontObjectChanged();
    // Asks OnCanResize and OnConstrainedResize about a new size; returns the size to take.
    QSize negotiateSize(const QSize &wanted);
    static void realignChildrenOnce(QWidget *parent);
    // Lays out the siblings again when this control is aligned.
    void realignSiblings();

    QWidget *m_self;
    Fw::TAlign m_align = Fw::alNone;
    int m_alignOrder = 0;
    Fw::TAnchors m_anchors = Fw::akLeft | Fw::akTop;
    QRect m_anchorOrigin;
    // Where the rules last left the control; a different geometry was set from outside.
    QRect m_anchorPlaced;
    QSize m_anchorParentSize;
    bool m_anchorRulesValid = false;
    TColor m_color = Colors::clBtnFace;
    bool m_parentColor = false;
    TFont *m_font;
    bool m_parentFont = false;
    bool m_applyingParentFont = false;
    Fw::TCursor m_cursor = Fw::crDefault;
    int m_tabOrder = -1;
    TConstraints *m_constraints;
    QString m_caption;
    Fw::TBiDiMode m_biDiMode = Fw::bdLeftToRight;
    bool m_parentBiDiMode = true;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    QPointer<QObject> m_popupMenu;
};
