#include "TzynMenuBar.h"

#include "TFont.h"
#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynMainMenu.h"
#include "ZYNLooks.h"
#include "ZYNMenu.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <limits>

namespace {

// The colours of a hot or pressed bar button. A style without a theme record has none: a
// skinned menu then gives its own selection colours, a plain one the desktop's highlight.
struct SelectionColors {
    TColor fill, border, text;
};

SelectionColors selectionColors(TzynUIStyle style, const TMainMenu *menu)
{
    using E = TzynThemeEntry;
    if (style != TzynUIStyle::Custom)
        return { GetThemeColor(style, E::MainMenuSelectedColor),
            GetThemeColor(style, E::MainMenuSelectedBorderColor),
            GetThemeColor(style, E::MainMenuSelectedFontColor) };
    if (const auto *skinned = qobject_cast<const TzynMainMenu *>(menu))
        return { skinned->SelectedColor(), skinned->SelectedBorderColor(),
            skinned->SelectedFontColor() };
    return { Colors::clHighlight, Colors::clHighlight, Colors::clHighlightText };
}

constexpr int kCaptionFlags
    = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

// Among the frame's top-aligned controls the bar comes right after the title bar.
constexpr int kMenuBarAlignOrder = TzynForm::kTitleBarAlignOrder + 1;

} // namespace

TzynMenuBar::TzynMenuBar(TzynForm *frame)
    : QObject(frame)
    , m_frame(frame)
{
}

void TzynMenuBar::setMenu(TMainMenu *menu)
{
    if (auto *old = qobject_cast<TzynMainMenu *>(m_menu.data()); old && old->Frame() == m_frame)
        old->setFrame(nullptr);
    disconnect(m_menuGone);
    m_menu = menu;
    if (auto *skinned = qobject_cast<TzynMainMenu *>(menu))
        skinned->setFrame(m_frame);
    if (menu) {
        m_menuGone = connect(menu, &QObject::destroyed, this, &TzynMenuBar::menuGone);
        if (!m_bar)
            Create();
        Rebuild();
        UpdateFont();
    } else {
        Release();
    }
}

void TzynMenuBar::menuGone()
{
    // Removing the menu component releases the bar.
    m_menu = nullptr;
    Release();
}

void TzynMenuBar::Create()
{
    if (m_bar)
        return;
    auto *bar = new TToolBar(m_frame);
    bar->setObjectName(QStringLiteral("MenuBar"));
    bar->setFlat(true);
    bar->setEdgeBorders({});
    bar->setShowCaptions(true);
    bar->setAlignOrder(kMenuBarAlignOrder);
    bar->setAlign(Fw::alTop);
    bar->setHeight(m_height);
    bar->setButtonHeight(m_height);
    bar->setColor(m_color);
    connect(bar, &TToolBar::OnCustomDraw, this, &TzynMenuBar::DrawMenuBarBackground);
    connect(bar, &TToolBar::OnCustomDrawButton, this, &TzynMenuBar::DrawMenuBarButton);
    m_bar = bar;
    bar->show();
    TControlCore::realignChildren(m_frame);
}

void TzynMenuBar::Rebuild()
{
    if (!m_bar)
        return;
    if (!m_menu) {
        Release();
        return;
    }
    // The old buttons go once their events are over: a rebuild may come from the click
    // handler of an item whose button is being clicked.
    while (m_bar->ButtonCount() > 0) {
        TToolButton *old = m_bar->Buttons(0);
        m_bar->RemoveButton(old);
        old->hide();
        old->deleteLater();
    }
    // From the last item to the first, each in front of the ones made before: the buttons
    // read left to right in menu order.
    const TMenuItem *items = m_menu->Items();
    for (int i = items->Count() - 1; i >= 0; --i) {
        auto *button = new TToolButton(m_bar);
        m_bar->InsertButton(button, 0);
        button->setGrouped(true);
        button->setAutoSize(true);
        button->setMenuItem(items->Items(i));
        connect(button, &TToolButton::DropDownShown, this,
            [this](TToolButton *shown) { shown->DropDown()->installEventFilter(this); });
        button->show();
    }
    m_bar->ArrangeButtons();
}

