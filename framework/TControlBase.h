#pragma once

#include "TConstraints.h"
#include "TControlCore.h"
#include "TFont.h"

#include <QEvent>
#include <QMenu>
#include <QWidget>

// Gives a Qt widget class the published properties of a framework control. Use it as the base
// of a Q_OBJECT class and put T_CONTROL_PROPERTIES (and T_CAPTION_PROPERTY where the control
// has a caption) in the class body, so that moc publishes them under their layout names.
//
// Each property is published once, here. The few accessors that a control gives a meaning of
// its own (a frame whose caption and font are its title bar's and whose size is its window's,
// a group box whose caption is its own text, a side channel that docks only left or right) are
// virtual, so that a write through the layout, through a base pointer or through the class itself
// takes the same path. Enabled and Visible are Qt's own setters: a control that reacts to them
// does so in changeEvent() (EnabledChange) or on show and hide events, which every path reaches,
// a QWidget pointer and a connected slot included.
template <class Base> class TControlBase : public Base, public TControlCore {
public:
    explicit TControlBase(QWidget *parent = nullptr)
        : Base(parent)
        , TControlCore(this)
    {
        handleParentChange();
    }

    using Base::setCursor;
    using Base::setFont;

    int Left() const { return this->x(); }
    void setLeft(int v) { setBounds(v, Top(), this->width(), this->height()); }
    int Top() const { return this->y(); }
    void setTop(int v) { setBounds(Left(), v, this->width(), this->height()); }
    // A control whose published width is not its present one (a side channel's full width)
    // answers its own; moving or resizing the other way keeps the present width.
    virtual int Width() const { return this->width(); }
    virtual void setWidth(int v) { setBounds(Left(), Top(), v, this->height()); }
    int Height() const { return this->height(); }
    virtual void setHeight(int v) { setBounds(Left(), Top(), this->width(), v); }
    virtual void setBounds(int left, int top, int width, int height)
    {
        setBoundsRect(boundsRect(left, top, width, height));
    }

    Fw::TAlign Align() const { return align(); }
    virtual void setAlign(Fw::TAlign v) { TControlCore::setAlign(v); }
    Fw::TAnchors Anchors() const { return anchors(); }
    void setAnchors(Fw::TAnchors v) { TControlCore::setAnchors(v); }

    TColor Color() const { return color(); }
    void setColor(TColor v) { setColorValue(v); }
    bool ParentColor() const { return parentColor(); }
    void setParentColor(bool v) { setParentColorValue(v); }

    virtual TFont *Font() const { return fontObject(); }
    virtual void setFont(TFont *v) { fontObject()->assign(v); }
    bool ParentFont() const { return parentFont(); }
    void setParentFont(bool v) { setParentFontValue(v); }

    Fw::TCursor Cursor() const { return cursorKind(); }
    void setCursor(Fw::TCursor v) { setCursorValue(v); }
    int TabOrder() const { return tabOrder(); }
    void setTabOrder(int v) { setTabOrderValue(v); }
    bool TabStop() const { return this->focusPolicy() & Qt::TabFocus; }
    void setTabStop(bool v) { this->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus); }
    bool Visible() const { return !this->isHidden(); }
    bool Enabled() const { return this->isEnabled(); }
    QString Hint() const { return this->toolTip(); }
    // The hint is also what a screen reader names a control without a caption by (Qt's own
    // editors and lists read their accessible name); a name given otherwise is kept.
    void setHint(const QString &v)
    {
        if (this->accessibleName().isEmpty() || this->accessibleName() == this->toolTip())
            this->setAccessibleName(v);
        this->setToolTip(v);
    }
    TConstraints *Constraints() const { return constraints(); }

    virtual QString Caption() const { return caption(); }
    virtual void setCaption(const QString &v) { setCaptionValue(v); }

    Fw::TBiDiMode BiDiMode() const { return biDiMode(); }
    void setBiDiMode(Fw::TBiDiMode v) { setBiDiModeValue(v); }
    bool ParentBiDiMode() const { return parentBiDiMode(); }
    void setParentBiDiMode(bool v) { setParentBiDiModeValue(v); }
    bool ShowHint() const { return showHint(); }
    void setShowHint(bool v) { setShowHintValue(v); }
    bool ParentShowHint() const { return parentShowHint(); }
    void setParentShowHint(bool v) { setParentShowHintValue(v); }
    QMenu *PopupMenu() const { return popupMenu(); }
    void setPopupMenu(QMenu *v) { setPopupMenuValue(v); }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::ParentChange)
            handleParentChange();
        handleGeometryEvent(e);
        if (raiseInputEvent(e))
            return true;
        return Base::event(e);
    }
};

