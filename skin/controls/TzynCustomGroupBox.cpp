#include "TzynCustomGroupBox.h"

#include "TProperty.h"
#include "ZYNControlUtils.h"
#include "ZYNStylePropagation.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cstdlib>

namespace {

// A pen moved through points the way the platform draws a connected line: each segment
// leaves out its end point. Only horizontal and vertical segments occur here.
class LinePen {
public:
    LinePen(QPainter &canvas, const QColor &color, QPoint start)
        : m_canvas(canvas)
        , m_color(color)
        , m_at(start)
    {
    }

    void lineTo(QPoint to)
    {
        const int dx = (to.x() > m_at.x()) - (to.x() < m_at.x());
        const int dy = (to.y() > m_at.y()) - (to.y() < m_at.y());
        if (dx != 0 && dy != 0) {
            for (QPoint p = m_at; p != to; p += QPoint(dx, dy))
                m_canvas.fillRect(QRect(p, QSize(1, 1)), m_color);
        } else if (dx != 0 || dy != 0) {
            // A straight segment is one rectangle, from here to the pixel before the end.
            const QPoint last = to - QPoint(dx, dy);
            m_canvas.fillRect(
                QRect(QPoint(std::min(m_at.x(), last.x()), std::min(m_at.y(), last.y())),
                    QPoint(std::max(m_at.x(), last.x()), std::max(m_at.y(), last.y()))),
                m_color);
        }
        m_at = to;
    }

private:
    QPainter &m_canvas;
    QColor m_color;
    QPoint m_at;
};

} // namespace

TzynCustomGroupBox::TzynCustomGroupBox(QWidget *parent)
    : TzynSkinned(parent)
{
    setCaptionValue(QStringLiteral(" "));
    setBounds(Left(), Top(), 185, 105);
    setParentColor(true);
    TzynCustomPanel::setTransparent(false);
}

void TzynCustomGroupBox::InitialStyle(TzynUIStyle style)
{
    m_borderColor = GetThemeColor(style, TzynThemeEntry::ControlBorderColor);
    Font()->setColor(GetThemeColor(style, TzynThemeEntry::GroupBoxFontColor));
}

void TzynCustomGroupBox::setCaption(const QString &caption)
{
    if (AssignIfChanged(m_caption, caption))
        update();
}

void TzynCustomGroupBox::setBorderColor(TColor color)
{
    if (AssignIfChanged(m_borderColor, color))
        update();
}

void TzynCustomGroupBox::changeEvent(QEvent *event)
{
    TzynCustomPanel::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    // Qt marks a widget disabled on its own (not only through an ancestor) as force-disabled.
    const bool own = !testAttribute(Qt::WA_ForceDisabled);
    if (own != m_ownEnabled) {
        m_ownEnabled = own;
        const QObjectList children = this->children();
        for (const QPointer<QObject> child : children) {
            if (child && child->isWidgetType())
                static_cast<QWidget *>(child.data())->setEnabled(own);
        }
    }
    update();
}

QRect TzynCustomGroupBox::ItemsRect() const
{
    const QRect r = rect();
    return QRect(QPoint(r.x() + 3, r.y() + std::abs(Font()->Height())),
        QPoint(r.x() + r.width() - 2 - 1, r.y() + r.height() - 2 - 1));
}

void TzynCustomGroupBox::UpdateChildrenUIStyle(TzynUIStyle style)
{
    ApplyUIStyleToChildren(this, style);
}

void TzynCustomGroupBox::fontChanged()
{
    TzynCustomPanel::fontChanged();
    update();
}

void TzynCustomGroupBox::paintPanel(QPainter &canvas)
{
    const int h = std::abs(Font()->Height());
    const QRect r = rect();
    if (Transparent())
        TzynCustomPanel::paintPanel(canvas);
    else
        canvas.fillRect(r, toQColor(Color()));

    const QFont font = Font()->toQFont();
    canvas.setFont(font);
    const int left = r.x(), top = r.y();
    const int right = r.x() + r.width(), bottom = r.y() + r.height();
    const int y = h / 2 + top + 1;
    LinePen pen(canvas, toQColor(m_borderColor), QPoint(left + 2, y));
    pen.lineTo(QPoint(left, y));
    pen.lineTo(QPoint(left, bottom - 1));
    pen.lineTo(QPoint(right - 1, bottom - 1));
    pen.lineTo(QPoint(right - 1, y));
    if (!m_caption.isEmpty())
        pen.lineTo(QPoint(left + QFontMetrics(font).horizontalAdvance(m_caption) + 6, y));
    else
        pen.lineTo(QPoint(left, y));

    canvas.setPen(isEnabled() ? Font()->qColor() : QColor::fromRgb(kDisabledTextColor));
    canvas.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(font);
    canvas.drawText(QPoint(5, metrics.ascent()), m_caption);
}
