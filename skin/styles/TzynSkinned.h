#pragma once

// The one base of the skinned controls. Whatever a control draws, it gets from here:
//
// - its first style, taken from the owner's form frame once, when the control is polished
//   (QEvent::Polish), after its constructors have run, so that the class's own overrides take
//   it; a layout or program that writes the style (or, for a control without a style, its
//   border colour) before the control is polished has given it already, and nothing is taken;
// - its pointer, press and focus state, kept from whichever path changed it (enter and leave,
//   moves while Qt holds the mouse grab and sends neither, presses, the focus, disabling,
//   hiding), with one hook that receives the old state;
// - auto-repeat on a QBasicTimer member, with the delay before the first repeat and the
//   interval between repeats as the control asks.
//
// TzynStyled adds the UIStyle field with its guarded setter. Custom has one meaning there:
// no theme. The control keeps its own pictures and colours, the style is stored, and the
// class's apply hook is told, so that a class whose rules give Custom a meaning of its own
// (a custom button sizes itself to its own pictures, a combo box takes black colours) says
// so in its override.

#include "TzynSkinnedControl.h"
#include "ZYNThemes.h"

#include <QBasicTimer>
#include <QEvent>
#include <QFlags>
#include <QMouseEvent>
#include <QPointer>
#include <QTimerEvent>
#include <QWidget>

enum class TzynSkinStateFlag : quint8 {
    Hovered = 1u << 0,
    Pressed = 1u << 1,
    Focused = 1u << 2,
};
Q_DECLARE_FLAGS(TzynSkinState, TzynSkinStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TzynSkinState)

template <class Base> class TzynSkinned : public Base, public virtual TzynSkinnedControl {
public:
    explicit TzynSkinned(QWidget *parent = nullptr)
        : Base(parent)
        , m_owner(parent ? parent->window() : nullptr)
    {
    }

    TzynSkinState SkinState() const { return m_state; }
    bool Hovered() const { return m_state.testFlag(TzynSkinStateFlag::Hovered); }
    bool Pressed() const { return m_state.testFlag(TzynSkinStateFlag::Pressed); }

protected:
    // The form whose frame gives the first style: the window the control was made on.
    const QObject *StyleOwner() const { return m_owner; }
    // The state changed from old to SkinState(). Only a control that draws the state repaints
    // here; the default does nothing, so that entering a list or focusing a memo costs no paint.
    virtual void SkinStateChanged(TzynSkinState old) { Q_UNUSED(old); }

    // Sets or clears flags of the state and tells the hook once.
    void setSkinState(TzynSkinState flags, bool on)
    {
        const TzynSkinState old = m_state;
        m_state = on ? (m_state | flags) : (m_state & ~flags);
        if (m_state != old)
            SkinStateChanged(old);
    }

    // The pointer is over the control as far as enter and leave go; while a mouse button is
    // held, Qt grabs the mouse and moves stand in for them.
    bool PointerInside() const { return m_pointerInside; }
    virtual void PointerEntered() { setSkinState(TzynSkinStateFlag::Hovered, true); }
    virtual void PointerLeft()
    {
        stopAutoRepeat();
        setSkinState(TzynSkinStateFlag::Hovered | TzynSkinStateFlag::Pressed, false);
    }

    // Repeats AutoRepeatStep() after delay ms, then every interval ms, until stopped. A
    // non-positive interval never repeats.
    void startAutoRepeat(int delay, int interval)
    {
        m_repeatInterval = interval;
        if (interval <= 0) {
            m_repeat.stop();
            return;
        }
        m_repeat.start(delay > 0 ? delay : interval, this);
    }
    void stopAutoRepeat() { m_repeat.stop(); }
    bool autoRepeating() const { return m_repeat.isActive(); }
    virtual void AutoRepeatStep() { }

    bool event(QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::Polish:
            if (!this->FirstStyleTaken())
                this->TakeInitialStyle(FindFormUIStyle(m_owner));
            break;
        case QEvent::Enter:
            if (!m_pointerInside) {
                m_pointerInside = true;
                PointerEntered();
            }
            break;
        case QEvent::Leave:
            if (m_pointerInside) {
                m_pointerInside = false;
                PointerLeft();
            }
            break;
        case QEvent::MouseMove: {
            auto *me = static_cast<QMouseEvent *>(e);
            if (me->buttons() != Qt::NoButton) {
                // Both edges count as on the control, as its hit-test has them.
                const QPoint p = me->position().toPoint();
                const bool inside
                    = p.x() >= 0 && p.y() >= 0 && p.x() <= this->width() && p.y() <= this->height();
                if (!inside && m_pointerInside) {
                    m_pointerInside = false;
                    PointerLeft();
                } else if (inside && !m_pointerInside) {
                    m_pointerInside = true;
                    PointerEntered();
                }
            }
            break;
        }
        case QEvent::FocusIn:
            setSkinState(TzynSkinStateFlag::Focused, true);
            break;
        case QEvent::FocusOut:
            setSkinState(TzynSkinStateFlag::Focused, false);
            break;
        case QEvent::Hide:
        case QEvent::EnabledChange:
            if (e->type() == QEvent::Hide || !this->isEnabled()) {
                stopAutoRepeat();
                setSkinState(TzynSkinStateFlag::Pressed, false);
            }
            break;
        case QEvent::Timer:
            if (static_cast<QTimerEvent *>(e)->timerId() == m_repeat.timerId()) {
                // The delay is over: from now on the interval.
                m_repeat.start(m_repeatInterval, this);
                AutoRepeatStep();
                return true;
            }
            break;
        default:
            break;
        }
        return Base::event(e);
    }

