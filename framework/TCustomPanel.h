#pragma once

#include "TControl.h"

// A plain panel: its colour, an optional bevel and a one-line caption. Skinned panels derive
// from it and paint everything themselves.
class TCustomPanel : public TControl {
    Q_OBJECT
    T_CAPTION_PROPERTY
    Q_PROPERTY(Fw::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Fw::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(Fw::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
public:
    explicit TCustomPanel(QWidget *parent = nullptr);

    // Virtual for a panel whose caption is drawn by a part of it (the side channel's).
    virtual Fw::TAlignment Alignment() const { return m_alignment; }
    virtual void setAlignment(Fw::TAlignment alignment);
    // Virtual for a subclass whose border is something else (the skinned frame's window edge).
    virtual int BorderWidth() const { return m_borderWidth; }
    virtual void setBorderWidth(int width);
    Fw::TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(Fw::TBevelCut cut);
    Fw::TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(Fw::TBevelCut cut);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Qt's alignment flags for a caption drawn by Alignment, vertically centred.
    Qt::Alignment captionAlignment() const;

private:
    Fw::TAlignment m_alignment = Fw::taCenter;
    int m_borderWidth = 0;
    Fw::TBevelCut m_bevelInner = Fw::bvNone;
    Fw::TBevelCut m_bevelOuter = Fw::bvRaised;
};
