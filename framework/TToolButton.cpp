#include "TToolButton.h"

#include "TMenuItem.h"
#include "TProperty.h"
#include "TToolBar.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

TToolButton::TToolButton(QWidget *parent)
    : TControlBase<QToolButton>(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setParentFont(true);
    attachToBar();
    // Like every control, a button is visible once placed, also on a bar already shown.
    if (parent && parent->isVisible())
        show();
}

TToolButton::~TToolButton()
{
    if (m_bar)
        m_bar->RemoveButton(this);
}

void TToolButton::attachToBar()
{
    auto *bar = qobject_cast<TToolBar *>(parentWidget());
    if (bar == m_bar)
        return;
    if (m_bar)
        m_bar->RemoveButton(this);
    m_bar = bar;
    if (bar)
        bar->InsertButton(this, bar->ButtonCount());
}

void TToolButton::setImageIndex(int index)
{
    if (!AssignIfChanged(m_imageIndex, index))
        return;
    update();
}

void TToolButton::setStyle(Fw::TToolButtonStyle style)
{
    if (!AssignIfChanged(m_style, style))
        return;
    if (m_bar)
        m_bar->ArrangeButtons();
    update();
}

void TToolButton::setDown(bool down)
{
    if (!AssignIfChanged(m_down, down))
        return;
    // One button of a group of check buttons is down at a time.
    if (down && m_grouped && m_style == Fw::tbsCheck && m_bar) {
        const int index = m_bar->IndexOf(this);
        for (int step : { -1, 1 }) {
            for (int i = index + step; i >= 0 && i < m_bar->ButtonCount(); i += step) {
                TToolButton *other = m_bar->Buttons(i);
                if (!other || !other->m_grouped || other->m_style != Fw::tbsCheck)
                    break;
                other->setDown(false);
            }
        }
    }
    update();
}

void TToolButton::setAutoSize(bool value)
{
    if (!AssignIfChanged(m_autoSize, value))
        return;
    if (m_bar)
        m_bar->ArrangeButtons();
}

void TToolButton::setMenuItem(TMenuItem *item)
{
    if (m_menuItem == item)
        return;
    m_menuItem = item;
    SyncWithMenuItem();
}

void TToolButton::SyncWithMenuItem()
{
    if (!m_menuItem)
        return;
    setCaption(m_menuItem->Caption());
    setEnabled(m_menuItem->Enabled());
    setVisible(m_menuItem->Visible());
    if (m_bar)
        m_bar->ArrangeButtons();
}

Fw::TCustomDrawState TToolButton::DrawState() const
{
    Fw::TCustomDrawState state;
    // Gaps and lines between groups are never hot or pressed.
    if (m_style == Fw::tbsSeparator || m_style == Fw::tbsDivider)
        return state;
    if (m_hot && isEnabled())
        state |= Fw::cdsHot;
    if (IsPressed())
        state |= Fw::cdsSelected;
    if (m_down)
        state |= Fw::cdsChecked;
    if (!isEnabled())
        state |= Fw::cdsDisabled;
    return state;
}

QMenu *TToolButton::DropDown() const
{
    if (m_menuItem && m_menuItem->Count() > 0)
        return m_menuItem->popup();
    if (m_style == Fw::tbsDropDown)
        return m_dropdownMenu.data();
    return nullptr;
}

bool TToolButton::dropsDownAt(const QPoint &pos) const
{
    if (m_menuItem && m_menuItem->Count() > 0)
        return true;
    return m_style == Fw::tbsDropDown && m_dropdownMenu && pos.x() >= width() - DropDownWidth;
}

bool TToolButton::ShowDropDown()
{
    QMenu *menu = DropDown();
    if (!menu || !isEnabled())
        return false;
    if (menu->isVisible())
        return true;
    m_dropped = true;
    updateHotFromPointer();
    update();
    connect(
        menu, &QMenu::aboutToHide, this,
        [this, menu] {
            disconnect(menu, &QMenu::aboutToHide, this, nullptr);
            m_dropped = false;
            // The mouse press that closed the menu over this button is delivered to the
            // button right after, within the same event; it closes, it does not reopen.
            m_ignoreNextPress = true;
            QTimer::singleShot(0, this, [this] { m_ignoreNextPress = false; });
            updateHotFromPointer();
            update();
            Q_EMIT DropDownHidden(this);
        },
        Qt::DirectConnection);
    menu->popup(mapToGlobal(QPoint(0, height())));
    Q_EMIT DropDownShown(this);
    return true;
}

void TToolButton::updateHotFromPointer()
{
    const bool inside = isVisible() && rect().contains(mapFromGlobal(QCursor::pos()));
    if (inside != m_hot) {
        m_hot = inside;
        update();
    }
}

QSize TToolButton::sizeHint() const
{
    return size();
}

bool TToolButton::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::Enter:
        m_hot = true;
        update();
        break;
    case QEvent::Leave:
        m_hot = false;
        update();
        break;
    case QEvent::MouseMove: {
        // While the mouse is held Qt sends no Enter or Leave: follow the position.
        const bool inside = rect().contains(static_cast<QMouseEvent *>(e)->position().toPoint());
        if (inside != m_hot) {
            m_hot = inside;
            update();
        }
        break;
    }
    case QEvent::ParentChange:
        attachToBar();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (m_bar)
            m_bar->ArrangeButtons();
        break;
    case QEvent::EnabledChange:
        update();
        break;
    default:
        break;
    }
    return TControlBase<QToolButton>::event(e);
}

void TToolButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_ignoreNextPress) {
        m_ignoreNextPress = false;
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && dropsDownAt(event->position().toPoint())) {
        event->accept();
        ShowDropDown();
        return;
    }
    QToolButton::mousePressEvent(event);
}

void TToolButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == Qt::LeftButton && isDown()
        && rect().contains(event->position().toPoint());
    QToolButton::mouseReleaseEvent(event);
    if (click)
        clicked();
}

void TToolButton::clicked()
{
    if (m_style == Fw::tbsSeparator || m_style == Fw::tbsDivider)
        return;
    if (m_style == Fw::tbsCheck) {
        // A grouped button that is down stays down unless the group may be all up.
        if (!(m_down && m_grouped && !m_allowAllUp))
            setDown(!m_down);
    }
    QPointer<TToolButton> self(this);
    if (m_menuItem)
        m_menuItem->Click();
    if (self)
        Q_EMIT OnClick(this);
}

void TToolButton::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    if (m_bar)
        m_bar->PaintButton(this, canvas);
}

void TToolButton::captionChanged()
{
    if (m_bar)
        m_bar->ArrangeButtons();
    update();
}

void TToolButton::fontChanged()
{
    if (m_bar && m_autoSize)
        m_bar->ArrangeButtons();
}
