#include "TzynTab.h"

#include "TFont.h"
#include "TProperty.h"
#include "TzynTabControlTopPanel.h"
#include "ZYNControlUtils.h"
#include "ZYNLooks.h"
#include "ZYNStylePropagation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

TzynTab::TzynTab(QWidget *parent)
    : TzynStyled(parent)
    , m_tabFont(new TFont(this))
{
    // The tabs have no pictures of their own: Custom is ignored.
    refuseCustom(TzynUIStyle::Custom);
    setCaptionValue(QStringLiteral(" "));
    setHeight(80);
    connect(m_tabFont, &TFont::OnChange, this, [this] {
        if (m_strip)
            m_strip->update();
    });
}

TzynTab::~TzynTab() = default;

void TzynTab::AttachStrip(TzynTabControlTopPanel *strip)
{
    m_strip = strip;
    m_strip->setAlign(Fw::alTop);
}

void TzynTab::ApplyUIStyle(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    m_strip->setColor(GetThemeColor(style, E::ControlColor));
    setBorderColor(GetThemeColor(style, E::ControlBorderColor));
    m_strip->setUIStyle(style);
    setColor(StyleLook(style).tabBodyColor.value_or(GetThemeColor(style, E::ControlColor)));
    UpdateChildrenUIStyle(style);
}

void TzynTab::setBorderColor(TColor color)
{
    if (!AssignIfChanged(m_borderColor, color))
        return;
    BorderColorChanged();
    update();
    m_strip->update();
}

void TzynTab::setTabFont(TFont *font)
{
    // An equal font changes nothing; a different one repaints the strip through OnChange.
    m_tabFont->assign(font);
}

int TzynTab::LeftMargin() const
{
    return m_strip->LeftMargin();
}

void TzynTab::setLeftMargin(int margin)
{
    m_strip->setLeftMargin(margin);
}

int TzynTab::CurrentTabIndex() const
{
    return m_strip->TabIndex();
}

void TzynTab::Loading()
{
    m_loading = true;
}

void TzynTab::Loaded()
{
    m_loading = false;
}

void TzynTab::UpdateChildrenUIStyle(TzynUIStyle style)
{
    ApplyUIStyleToChildren(this, style);
}

bool TzynTab::AskChanging()
{
    bool allow = true;
    Q_EMIT OnChanging(this, allow);
    return allow;
}

void TzynTab::TabActivated(int index)
{
    if (m_loading)
        return;
    Q_EMIT OnTabActive(this, index);
    Q_EMIT OnChange(this);
}

void TzynTab::SetTabIndex(int index)
{
    m_strip->setTabIndex(index);
}

void TzynTab::paintPanel(QPainter &canvas)
{
    // The strip covers the top; the body starts below it.
    const int top = m_strip->height();
    const int w = width(), h = height();
    canvas.fillRect(QRect(0, top, w, h - top), toQColor(Color()));
    DrawLinePath(canvas, toQColor(m_borderColor),
        { QPoint(0, top), QPoint(0, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, top - 1) });
}

void TzynTab::resizeEvent(QResizeEvent *event)
{
    TzynCustomPanel::resizeEvent(event);
    // A size set on the widget while it was hidden reaches the strip and the pages only here.
    TControlCore::realignChildren(this);
}

namespace {

// Ctrl+Tab and Ctrl+PgDn: the next page (1); Ctrl+Shift+Tab and Ctrl+PgUp: the previous one
// (-1); 0 for any other key.
int pageKeyDirection(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (mods == Qt::ControlModifier && (key == Qt::Key_Tab || key == Qt::Key_PageDown))
        return 1;
    if ((mods == (Qt::ControlModifier | Qt::ShiftModifier)
            && (key == Qt::Key_Backtab || key == Qt::Key_Tab))
        || (mods == Qt::ControlModifier && key == Qt::Key_PageUp))
        return -1;
    return 0;
}

} // namespace

bool TzynTab::event(QEvent *event)
{
    // With the focus inside, the page keys belong to this control, before any window-wide
    // shortcut on the same keys (the innermost of nested page controls wins).
    if (event->type() == QEvent::ShortcutOverride && m_strip
        && pageKeyDirection(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return TzynStyled::event(event);
}

void TzynTab::keyPressEvent(QKeyEvent *event)
{
    const int direction = pageKeyDirection(event);
    if (!direction || !m_strip) {
        TzynStyled::keyPressEvent(event);
        return;
    }
    event->accept();
    const int next = m_strip->NeighbourTab(direction > 0);
    if (next < 0 || next == m_strip->TabIndex())
        return;
    QWidget *focus = QApplication::focusWidget();
    m_strip->SelectTab(next);
    // The focus was on the page that went away: the tab row keeps it.
    if (focus && (!focus->isVisible() || QApplication::focusWidget() != focus)
        && m_strip->isVisible())
        m_strip->setFocus(Qt::TabFocusReason);
}
