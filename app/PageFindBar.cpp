#include "PageFindBar.h"

#include "TColor.h"
#include "TFont.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "ZYNThemes.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QWebEngineFindTextResult>
#include <QWebEngineView>

#include <algorithm>

namespace {
constexpr int kBarHeight = 32;
constexpr int kButtonHeight = 24;
constexpr int kGap = 6;

// The box the bar sits in gives the colour of the line around it, so that the bar continues
// the frame it covers.
QColor frameLineColour(const QWidget *bar)
{
    const QVariant boxColour
        = bar->parentWidget() ? bar->parentWidget()->property("BorderColor") : QVariant();
    if (boxColour.isValid())
        return toQColor(boxColour.value<TColor>());
    return toQColor(FindFormBorderColor(bar->window()));
}
} // namespace

PageFindBar::PageFindBar(QWebEngineView *view, QWidget *parent)
    : TzynCustomPanel(parent)
    , m_view(view)
{
    setObjectName(QStringLiteral("PageFindBar"));
    hide();
    setColor(FindFormColor(window()));
    Font()->setName(QStringLiteral("宋体"));
    Font()->setHeight(-14);
    setHeight(kBarHeight);

    m_caption = new QLabel(QStringLiteral("查找："), this);
    m_edit = new QLineEdit(this);
    m_edit->setPlaceholderText(QStringLiteral("在本页中查找"));
    m_edit->setClearButtonEnabled(true);
    // The window opens no context menu anywhere, the find bar included.
    m_edit->setContextMenuPolicy(Qt::NoContextMenu);
    m_edit->installEventFilter(this);

    auto button = [this](const QString &caption, int width) {
        auto *b = new TzynButton(this);
        b->setParentFont(true);
        b->setCaption(caption);
        b->setCursor(Fw::crHandPoint);
        // Not in the Tab chain: Enter and Shift+Enter in the text box are their keys.
        b->setFocusPolicy(Qt::NoFocus);
        b->setBounds(0, 0, width, kButtonHeight);
        return b;
    };
    m_previous = button(QStringLiteral("上一个"), 64);
    m_next = button(QStringLiteral("下一个"), 64);
    m_allPages = new TzynCheckBox(this);
    m_allPages->setParentFont(true);
    m_allPages->setTransparent(true);
    m_allPages->setCaption(QStringLiteral("全部页面"));
    m_allPages->setCursor(Fw::crHandPoint);
    m_allPages->setFocusPolicy(Qt::NoFocus);
    m_allPages->setHint(QStringLiteral("在指南的全部页面中查找 (Ctrl+Shift+F)"));
    m_allPages->setAutoSize(true);
    m_count = new QLabel(this);
    m_close = button(QStringLiteral("×"), kButtonHeight);
    m_close->setHint(QStringLiteral("关闭查找栏 (Esc)"));

    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (!m_allPagesMode)
            find(false);
    });
    // Our buttons take the focus when pressed, as the desktop's do; the keyboard goes back to
    // the text box so that Enter keeps searching.
    connect(m_previous, &TzynButton::OnClick, this, [this] {
        m_edit->setFocus(Qt::OtherFocusReason);
        findPrevious();
    });
    connect(m_next, &TzynButton::OnClick, this, [this] {
        m_edit->setFocus(Qt::OtherFocusReason);
        findNext();
    });
    connect(m_close, &TzynButton::OnClick, this, [this] { dismiss(); });
    // The switch has toggled itself by the time it reports the click.
    connect(m_allPages, &TzynCheckBox::OnClick, this, [this] {
        m_edit->setFocus(Qt::OtherFocusReason);
        setAllPages(m_allPages->Checked());
        if (m_allPagesMode && !m_edit->text().trimmed().isEmpty())
            Q_EMIT allPagesRequested(m_edit->text());
    });
    // A new page has none of the old highlights.
    if (m_view)
        connect(m_view, &QWebEngineView::loadStarted, this, [this] {
            ++m_searchSerial;
            clearCount();
        });
}

void PageFindBar::open()
{
    if (isHidden()) {
        show();
        relayoutBox();
        if (!m_allPagesMode && !m_edit->text().isEmpty())
            find(false);
    }
    m_edit->setFocus(Qt::ShortcutFocusReason);
    m_edit->selectAll();
}

void PageFindBar::dismiss()
{
    ++m_searchSerial;
    if (m_view)
        m_view->findText(QString());
    clearCount();
    const bool hadFocus = isAncestorOf(window()->focusWidget());
    hide();
    relayoutBox();
    if (hadFocus && m_view)
        m_view->setFocus(Qt::OtherFocusReason);
}

void PageFindBar::setAllPages(bool on)
{
    if (!applyMode(on) || !m_view)
        return;
    if (on)
        m_view->findText(QString());
    else if (isVisible() && !m_edit->text().isEmpty())
        find(false);
}

