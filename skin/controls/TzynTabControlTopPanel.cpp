#include "TzynTabControlTopPanel.h"
#include "TPictureTwin.h"

#include "TFont.h"
#include "TProperty.h"
#include "TzynTab.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

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
    setMouseTracking(true);
}

void TzynTabControlTopPanel::setTabs(const QStringList &tabs)
{
    const QStringList kept = tabs.mid(0, MaxTabs);
    if (!AssignIfChanged(m_tabs, kept))
        return;
    setFirstTab(m_firstTab);
    update();
}

void TzynTabControlTopPanel::setLeftMargin(int margin)
{
    if (!AssignIfChanged(m_leftMargin, margin))
        return;
    setFirstTab(m_firstTab);
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
    bringIntoView(index);
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
    setFirstTab(m_firstTab);
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
        TPictureTwin::draw(canvas, QRect(1, stripHeight, w - 2, line.height()), line);
    const QColor border = toQColor(m_owner->BorderColor());
    canvas.fillRect(QRect(0, stripHeight, 1, line.height()), border);
    canvas.fillRect(QRect(w - 1, stripHeight, 1, line.height()), border);

    const QFont font = m_owner->TabFont()->toQFont();
    canvas.setFont(font);
    canvas.setPen(m_owner->TabFont()->qColor());
    canvas.setBrush(Qt::NoBrush);
    const QList<int> widths = TabWidths(m_tabs, visibility(), QFontMetrics(font));
    const int first = FirstTab();
    int x = m_leftMargin;
    for (int i = 0; i < first; ++i)
        x -= widths[i];
    const bool overflow = TabsOverflow();
    if (overflow)
        canvas.setClipRect(QRect(0, 0, tabsRight(), height()));
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (widths[i] == 0)
            continue;
        const bool selected = i == m_tabIndex;
        const QRect box
            = selected ? QRect(x, 1, widths[i], stripHeight) : QRect(x, 0, widths[i], stripHeight);
        const QImage &face = selected ? active : i == m_hotTab && isEnabled() ? hot : inactive;
        if (!face.isNull())
            DrawThreeSliceBitmap(face, canvas, box, true);
        // An unselected tab's face starts two pixels lower than the strip: its caption is
        // centred in the face, not against the strip's top.
        canvas.drawText(selected ? box : box.adjusted(0, 2, 0, 0),
            Qt::AlignCenter | Qt::TextSingleLine, m_tabs[i]);
        if (selected && hasFocus()) {
            // Around the caption with a margin, inside the tab's picture.
            const QFontMetrics metrics(font);
            QRect text = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextSingleLine, m_tabs[i]);
            text = text.adjusted(-3, -1, 3, 1) & box.adjusted(3, 2, -3, -1);
            DrawFocusRect(canvas, text);
        }
        x += widths[i];
    }
    if (overflow) {
        canvas.setClipping(false);
        drawArrow(canvas, 0);
        drawArrow(canvas, 1);
    }
}

void TzynTabControlTopPanel::drawArrow(QPainter &canvas, int which) const
{
    // In the style's colours: the strip's control colour, framed and marked in the border
    // colour; an arrow that cannot scroll further is marked halfway between the two.
    const QRect box = ScrollArrowRect(which);
    const QColor fill = toQColor(Color());
    const QColor border = toQColor(m_owner->BorderColor());
    canvas.fillRect(box, fill);
    const int right = box.x() + box.width() - 1, bottom = box.y() + box.height() - 1;
    DrawLinePath(canvas, border,
        { box.topLeft(), QPoint(right, box.y()), QPoint(right, bottom), QPoint(box.x(), bottom),
            box.topLeft() });
    const int first = FirstTab();
    const bool enabled = which == 0 ? first > 0 : first < lastFirstTab(drawnWidths());
    const QColor mark = enabled
        ? border
        : QColor((fill.red() + border.red()) / 2, (fill.green() + border.green()) / 2,
            (fill.blue() + border.blue()) / 2);
    // A triangle four columns wide, its point towards where the arrow scrolls.
    const int cy = box.y() + box.height() / 2;
    const int left = box.x() + (box.width() - 4) / 2;
    for (int column = 0; column < 4; ++column) {
        const int half = which == 0 ? column : 3 - column;
        canvas.fillRect(QRect(left + column, cy - half, 1, 2 * half + 1), mark);
    }
}

QList<int> TzynTabControlTopPanel::drawnWidths() const
{
    return TabWidths(m_tabs, visibility(), QFontMetrics(m_owner->TabFont()->toQFont()));
}