void TzynMenuBar::Sync()
{
    if (!m_bar)
        return;
    for (int i = 0; i < m_bar->ButtonCount(); ++i) {
        if (TToolButton *button = m_bar->Buttons(i); button && button->MenuItem())
            button->SyncWithMenuItem();
    }
}

void TzynMenuBar::Release()
{
    // Freed once its events are over, as the bar may be releasing itself from a click.
    if (TToolBar *bar = m_bar.data()) {
        m_bar = nullptr;
        bar->hide();
        bar->deleteLater();
    }
    if (m_menu) {
        if (auto *skinned = qobject_cast<TzynMainMenu *>(m_menu.data());
            skinned && skinned->Frame() == m_frame)
            skinned->setFrame(nullptr);
        disconnect(m_menuGone);
        m_menu = nullptr;
    }
    TControlCore::realignChildren(m_frame);
}

void TzynMenuBar::UpdateFont()
{
    if (!m_bar || !m_menu)
        return;
    if (const auto *skinned = qobject_cast<const TzynMainMenu *>(m_menu.data())) {
        TFont font;
        skinned->AssignItemFont(font);
        m_bar->Font()->assign(&font);
    }
    m_bar->update();
}

void TzynMenuBar::setColor(TColor color)
{
    m_color = color;
    if (m_bar)
        m_bar->setColor(color);
}

void TzynMenuBar::setHeight(int height)
{
    m_height = height;
    if (!m_bar)
        return;
    m_bar->setHeight(height);
    m_bar->setButtonHeight(height);
    for (int i = 0; i < m_bar->ButtonCount(); ++i) {
        if (TToolButton *button = m_bar->Buttons(i))
            button->setHeight(height);
    }
    // The client area below gives or takes the difference.
    TControlCore::realignChildren(m_frame);
}

void TzynMenuBar::ApplyFrameStyle(TzynUIStyle style)
{
    if (auto *skinned = qobject_cast<TzynMainMenu *>(m_menu.data());
        skinned && skinned->UIStyle() != TzynUIStyle::Custom)
        skinned->setUIStyle(style);
    if (m_bar)
        m_bar->update();
}

bool TzynMenuBar::ShortCut(const QKeyEvent *event)
{
    if (!m_menu)
        return false;
    // Alt and an accelerator letter open that top-level menu.
    if (m_bar && (event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
        const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(event->key())));
        for (int i = 0; i < m_bar->ButtonCount(); ++i) {
            TToolButton *button = m_bar->Buttons(i);
            if (button && button->isVisible() && button->isEnabled()
                && QKeySequence::mnemonic(button->Caption()) == pressed) {
                if (OpenMenu(i, true))
                    return true;
                if (TMenuItem *item = button->MenuItem()) {
                    item->Click();
                    return true;
                }
            }
        }
    }
    return m_menu->IsShortCut(event);
}

bool TzynMenuBar::OpenMenu(int index, bool selectFirst)
{
    TToolButton *button = m_bar ? m_bar->Buttons(index) : nullptr;
    if (!button || !button->ShowDropDown())
        return false;
    if (selectFirst) {
        QMenu *popup = button->DropDown();
        for (QAction *action : popup->actions()) {
            if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
                popup->setActiveAction(action);
                break;
            }
        }
    }
    return true;
}

int TzynMenuBar::openIndex(const QMenu *popup) const
{
    for (int i = 0; m_bar && i < m_bar->ButtonCount(); ++i) {
        const TToolButton *button = m_bar->Buttons(i);
        if (button && button->IsDroppedDown() && button->DropDown() == popup)
            return i;
    }
    return -1;
}

