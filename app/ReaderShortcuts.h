#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class GuideSearch;
class PageFindBar;
class PageZoom;
class QKeySequence;
class QPrinter;
class QTreeWidget;
class QWebEngineView;
class QWidget;

// The keyboard and mouse comforts of a reader of long pages, on the main window: Ctrl+F finds
// in the page, Ctrl+Shift+F in every page of the guide (GuideSearch), Ctrl+plus / Ctrl+minus /
// Ctrl+0 and Ctrl+wheel zoom it, Ctrl+P prints it, Alt+Left / Alt+Right go through its history (the
// mouse's back and forward buttons already do, in the page view itself), and Enter or Space on a
// chapter-tree entry does what a click on it does.
//
// It adds no menu and leaves the right button alone: the application's message hook sees every
// event before the filters installed here, so the page view's right-click filter still drops
// what it drops, and the page filter here only ever takes the wheel with Ctrl held.
class ReaderShortcuts : public QObject {
    Q_OBJECT
public:
    // The find bar goes at the bottom of the page view's parent box.
    ReaderShortcuts(QWidget *window, QWebEngineView *view, QTreeWidget *tree);
    ~ReaderShortcuts() override;

    PageFindBar *findBar() const { return m_findBar; }
    PageZoom *zoom() const { return m_zoom; }
    GuideSearch *guideSearch() const { return m_guideSearch; }

    // Opens the print dialog for the current page; the page is printed once it is accepted.
    void print();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addShortcut(const QList<QKeySequence> &keys, void (ReaderShortcuts::*slot)());
    void watchPageInput(QObject *child);
    void activateTreeEntry();
    void openFindBar();
    void openFindAllBar();
    void zoomIn();
    void zoomOut();
    void zoomReset();
    void back();
    void forward();

    QWidget *m_window;
    QPointer<QWebEngineView> m_view;
    QPointer<QTreeWidget> m_tree;
    PageFindBar *m_findBar;
    PageZoom *m_zoom;
    GuideSearch *m_guideSearch;
    // Lives until the engine has finished printing on it.
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;
};