bool TzynTabControlTopPanel::TabsOverflow() const
{
    int right = m_leftMargin;
    for (int w : drawnWidths())
        right += w;
    return right > width();
}

QRect TzynTabControlTopPanel::ScrollArrowRect(int which) const
{
    if (!TabsOverflow() || which < 0 || which > 1)
        return QRect();
    const int strip = StripHeight();
    const int side = std::clamp(strip - 4, 9, 16);
    const int top = std::max(0, (strip - side) / 2);
    // Two pixels clear of the strip's right edge, the two boxes side by side.
    const int x = width() - 2 - side * (2 - which);
    return QRect(x, top, side, side);
}

int TzynTabControlTopPanel::tabsRight() const
{
    const QRect arrow = ScrollArrowRect(0);
    return arrow.isNull() ? width() : arrow.x() - 2;
}

int TzynTabControlTopPanel::lastFirstTab(const QList<int> &widths) const
{
    if (!TabsOverflow())
        return 0;
    const int room = tabsRight() - m_leftMargin;
    int rest = 0;
    for (int w : widths)
        rest += w;
    for (int first = 0; first < widths.size(); ++first) {
        if (rest <= room)
            return first;
        rest -= widths[first];
    }
    return std::max<int>(0, int(widths.size()) - 1);
}

int TzynTabControlTopPanel::FirstTab() const
{
    // The row's width changes with the font and the strip's size too: the stored place is
    // what was asked for, never beyond where the last tab is in full view.
    return std::clamp(m_firstTab, 0, lastFirstTab(drawnWidths()));
}

void TzynTabControlTopPanel::setFirstTab(int first)
{
    const int kept = std::clamp(first, 0, lastFirstTab(drawnWidths()));
    if (AssignIfChanged(m_firstTab, kept))
        update();
}

void TzynTabControlTopPanel::ScrollTabs(int steps)
{
    // A step moves one shown tab out of or into view; hidden tabs take no room and no step.
    const QList<int> widths = drawnWidths();
    int first = FirstTab();
    for (; steps > 0 && first < widths.size(); --steps) {
        do
            ++first;
        while (first < widths.size() && widths[first - 1] == 0);
    }
    for (; steps < 0 && first > 0; ++steps) {
        do
            --first;
        while (first > 0 && widths[first] == 0);
    }
    setFirstTab(first);
}

void TzynTabControlTopPanel::bringIntoView(int index)
{
    const QList<int> widths = drawnWidths();
    if (index < 0 || index >= widths.size() || widths[index] == 0)
        return;
    int first = FirstTab();
    if (index < first) {
        setFirstTab(index);
        return;
    }
    const auto rightOf = [&](int from) {
        int right = m_leftMargin;
        for (int i = from; i <= index; ++i)
            right += widths[i];
        return right;
    };
    while (first < index && rightOf(first) > tabsRight())
        ++first;
    setFirstTab(first);
}

void TzynTabControlTopPanel::resizeEvent(QResizeEvent *event)
{
    TCustomPanel::resizeEvent(event);
    setFirstTab(m_firstTab);
}

void TzynTabControlTopPanel::mousePressEvent(QMouseEvent *event)
{
    update();
    TCustomPanel::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    for (int which : { 0, 1 }) {
        if (ScrollArrowRect(which).contains(at)) {
            ScrollTabs(which == 0 ? -1 : 1);
            return;
        }
    }
    const int hit = tabUnder(at);
    if (hit >= 0)
        setTabIndex(hit, true);
}

int TzynTabControlTopPanel::tabUnder(const QPoint &at) const
{
    // Tabs scrolled out to the left, and any part of a tab under the arrows, are not there.
    if (at.x() >= tabsRight())
        return -1;
    const QList<int> widths = clickableWidths();
    int left = m_leftMargin;
    for (int i = 0; i < FirstTab() && i < widths.size(); ++i)
        left -= widths[i];
    const int hit = TabAt(at, left, widths, StripHeight());
    return hit >= FirstTab() ? hit : -1;
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

void TzynTabControlTopPanel::mouseMoveEvent(QMouseEvent *event)
{
    TCustomPanel::mouseMoveEvent(event);
    if (AssignIfChanged(m_hotTab, tabUnder(event->position().toPoint())))
        update();
}

void TzynTabControlTopPanel::leaveEvent(QEvent *event)
{
    TCustomPanel::leaveEvent(event);
    if (AssignIfChanged(m_hotTab, -1))
        update();
}
