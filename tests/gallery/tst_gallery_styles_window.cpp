// The skin gallery as a person handles it, under a window manager with the real pointer: an
// edge dragged in and out again, the window maximised and restored, all six styles chosen
// twice over in two different orders. The menu bar's titles keep their places, the pages and
// the family on them land where they landed before in that style, and the window keeps its
// size.

#include "../skin/RealPointer.h"
#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"

#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

// What a person sees placed: the menu titles, the page control, the shown page and the family
// on it (in the frame's coordinates), and the window's size.
struct Placement {
    QList<QRect> titles;
    QRect pages;
    QRect page;
    QRect family;
    QSize window;

    bool operator==(const Placement &other) const
    {
        return titles == other.titles && pages == other.pages && page == other.page
            && family == other.family && window == other.window;
    }
};

QString describe(const Placement &p)
{
    const auto rect = [](const QRect &r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    QStringList titles;
    for (const QRect &r : p.titles)
        titles << rect(r);
    return QStringLiteral("titles %1 pages %2 page %3 family %4 window %5x%6")
        .arg(titles.join(QLatin1Char(' ')), rect(p.pages), rect(p.page), rect(p.family))
        .arg(p.window.width())
        .arg(p.window.height());
}

} // namespace

class tst_GalleryStylesWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TGalleryForm> form;

    Placement placement() const
    {
        Placement p;
        TToolBar *bar = form->Frame()->MenuBar();
        for (int i = 0; bar && i < bar->ButtonCount(); ++i)
            p.titles << bar->Buttons(i)->geometry();
        QWidget *frame = form->Frame();
        p.pages = form->Pages()->geometry();
        if (TzynTabSheet *page = form->Pages()->ActivePage())
            p.page = QRect(page->mapTo(frame, QPoint()), page->size());
        GalleryFamily *family = form->Families().value(0);
        p.family = QRect(family->mapTo(frame, QPoint()), family->size());
        p.window = form->size();
        return p;
    }

    void doubleClickTitleBar()
    {
        const QPoint caption = form->geometry().topLeft() + QPoint(300, 11);
        QVERIFY(xdotool(pointerMoveTo(caption)
            << QStringLiteral("click") << QStringLiteral("--repeat") << QStringLiteral("2")
            << QStringLiteral("--delay") << QStringLiteral("80") << QStringLiteral("1")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), { QStringLiteral("version") }) == 0,
            "xdotool is needed");
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        form = std::make_unique<TGalleryForm>();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), kTimeout));
        form->ShowFamily(0);
    }

    void cleanupTestCase() { form.reset(); }

    void everythingKeepsItsPlaceThroughResizesAndStyles()
    {
        QVERIFY(form->Frame()->MenuBar());
        QVERIFY(form->Frame()->MenuBar()->ButtonCount() >= 2);
        const Placement start = placement();
        const auto same = [&](const Placement &now, const Placement &was) {
            return now == was ? QString()
                              : describe(now) + QStringLiteral(" / was ") + describe(was);
        };

        // The right edge dragged in and out again by the same distance.
        const QPoint edge(form->geometry().right(), form->geometry().top() + 200);
        QVERIFY(xdotool(pointerDrag(edge, edge - QPoint(80, 0))));
        QTRY_COMPARE_WITH_TIMEOUT(form->width(), start.window.width() - 80, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(placement().titles, start.titles, kTimeout);
        const QPoint back(form->geometry().right(), edge.y());
        QVERIFY(xdotool(pointerDrag(back, back + QPoint(80, 0))));
        QTRY_COMPARE_WITH_TIMEOUT(form->width(), start.window.width(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(same(placement(), start), QString(), kTimeout);

        // Maximised and restored from the title bar.
        doubleClickTitleBar();
        QTRY_VERIFY_WITH_TIMEOUT(form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            form->Frame()->MenuBar()->width(), form->Frame()->width(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(placement().titles, start.titles, kTimeout);
        doubleClickTitleBar();
        QTRY_VERIFY_WITH_TIMEOUT(!form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(same(placement(), start), QString(), kTimeout);

        // Every style twice, the second time in the reverse order, so that each style follows
        // another one than the first time. Custom keeps whatever the style before it drew, so
        // only the window's size is compared for it.
        QList<TzynUIStyle> order = TGalleryForm::Styles();
        QHash<int, Placement> seen;
        for (int round = 0; round < 2; ++round) {
            for (TzynUIStyle style : order) {
                form->ChooseStyle(style);
                QCoreApplication::processEvents();
                const Placement now = placement();
                QVERIFY2(now.window == start.window, qPrintable(describe(now)));
                if (style == TzynUIStyle::Custom)
                    continue;
                // The shown page starts under the tab row and fills the page control.
                QCOMPARE(now.page.bottom(), now.pages.bottom());
                QCOMPARE(now.page.top() - now.pages.top(), form->Pages()->Strip()->height());
                if (round == 0)
                    seen.insert(int(style), now);
                else
                    QVERIFY2(now == seen.value(int(style)),
                        qPrintable(QStringLiteral("style %1: ").arg(int(style))
                            + same(now, seen.value(int(style)))));
            }
            std::reverse(order.begin(), order.end());
        }
        // Back in the first style, everything is as it was at the start.
        form->ChooseStyle(TzynUIStyle::DeepBlue);
        QCoreApplication::processEvents();
        QCOMPARE(same(placement(), start), QString());
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    tst_GalleryStylesWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery_styles_window.moc"
