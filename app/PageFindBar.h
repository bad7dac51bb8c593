#pragma once

#include "TzynCustomPanel.h"

#include <QPointer>

class QLabel;
class QLineEdit;
class QWebEngineFindTextResult;
class QWebEngineView;
class TzynButton;
class TzynCheckBox;

// The slim find bar under the page view: a text box, previous and next, the "全部页面" switch,
// the count of matches and a close button, on a panel in the window frame's colours with
// controls in its UI style. Searching the page is the page view's own find: the matches are
// highlighted in the page and the active one is scrolled into view. With the switch on, Enter
// asks for a search over every page of the guide instead (allPagesRequested), which someone
// else carries out. It is hidden until opened; aligned to the bottom of the page view's box, it
// takes its height from the page view only while it is shown.
class PageFindBar : public TzynCustomPanel {
    Q_OBJECT
public:
    PageFindBar(QWebEngineView *view, QWidget *parent);

    // Shows the bar (if hidden) and puts the cursor in the text box with its text selected.
    void open();
    // Clears the highlights, hides the bar and gives the keyboard back to the page.
    void dismiss();
    void findNext();
    void findPrevious();

    // The "全部页面" switch: on, Enter searches every page; off, typing searches this page.
    bool allPages() const { return m_allPagesMode; }
    void setAllPages(bool on);
    // Opens the bar with the switch on.
    void openAllPages();
    // Opens the bar with the switch off on the text and searches the page for it at once.
    void findInPage(const QString &text);
    // Shows a search over every page as done: its text, its count, the switch on.
    void showAllPagesResult(const QString &text, int hits, int pages);

    QLineEdit *edit() const { return m_edit; }
    TzynButton *previousButton() const { return m_previous; }
    TzynButton *nextButton() const { return m_next; }
    TzynButton *closeButton() const { return m_close; }
    TzynCheckBox *allPagesSwitch() const { return m_allPages; }
    // What the count shows: empty before a search, "无匹配" or "第 n 项，共 m 项".
    QString countText() const;

Q_SIGNALS:
    // The page view has answered a search and the count shows the answer.
    void resultShown(int activeMatch, int numberOfMatches);
    // Enter with the switch on: search every page for the text.
    void allPagesRequested(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintPanel(QPainter &canvas) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void find(bool backward);
    void showResult(const QWebEngineFindTextResult &result);
    void clearCount();
    void relayoutBox();
    void layoutControls();
    // Switches the mode and what shows it; true when it changed. Searches nothing.
    bool applyMode(bool on);

    QPointer<QWebEngineView> m_view;
    QLabel *m_caption;
    QLineEdit *m_edit;
    TzynButton *m_previous;
    TzynButton *m_next;
    TzynCheckBox *m_allPages;
    QLabel *m_count;
    TzynButton *m_close;
    // Each search is numbered so that a late answer to an older one does not overwrite the
    // count of a newer one.
    int m_searchSerial = 0;
    bool m_allPagesMode = false;
};
