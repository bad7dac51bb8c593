#include "TCustomPanel.h"

#include <QPainter>

TCustomPanel::TCustomPanel(QWidget *parent)
    : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomPanel::setAlignment(Fw::TAlignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    update();
}

void TCustomPanel::setBorderWidth(int width)
{
    if (m_borderWidth == width)
        return;
    m_borderWidth = width;
    update();
}

void TCustomPanel::setBevelInner(Fw::TBevelCut cut)
{
    if (m_bevelInner == cut)
        return;
    m_bevelInner = cut;
    update();
}

void TCustomPanel::setBevelOuter(Fw::TBevelCut cut)
{
    if (m_bevelOuter == cut)
        return;
    m_bevelOuter = cut;
    update();
}

Qt::Alignment TCustomPanel::captionAlignment() const
{
    switch (m_alignment) {
    case Fw::taLeftJustify:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Fw::taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignCenter;
    }
}

void TCustomPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(Color()));
    auto bevel = [&](QRect r, Fw::TBevelCut cut) {
        if (cut != Fw::bvLowered && cut != Fw::bvRaised)
            return;
        const QColor light = toQColor(Colors::clBtnHighlight);
        const QColor dark = toQColor(Colors::clBtnShadow);
        const QColor topLeft = cut == Fw::bvRaised ? light : dark;
        const QColor bottomRight = cut == Fw::bvRaised ? dark : light;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    QRect r = rect();
    bevel(r, m_bevelOuter);
    if (m_bevelOuter != Fw::bvNone)
        r.adjust(1, 1, -1, -1);
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    bevel(r, m_bevelInner);
    // The panel draws its own window text in its own font, also under a subclass that gives
    // the published Caption or Font another meaning.
    if (!caption().trimmed().isEmpty()) {
        painter.setFont(fontObject()->toQFont());
        painter.setPen(fontObject()->qColor());
        painter.drawText(rect(), captionAlignment() | Qt::TextSingleLine, caption());
    }
}