private:
    QPointer<const QObject> m_owner;
    TzynSkinState m_state;
    QBasicTimer m_repeat;
    int m_repeatInterval = 0;
    bool m_pointerInside = false;
};

// A skinned control with a UI style of its own, published as UIStyle by the class.
template <class Base> class TzynStyled : public Base, public TzynStyleable {
public:
    explicit TzynStyled(QWidget *parent = nullptr)
        : Base(parent)
        , m_style(FindFormUIStyle(this->StyleOwner()))
    {
    }

    TzynUIStyle UIStyle() const override { return m_style; }

    // Stores the style and runs the apply hook; a style the control already shows changes
    // nothing and repaints nothing.
    void setUIStyle(TzynUIStyle style) override
    {
        if (this->FirstStyleTaken() && style == m_style)
            return;
        if (m_refusesCustom && style == TzynUIStyle::Custom)
            return;
        this->markFirstStyleTaken();
        m_style = style;
        ApplyUIStyle(style);
        this->update();
    }

protected:
    // The first style is applied even though the field already names it.
    void InitialStyle(TzynUIStyle style) override
    {
        if (m_refusesCustom && style == TzynUIStyle::Custom)
            return;
        m_style = style;
        ApplyUIStyle(style);
        this->update();
    }

protected:
    // For a class whose rules fix its style from the start (a control drawn only from its own
    // pictures): the style is stored as given and no first style is taken over it.
    void keepUIStyle(TzynUIStyle style)
    {
        m_style = style;
        this->markFirstStyleTaken();
    }

    // For a class whose looks always come from a built-in style: Custom is ignored, not even
    // stored, and a control made under a Custom frame starts with the style given here.
    void refuseCustom(TzynUIStyle startingStyle)
    {
        m_refusesCustom = true;
        if (m_style == TzynUIStyle::Custom)
            m_style = startingStyle;
    }

    // Takes the style's theme entries through the control's ordinary setters; Custom keeps
    // the control's own pictures and colours unless the class says otherwise.
    virtual void ApplyUIStyle(TzynUIStyle style) = 0;

private:
    TzynUIStyle m_style;
    bool m_refusesCustom = false;
};
