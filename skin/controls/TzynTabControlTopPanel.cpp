#include "TzynTabControlTopPanel.h"

#include "TFont.h"
#include "TProperty.h"
#include "TzynTab.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TzynTabControlTopPanel::TzynTabControlTopPanel(TzynTab *owner)
    : TCustomPanel(owner)
    , m_owner(owner)
    , m_tabs({ QStringLiteral("Tab1") })
{
    m_visible.fill(true);
    setBevelInner(Fw::bvNone);
    setBevelOuter(Fw::bvNone);
    setBorderWidth(0);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TzynTabControlTopPanel::setTabs(const QStringList &tabs)
{
    const QStringList kept = tabs.mid(0, MaxTabs);
    if (!AssignIfChanged(m_tabs, kept))
        return;
    update();
}

void TzynTabControlTopPanel::setLeftMargin(int margin)
{
    if (AssignIfChanged(m_leftMargin, margin))
        update();
}

void TzynTabControlTopPanel::setTabIndex(int index, bool byClick)
{
    if (m_tabs.isEmpty()) {
        m_tabIndex = -1;
        update();
        return;
    }
    if (index < -1 || index >= m_tabs.size()) {
        update();
        return;
    }
    if (byClick && !m_owner->AskChanging())
        return;
    m_tabIndex = index;
    update();
    m_owner->TabActivated(index);
}

void TzynTabControlTopPanel::setUIStyle(TzynUIStyle style)
{
    m_style = style;
    setHeight(GetThemeInt(style, TzynThemeEntry::TabHeight));
    update();
}

bool TzynTabControlTopPanel::TabVisible(int index) const
{
    return index < 0 || index >= MaxTabs || m_visible[index];
}

void TzynTabControlTopPanel::setTabVisible(int index, bool visible)
{
    if (index < 0 || index >= MaxTabs)
        return;
    m_visible[index] = visible;
    update();
}

QImage TzynTabControlTopPanel::picture(TzynThemeEntry entry) const
{
    // A style without the picture draws none: a paint never raises.
    return ThemeImageOrNull(GetThemeResName(m_style, entry));
}

int TzynTabControlTopPanel::StripHeight() const
{
    return picture(TzynThemeEntry::TabActiveImage).height();
}

int TzynTabControlTopPanel::TabWidth(int index) const
{
    const QList<int> widths = clickableWidths();
    return index >= 0 && index < widths.size() ? widths[index] : -1;
}

QList<bool> TzynTabControlTopPanel::visibility() const
{
    QList<bool> result;
    for (int i = 0; i < m_tabs.size(); ++i)
        result << TabVisible(i);
    return result;
}

QList<int> TzynTabControlTopPanel::TabWidths(
    const QStringList &tabs, const QList<bool> &visible, const QFontMetrics &metrics)
{
    QList<int> widths;
    for (int i = 0; i < tabs.size(); ++i) {
        if (i < visible.size() && !visible[i]) {
            widths << 0;
            continue;
        }
        const int w = tabs[i].isEmpty() ? 80 : metrics.horizontalAdvance(tabs[i]) + 20;
        widths << std::max(w, 15);
    }
    return widths;
}

int TzynTabControlTopPanel::TabAt(
    const QPoint &point, int leftMargin, const QList<int> &widths, int stripHeight)
{
    if (point.y() <= 0 || point.y() >= stripHeight)
        return -1;
    int left = leftMargin;
    for (int i = 0; i < std::min<int>(widths.size(), ClickableTabs); ++i) {
        if (widths[i] < 0)
            break;
        if (left < point.x() && point.x() < left + widths[i])
            return i;
        left += widths[i];
    }
    return -1;
}

QList<int> TzynTabControlTopPanel::clickableWidths() const
{
    QList<int> widths
        = TabWidths(m_tabs, visibility(), QFontMetrics(m_owner->TabFont()->toQFont()));
    if (widths.size() > ClickableTabs)
        widths.resize(ClickableTabs);
    return widths;
}

void TzynTabControlTopPanel::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    DrawParentBackground(canvas, m_owner);
    const QImage active = picture(TzynThemeEntry::TabActiveImage);
    const QImage inactive = picture(TzynThemeEntry::TabInactiveImage);
    const QImage hot = ThemeStateImage(
        GetThemeResName(m_style, TzynThemeEntry::TabInactiveImage), TzynPictureState::MouseOn);
    const QImage line = picture(TzynThemeEntry::TabLineImage);
    const int stripHeight = active.height();
    const int w = width();
    if (!line.isNull())
        canvas.drawImage(QRect(1, stripHeight, w - 2, line.height()), line);
    const QColor border = toQColor(m_owner->BorderColor());
    canvas.fillRect(QRect(0, stripHeight, 1, line.height()), border);
    canvas.fillRect(QRect(w - 1, stripHeight, 1, line.height()), border);

    const QFont font = m_owner->TabFont()->toQFont();
    canvas.setFont(font);
    canvas.setPen(m_owner->TabFont()->qColor());
    canvas.setBrush(Qt::NoBrush);
    const QList<int> widths = TabWidths(m_tabs, visibility(), QFontMetrics(font));
    int x = m_leftMargin;
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (widths[i] == 0)
            continue;
        const bool selected = i == m_tabIndex;
        const QRect box
            = selected ? QRect(x, 1, widths[i], stripHeight) : QRect(x, 0, widths[i], stripHeight);
        const QImage &face = selected ? active : i == m_hotTab && isEnabled() ? hot : inactive;
        if (!face.isNull())
            DrawThreeSliceBitmap(face, canvas, box, true);
        canvas.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, m_tabs[i]);
        x += widths[i];
    }
}

void TzynTabControlTopPanel::mousePressEvent(QMouseEvent *event)
{
    update();
    TCustomPanel::mousePressEvent(event);
    const int hit
        = TabAt(event->position().toPoint(), m_leftMargin, clickableWidths(), StripHeight());
    if (hit >= 0)
        setTabIndex(hit, true);
}

void TzynTabControlTopPanel::mouseMoveEvent(QMouseEvent *event)
{
    TCustomPanel::mouseMoveEvent(event);
    const int hit
        = TabAt(event->position().toPoint(), m_leftMargin, clickableWidths(), StripHeight());
    if (AssignIfChanged(m_hotTab, hit))
        update();
}

void TzynTabControlTopPanel::leaveEvent(QEvent *event)
{
    TCustomPanel::leaveEvent(event);
    if (AssignIfChanged(m_hotTab, -1))
        update();
}