#define T_CONTROL_PROPERTIES                                                                       \
    Q_PROPERTY(int Left READ Left WRITE setLeft)                                                   \
    Q_PROPERTY(int Top READ Top WRITE setTop)                                                      \
    Q_PROPERTY(int Width READ Width WRITE setWidth)                                                \
    Q_PROPERTY(int Height READ Height WRITE setHeight)                                             \
    Q_PROPERTY(Fw::TAlign Align READ Align WRITE setAlign)                                         \
    Q_PROPERTY(Fw::TAnchors Anchors READ Anchors WRITE setAnchors)                                 \
    Q_PROPERTY(TColor Color READ Color WRITE setColor)                                             \
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE setParentColor)                             \
    Q_PROPERTY(TFont *Font READ Font WRITE setFont)                                                \
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE setParentFont)                                \
    Q_PROPERTY(Fw::TCursor Cursor READ Cursor WRITE setCursor)                                     \
    Q_PROPERTY(int TabOrder READ TabOrder WRITE setTabOrder)                                       \
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)                                         \
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)                                         \
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)                                         \
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)                                               \
    Q_PROPERTY(TConstraints *Constraints READ Constraints)                                         \
    Q_PROPERTY(Fw::TBiDiMode BiDiMode READ BiDiMode WRITE setBiDiMode)                             \
    Q_PROPERTY(bool ParentBiDiMode READ ParentBiDiMode WRITE setParentBiDiMode)                    \
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE setShowHint)                                      \
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE setParentShowHint)                    \
    Q_PROPERTY(QMenu *PopupMenu READ PopupMenu WRITE setPopupMenu)

// The input, focus, sizing, drag and dock events that framework controls publish, for a
// Q_SIGNALS section. TControlCore raises the input, focus and sizing ones for whichever of
// them a class declares. Drag and dock events belong to drag-and-dock operations that only a
// control which starts them raises; no control of this system does.
#define T_CONTROL_EVENTS                                                                           \
    void OnMouseDown(                                                                              \
        QObject *Sender, Fw::TMouseButton Button, Fw::TShiftState Shift, int X, int Y);            \
    void OnMouseMove(QObject *Sender, Fw::TShiftState Shift, int X, int Y);                        \
    void OnMouseUp(QObject *Sender, Fw::TMouseButton Button, Fw::TShiftState Shift, int X, int Y); \
    void OnKeyDown(QObject *Sender, int &Key, Fw::TShiftState Shift);                              \
    void OnKeyUp(QObject *Sender, int &Key, Fw::TShiftState Shift);                                \
    void OnKeyPress(QObject *Sender, QChar &Key);                                                  \
    void OnEnter(QObject *Sender);                                                                 \
    void OnExit(QObject *Sender);                                                                  \
    void OnCanResize(QObject *Sender, int &NewWidth, int &NewHeight, bool &Resize);                \
    void OnConstrainedResize(                                                                      \
        QObject *Sender, int &MinWidth, int &MinHeight, int &MaxWidth, int &MaxHeight);            \
    void OnDragDrop(QObject *Sender, QObject *Source, int X, int Y);                               \
    void OnDragOver(                                                                               \
        QObject *Sender, QObject *Source, int X, int Y, Fw::TDragState State, bool &Accept);       \
    void OnStartDrag(QObject *Sender, QObject *&DragObject);                                       \
    void OnEndDrag(QObject *Sender, QObject *Target, int X, int Y);                                \
    void OnDockDrop(QObject *Sender, QObject *Source, int X, int Y);                               \
    void OnDockOver(                                                                               \
        QObject *Sender, QObject *Source, int X, int Y, Fw::TDragState State, bool &Accept);       \
    void OnStartDock(QObject *Sender, QObject *&DragObject);                                       \
    void OnEndDock(QObject *Sender, QObject *Target, int X, int Y);                                \
    void OnGetSiteInfo(QObject *Sender, QObject *DockClient, QRect &InfluenceRect,                 \
        QPoint MousePos, bool &CanDock);                                                           \
    void OnUnDock(QObject *Sender, QObject *Client, QObject *NewTarget, bool &Allow);

#define T_CAPTION_PROPERTY Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