bool PageFindBar::applyMode(bool on)
{
    if (m_allPages->Checked() != on)
        m_allPages->setChecked(on);
    if (m_allPagesMode == on)
        return false;
    m_allPagesMode = on;
    ++m_searchSerial;
    clearCount();
    m_edit->setPlaceholderText(
        on ? QStringLiteral("在全部页面中查找，按 Enter 开始") : QStringLiteral("在本页中查找"));
    // Previous and next step through one page's matches; over every page the results page
    // lists them instead.
    m_previous->setEnabled(!on);
    m_next->setEnabled(!on);
    return true;
}

void PageFindBar::openAllPages()
{
    setAllPages(true);
    open();
}

void PageFindBar::findInPage(const QString &text)
{
    {
        const QSignalBlocker quiet(m_edit);
        m_edit->setText(text);
    }
    applyMode(false);
    if (isHidden()) {
        show();
        relayoutBox();
    }
    m_edit->setFocus(Qt::OtherFocusReason);
    find(false);
}

void PageFindBar::showAllPagesResult(const QString &text, int hits, int pages)
{
    if (m_edit->text() != text) {
        const QSignalBlocker quiet(m_edit);
        m_edit->setText(text);
    }
    applyMode(true);
    m_count->setText(hits == 0 ? QStringLiteral("无匹配")
                               : QStringLiteral("共 %1 处，%2 个页面").arg(hits).arg(pages));
    m_edit->setStyleSheet(hits == 0 ? QStringLiteral("QLineEdit{background:#fbeaea}") : QString());
    m_count->adjustSize();
}

void PageFindBar::findNext()
{
    find(false);
}

void PageFindBar::findPrevious()
{
    find(true);
}

QString PageFindBar::countText() const
{
    return m_count->text();
}

void PageFindBar::find(bool backward)
{
    if (!m_view)
        return;
    const int serial = ++m_searchSerial;
    const QString text = m_edit->text();
    if (text.isEmpty()) {
        m_view->findText(QString());
        clearCount();
        return;
    }
    const QPointer<PageFindBar> self(this);
    m_view->findText(text, backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags(),
        [self, serial](const QWebEngineFindTextResult &result) {
            if (self && serial == self->m_searchSerial)
                self->showResult(result);
        });
}

void PageFindBar::showResult(const QWebEngineFindTextResult &result)
{
    const int count = result.numberOfMatches();
    const int active = result.activeMatch();
    m_count->setText(count == 0 ? QStringLiteral("无匹配")
                                : QStringLiteral("第 %1 项，共 %2 项").arg(active).arg(count));
    // A search that finds nothing tints the text box, as readers know from browsers.
    m_edit->setStyleSheet(count == 0 ? QStringLiteral("QLineEdit{background:#fbeaea}") : QString());
    m_count->adjustSize();
    Q_EMIT resultShown(active, count);
}

void PageFindBar::clearCount()
{
    m_count->clear();
    m_edit->setStyleSheet(QString());
}

void PageFindBar::relayoutBox()
{
    if (QWidget *box = parentWidget())
        TControlCore::realignChildren(box);
}

bool PageFindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_allPagesMode) {
                if (!m_edit->text().trimmed().isEmpty())
                    Q_EMIT allPagesRequested(m_edit->text());
            } else if (key->modifiers().testFlag(Qt::ShiftModifier))
                findPrevious();
            else
                findNext();
            return true;
        case Qt::Key_Escape:
            dismiss();
            return true;
        default:
            break;
        }
    }
    return TzynCustomPanel::eventFilter(watched, event);
}

void PageFindBar::paintPanel(QPainter &canvas)
{
    TzynCustomPanel::paintPanel(canvas);
    // Left, right and bottom continue the box's frame; the top line parts the bar from the page.
    canvas.setPen(Qt::NoPen);
    canvas.setBrush(frameLineColour(this));
    canvas.drawRect(QRect(0, 0, width(), 1));
    canvas.drawRect(QRect(0, 0, 1, height()));
    canvas.drawRect(QRect(width() - 1, 0, 1, height()));
    canvas.drawRect(QRect(0, height() - 1, width(), 1));
}

void PageFindBar::resizeEvent(QResizeEvent *event)
{
    TzynCustomPanel::resizeEvent(event);
    layoutControls();
}

void PageFindBar::layoutControls()
{
    const int top = (height() - kButtonHeight) / 2;
    int x = 10;
    m_caption->adjustSize();
    m_caption->move(x, (height() - m_caption->height()) / 2);
    x += m_caption->width() + 2;
    const int editWidth = std::clamp(width() / 3, 120, 260);
    m_edit->setGeometry(x, top, editWidth, kButtonHeight);
    x += editWidth + kGap;
    m_previous->setBounds(x, top, m_previous->width(), kButtonHeight);
    x += m_previous->width() + 4;
    m_next->setBounds(x, top, m_next->width(), kButtonHeight);
    x += m_next->width() + kGap + 4;
    m_allPages->setBounds(
        x, (height() - m_allPages->height()) / 2, m_allPages->width(), m_allPages->height());
    x += m_allPages->width() + kGap + 4;
    m_count->move(x, (height() - m_count->sizeHint().height()) / 2);
    m_close->setBounds(width() - kButtonHeight - 6, top, kButtonHeight, kButtonHeight);
}
