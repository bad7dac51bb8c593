#include "ReaderShortcuts.h"

#include "GuideSearch.h"
#include "PageFindBar.h"
#include "PageZoom.h"
#include "TTreeView.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QTreeWidget>
#include <QWebEngineView>

ReaderShortcuts::ReaderShortcuts(QWidget *window, QWebEngineView *view, QTreeWidget *tree)
    : QObject(window)
    , m_window(window)
    , m_view(view)
    , m_tree(tree)
    , m_findBar(new PageFindBar(view, view->parentWidget()))
    , m_zoom(new PageZoom(view, this))
    , m_guideSearch(new GuideSearch(view, m_findBar, this))
{
    m_findBar->setAlign(Fw::alBottom);

    addShortcut({ QKeySequence(Qt::CTRL | Qt::Key_F) }, &ReaderShortcuts::openFindBar);
    addShortcut(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F) }, &ReaderShortcuts::openFindAllBar);
    addShortcut({ QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) },
        &ReaderShortcuts::zoomIn);
    addShortcut({ QKeySequence(Qt::CTRL | Qt::Key_Minus) }, &ReaderShortcuts::zoomOut);
    addShortcut({ QKeySequence(Qt::CTRL | Qt::Key_0) }, &ReaderShortcuts::zoomReset);
    addShortcut({ QKeySequence(Qt::CTRL | Qt::Key_P) }, &ReaderShortcuts::print);
    addShortcut({ QKeySequence(Qt::ALT | Qt::Key_Left) }, &ReaderShortcuts::back);
    addShortcut({ QKeySequence(Qt::ALT | Qt::Key_Right) }, &ReaderShortcuts::forward);

    // The page's input arrives at widgets inside the view, which the engine may replace (a new
    // render process); each is watched from the moment it is added.
    view->installEventFilter(this);
    for (QObject *child : view->children())
        watchPageInput(child);
    if (tree)
        tree->installEventFilter(this);
}

ReaderShortcuts::~ReaderShortcuts() = default;

void ReaderShortcuts::addShortcut(const QList<QKeySequence> &keys, void (ReaderShortcuts::*slot)())
{
    auto *shortcut = new QShortcut(m_window);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, slot);
}

void ReaderShortcuts::watchPageInput(QObject *child)
{
    if (child->isWidgetType())
        child->installEventFilter(this);
}

bool ReaderShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        if (event->type() == QEvent::ChildAdded)
            watchPageInput(static_cast<QChildEvent *>(event)->child());
        return false;
    }
    if (watched == m_tree) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const int code = key->key();
        if (mods == Qt::NoModifier
            && (code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Space)) {
            activateTreeEntry();
            return true;
        }
        return false;
    }
    // Ctrl+wheel over the page zooms in our steps, and only ours: the engine never sees it.
    if (!m_view || watched->parent() != m_view || event->type() != QEvent::Wheel)
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!wheel->modifiers().testFlag(Qt::ControlModifier))
        return false;
    m_zoom->wheel(wheel);
    return true;
}

void ReaderShortcuts::activateTreeEntry()
{
    if (!m_tree)
        return;
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item) {
        const QList<QTreeWidgetItem *> selected = m_tree->selectedItems();
        if (selected.isEmpty())
            return;
        item = selected.first();
    }
    // A click selects the entry before the tree raises its click; the handler reads the
    // selection, so the key does the same in the same order.
    if (!item->isSelected())
        m_tree->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
    if (auto *treeView = qobject_cast<TTreeView *>(m_tree))
        Q_EMIT treeView->OnClick(treeView);
}

void ReaderShortcuts::openFindBar()
{
    m_findBar->setAllPages(false);
    m_findBar->open();
}

void ReaderShortcuts::openFindAllBar()
{
    m_findBar->openAllPages();
}

void ReaderShortcuts::zoomIn()
{
    m_zoom->zoomIn();
}

void ReaderShortcuts::zoomOut()
{
    m_zoom->zoomOut();
}

void ReaderShortcuts::zoomReset()
{
    m_zoom->reset();
}

void ReaderShortcuts::back()
{
    if (m_view)
        m_view->back();
}

void ReaderShortcuts::forward()
{
    if (m_view)
        m_view->forward();
}

void ReaderShortcuts::print()
{
    if (!m_view || m_printing)
        return;
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    auto *dialog = new QPrintDialog(m_printer.get(), m_window);
    dialog->setWindowTitle(QStringLiteral("打印"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this] {
        if (!m_view)
            return;
        m_printing = true;
        connect(
            m_view, &QWebEngineView::printFinished, this, [this] { m_printing = false; },
            Qt::SingleShotConnection);
        m_view->print(m_printer.get());
    });
    dialog->open();
}
