// The flat two-pixel border of the skinned tree and list views.

#include "TzynForm.h"
#include "TzynListView.h"
#include "TzynTreeView.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QtTest>

namespace {

QImage shot(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb rgb(TColor c)
{
    return ColorToRGB(c) | 0xFF000000u;
}

// Checks the two one-pixel frames on the outer edge of the image.
void checkFrames(const QImage &image, QRgb outer, QRgb inner)
{
    const int w = image.width(), h = image.height();
    for (int x = 0; x < w; ++x) {
        QCOMPARE(image.pixel(x, 0), outer);
        QCOMPARE(image.pixel(x, h - 1), outer);
    }
    for (int y = 0; y < h; ++y) {
        QCOMPARE(image.pixel(0, y), outer);
        QCOMPARE(image.pixel(w - 1, y), outer);
    }
    for (int x = 1; x < w - 1; ++x) {
        QCOMPARE(image.pixel(x, 1), inner);
        QCOMPARE(image.pixel(x, h - 2), inner);
    }
    for (int y = 1; y < h - 1; ++y) {
        QCOMPARE(image.pixel(1, y), inner);
        QCOMPARE(image.pixel(w - 2, y), inner);
    }
}

template <class View> void fill(View *view, int count);

template <> void fill(TzynTreeView *view, int count)
{
    for (int i = 0; i < count; ++i)
        view->Items()->Add(QStringLiteral("Entry %1").arg(i));
}

template <> void fill(TzynListView *view, int count)
{
    for (int i = 0; i < count; ++i)
        view->addItem(QStringLiteral("Entry %1").arg(i));
}

template <class View> void checkView()
{
    QWidget form;
    auto *view = new View(&form);
    // Created on a form without a skinned form frame: a black outline.
    QCOMPARE(view->BorderColor(), TColor(0));
    QCOMPARE(view->BorderWidth(), 2);
    QCOMPARE(view->BorderStyle(), Fw::bsNone);
    view->setGeometry(0, 0, 120, 80);
    view->setColor(Colors::clMoneyGreen);
    checkFrames(shot(view), qRgb(0, 0, 0), rgb(Colors::clMoneyGreen));

    view->setBorderColor(TColor(0x7F7F7F));
    checkFrames(shot(view), rgb(0x7F7F7F), rgb(Colors::clMoneyGreen));
    // Viewport and scroll bars lie inside the two-pixel band.
    QCOMPARE(view->viewport()->geometry().topLeft(), QPoint(2, 2));
    fill(view, 40);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QScrollBar *bar = view->verticalScrollBar();
    QTRY_VERIFY(bar->isVisible());
    const QRect barRect(bar->mapTo(view, QPoint(0, 0)), bar->size());
    QCOMPARE(barRect.right(), 117);
    QVERIFY(barRect.top() >= 2);
    checkFrames(shot(view), rgb(0x7F7F7F), rgb(Colors::clMoneyGreen));

    // The inner line follows the colour; other widths keep the lines at the outer edge.
    view->setColor(Colors::clWhite);
    checkFrames(shot(view), rgb(0x7F7F7F), rgb(Colors::clWhite));
    view->setBorderWidth(4);
    QCOMPARE(view->viewport()->geometry().topLeft(), QPoint(4, 4));
    checkFrames(shot(view), rgb(0x7F7F7F), rgb(Colors::clWhite));
    // The band inside the lines is the view's colour all round, with no trace of the
    // platform's frame.
    {
        const QImage image = shot(view);
        for (int y = 2; y < image.height() - 2; ++y) {
            for (int x : { 2, 3 })
                QCOMPARE(image.pixel(x, y), rgb(Colors::clWhite));
        }
        for (int x = 2; x < barRect.left(); ++x) {
            for (int y : { 2, 3, image.height() - 4, image.height() - 3 })
                QCOMPARE(image.pixel(x, y), rgb(Colors::clWhite));
        }
    }
    // Narrower bands put the viewport and the scroll bar under the lines: the lines stay on
    // top of them.
    for (int width : { 1, 0 }) {
        view->setBorderWidth(width);
        QCOMPARE(view->viewport()->geometry().topLeft(), QPoint(width, width));
        QTRY_VERIFY(bar->isVisible());
        checkFrames(shot(view), rgb(0x7F7F7F), rgb(Colors::clWhite));
    }
}

} // namespace

class tst_TreeView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void treeBorder() { checkView<TzynTreeView>(); }
    void listBorder() { checkView<TzynListView>(); }
    void borderFromTheFormFrame();
    void scrollBarCorner();
    void publishedForTheLayout();
};

void tst_TreeView::scrollBarCorner()
{
    // Both scroll bars shown: the square between them is painted as the scroll area paints
    // it, not left to whatever lay under the view.
    QWidget form;
    auto *tree = new TzynListView(&form);
    tree->setGeometry(0, 0, 120, 80);
    tree->setColor(Colors::clMoneyGreen);
    for (int i = 0; i < 40; ++i)
        tree->addItem(QStringLiteral("An entry long enough to scroll sideways %1").arg(i));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QScrollBar *v = tree->verticalScrollBar(), *h = tree->horizontalScrollBar();
    QTRY_VERIFY(v->isVisible() && h->isVisible());
    const QRect corner(
        v->mapTo(tree, QPoint()).x(), h->mapTo(tree, QPoint()).y(), v->width(), h->height());
    QImage expected(tree->size(), QImage::Format_RGB32);
    expected.fill(Qt::magenta);
    {
        QPainter canvas(&expected);
        QStyleOption option;
        option.initFrom(tree);
        option.rect = corner;
        tree->style()->drawPrimitive(QStyle::PE_PanelScrollAreaCorner, &option, &canvas, tree);
    }
    const QImage image = shot(tree);
    for (int y = corner.top(); y <= corner.bottom(); ++y) {
        for (int x = corner.left(); x <= corner.right(); ++x) {
            if (expected.pixel(x, y) != qRgb(255, 0, 255))
                QCOMPARE(image.pixel(x, y), expected.pixel(x, y));
        }
    }
}

void tst_TreeView::borderFromTheFormFrame()
{
    QWidget host;
    auto *frame = new TzynForm(&host);
    const int index = frame->metaObject()->indexOfProperty("UIStyle");
    QVERIFY2(index >= 0, "the form frame publishes no UIStyle");
    frame->metaObject()->property(index).write(frame, QVariant::fromValue(TzynUIStyle::MacOS));
    auto *tree = new TzynTreeView(frame);
    tree->ensurePolished(); // the first style comes with the polish
    QCOMPARE(tree->BorderColor(), TColor(0x7F7F7F));
    auto *list = new TzynListView(frame);
    list->ensurePolished();
    QCOMPARE(list->BorderColor(), TColor(0x7F7F7F));
}

void tst_TreeView::publishedForTheLayout()
{
    TzynTreeView tree;
    QVERIFY(tree.setProperty("BorderColor", 8355711));
    QVERIFY(tree.setProperty("BorderWidth", 2));
    QCOMPARE(tree.BorderColor(), TColor(0x7F7F7F));
    QVERIFY(tree.dynamicPropertyNames().isEmpty());
}

QTEST_MAIN(tst_TreeView)
#include "tst_treeview.moc"