int TzynMenuBar::neighbour(int index, int step) const
{
    const int count = m_bar->ButtonCount();
    for (int n = 1; n < count; ++n) {
        const int i = ((index + step * n) % count + count) % count;
        const TToolButton *button = m_bar->Buttons(i);
        if (button && button->isVisible() && button->isEnabled() && button->DropDown())
            return i;
    }
    return -1;
}

void TzynMenuBar::switchTo(QMenu *from, int index, bool selectFirst)
{
    from->hide();
    // Opened once the closing menu has let go of the mouse and keyboard.
    QMetaObject::invokeMethod(
        this, [this, index, selectFirst] { OpenMenu(index, selectFirst); }, Qt::QueuedConnection);
}

bool TzynMenuBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *popup = qobject_cast<QMenu *>(watched);
    if (!popup || !m_bar)
        return false;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        const int index = openIndex(popup);
        if (index < 0)
            return false;
        // Right opens the selected item's sub-menu where it has one.
        if (key == Qt::Key_Right) {
            const QAction *active = popup->activeAction();
            if (active && active->isEnabled() && active->menu())
                return false;
        }
        const int next = neighbour(index, key == Qt::Key_Right ? 1 : -1);
        if (next < 0 || next == index)
            return true;
        switchTo(popup, next, true);
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        const QPoint global = move->globalPosition().toPoint();
        if (popup->rect().contains(popup->mapFromGlobal(global)))
            return false;
        const int index = openIndex(popup);
        auto *over = qobject_cast<TToolButton *>(m_bar->childAt(m_bar->mapFromGlobal(global)));
        const int target = over ? m_bar->IndexOf(over) : -1;
        if (index >= 0 && target >= 0 && target != index && over->isEnabled() && over->DropDown())
            switchTo(popup, target, false);
    }
    return false;
}

TzynUIStyle TzynMenuBar::GoverningStyle() const
{
    if (const auto *skinned = qobject_cast<const TzynMainMenu *>(m_menu.data()))
        return skinned->UIStyle();
    return m_frame->UIStyle();
}

void TzynMenuBar::DrawMenuBarBackground(TToolBar *, QPainter *canvas, const QRect &rect, bool &)
{
    // Default drawing continues in every style.
    if (const char *picture = StyleLook(GoverningStyle()).menuBarPicture)
        DrawMenuPicture(*canvas, rect, picture, std::numeric_limits<int>::max());
}

void TzynMenuBar::DrawMenuBarButton(TToolBar *, TToolButton *button, QPainter *canvas,
    Fw::TCustomDrawState state, bool &defaultDraw)
{
    const TzynUIStyle style = GoverningStyle();
    if (const auto *skinned = qobject_cast<const TzynMainMenu *>(m_menu.data())) {
        TFont font;
        skinned->AssignItemFont(font);
        canvas->setFont(font.toQFont());
        canvas->setPen(skinned->UseSystemFont() ? font.qColor() : toQColor(skinned->FontColor()));
    }
    if (!(state & (Fw::cdsHot | Fw::cdsSelected)))
        return;
    defaultDraw = false;
    const SelectionColors colors = selectionColors(style, m_menu.data());
    QRect r = button->rect();
    if (const char *picture = StyleLook(style).menuSelectPicture) {
        DrawMenuPicture(*canvas, r, picture, std::numeric_limits<int>::max());
        canvas->setPen(toQColor(colors.text));
        canvas->drawText(r, kCaptionFlags, button->Caption());
        return;
    }
    const bool pressed = state & Fw::cdsSelected;
    if (pressed)
        r.setWidth(r.width() - 2);
    FillColorRect(*canvas, r, colors.fill);
    FrameColorRect(*canvas, r, colors.border);
    if (pressed)
        r.setLeft(r.left() + 2);
    r.setTop(r.top() + 2);
    canvas->setPen(toQColor(colors.text));
    canvas->drawText(r, kCaptionFlags, button->Caption());
}
