#pragma once

#include "TConstraints.h"
#include "TControlCore.h"
#include "TFont.h"

#include <QEvent>
#include <QWidget>

// Gives a Qt widget class the published properties of a framework control. Use it as the base
// of a Q_OBJECT class and put T_CONTROL_PROPERTIES (and T_CAPTION_PROPERTY where the control
// has a caption) in the class body, so that moc publishes them under their layout names.
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
    void setLeft(int v) { setBounds(v, Top(), Width(), Height()); }
    int Top() const { return this->y(); }
    void setTop(int v) { setBounds(Left(), v, Width(), Height()); }
    int Width() const { return this->width(); }
    void setWidth(int v) { setBounds(Left(), Top(), v, Height()); }
    int Height() const { return this->height(); }
    void setHeight(int v) { setBounds(Left(), Top(), Width(), v); }
    virtual void setBounds(int left, int top, int width, int height)
    {
        setBoundsRect(QRect(left, top, width, height));
    }

    Fw::TAlign Align() const { return align(); }
    void setAlign(Fw::TAlign v) { TControlCore::setAlign(v); }
    Fw::TAnchors Anchors() const { return anchors(); }
    void setAnchors(Fw::TAnchors v) { TControlCore::setAnchors(v); }

    TColor Color() const { return color(); }
    void setColor(TColor v) { setColorValue(v); }
    bool ParentColor() const { return parentColor(); }
    void setParentColor(bool v) { setParentColorValue(v); }

    TFont *Font() const { return fontObject(); }
    void setFont(TFont *v) { fontObject()->assign(v); }
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
    void setHint(const QString &v) { this->setToolTip(v); }
    TConstraints *Constraints() const { return constraints(); }

    QString Caption() const { return caption(); }
    void setCaption(const QString &v) { setCaptionValue(v); }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::ParentChange)
            handleParentChange();
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
    Q_PROPERTY(TConstraints *Constraints READ Constraints)

#define T_CAPTION_PROPERTY Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
