#include "TzynTabControlTopPanel.h"

#include "TFont.h"
#include "TProperty.h"
#include "TzynTab.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"

#include <QKeyEvent>
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
    setFocusPolicy(Qt::StrongFocus);
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
        const QImage &face = selected ? active : inactive;
        if (!face.isNull())
            DrawThreeSliceBitmap(face, canvas, box, true);
        canvas.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, m_tabs[i]);
        if (selected && hasFocus()) {
            // Around the caption with a margin, inside the tab's picture.
            const QFontMetrics metrics(font);
            QRect text = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextSingleLine, m_tabs[i]);
            text = text.adjusted(-3, -1, 3, 1) & box.adjusted(3, 2, -3, -1);
            DrawFocusRect(canvas, text);
        }
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

int TzynTabControlTopPanel::NeighbourTab(bool forward) const
{
    const int n = int(m_tabs.size());
    for (int step = 1; step <= n; ++step) {
        const int from = m_tabIndex < 0 ? (forward ? -1 : n) : m_tabIndex;
        const int i = ((from + (forward ? step : -step)) % n + n) % n;
        if (TabVisible(i))
            return i;
    }
    return -1;
}

bool TzynTabControlTopPanel::SelectTab(int index)
{
    if (index < 0 || index >= m_tabs.size())
        return false;
    if (index == m_tabIndex)
        return true;
    setTabIndex(index, true);
    return m_tabIndex == index;
}

void TzynTabControlTopPanel::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) {
        TCustomPanel::keyPressEvent(event);
        return;
    }
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int next = NeighbourTab(event->key() == Qt::Key_Right);
        // The arrows stop at the ends, as a tab row does; only Ctrl+Tab goes round.
        const bool wrapped
            = event->key() == Qt::Key_Right ? next <= m_tabIndex : next >= m_tabIndex;
        target = wrapped ? -1 : next;
        break;
    }
    case Qt::Key_Home:
    case Qt::Key_End:
        for (int i = 0; i < m_tabs.size(); ++i) {
            const int at = event->key() == Qt::Key_Home ? i : int(m_tabs.size()) - 1 - i;
            if (TabVisible(at)) {
                target = at;
                break;
            }
        }
        break;
    default:
        TCustomPanel::keyPressEvent(event);
        return;
    }
    if (target >= 0)
        SelectTab(target);
    event->accept();
}

void TzynTabControlTopPanel::focusInEvent(QFocusEvent *event)
{
    TCustomPanel::focusInEvent(event);
    update();
}

void TzynTabControlTopPanel::focusOutEvent(QFocusEvent *event)
{
    TCustomPanel::focusOutEvent(event);
    update();
}
