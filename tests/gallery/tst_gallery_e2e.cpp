// The skin gallery used as a person uses it, with a real pointer and real keys under a window
// manager: resized by an edge, maximised and restored from the title bar, every style chosen
// twice from its button; each family's controls keep their places and none is clipped or
// overlaps another. At the smallest size the window allows, every page is reached by clicking
// its tab and from the keyboard.

#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "GalleryPlacement.h"
#include "RealPointer.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TFont.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"
#include "TzynForm.h"
#include "TzynRadioButton.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"

#include <QScreen>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 20000;

// The controls whose places differ, for a failure's message.
QString differences(
    const QList<QHash<QString, QRect>> &now, const QList<QHash<QString, QRect>> &then)
{
    QStringList names;
    for (int i = 0; i < now.size() && i < then.size(); ++i) {
        for (auto it = now[i].cbegin(); it != now[i].cend(); ++it) {
            if (then[i].value(it.key()) != it.value())
                names << QStringLiteral("%1 %2,%3 %4x%5 was %6,%7 %8x%9")
                             .arg(it.key())
                             .arg(it.value().x())
                             .arg(it.value().y())
                             .arg(it.value().width())
                             .arg(it.value().height())
                             .arg(then[i].value(it.key()).x())
                             .arg(then[i].value(it.key()).y())
                             .arg(then[i].value(it.key()).width())
                             .arg(then[i].value(it.key()).height());
        }
    }
    return names.mid(0, 8).join(QStringLiteral("; "));
}

QString n(int v)
{
    return QString::number(v);
}

bool clickAt(const QPoint &global)
{
    return xdotool(
        { QStringLiteral("mousemove"), n(global.x()), n(global.y()), QStringLiteral("sleep"),
            QStringLiteral("0.1"), QStringLiteral("click"), QStringLiteral("1") });
}

} // namespace

class tst_GalleryE2E : public QObject {
    Q_OBJECT

    std::unique_ptr<TGalleryForm> form;

    // Where every family's controls stand, each family's page shown in turn (a hidden page
    // takes its size when it is shown).
    QList<QHash<QString, QRect>> places()
    {
        QList<QHash<QString, QRect>> result;
        const int shown = form->Pages()->CurrentTabIndex();
        for (int i = 0; i < form->Families().size(); ++i) {
            form->ShowFamily(i);
            result << placesIn(form->Families()[i]);
        }
        form->ShowFamily(shown);
        return result;
    }

    // Every family, its page shown, with nothing clipped or overlapping.
    void checkEveryFamily(const char *when)
    {
        const int shown = form->Pages()->CurrentTabIndex();
        QCOMPARE(form->Pages()->geometry(), form->FamilyArea()->geometry());
        for (int i = 0; i < form->Families().size(); ++i) {
            form->ShowFamily(i);
            GalleryFamily *family = form->Families()[i];
            QVERIFY2(family->parentWidget()->rect().contains(family->geometry()), when);
            const QString fault = placementFault(family);
            QVERIFY2(
                fault.isEmpty(), qPrintable(QLatin1String(when) + QStringLiteral(": ") + fault));
        }
        form->ShowFamily(shown);
    }

    // The centre of a title-bar button of that type, on the screen.
    QPoint titleButton(TzynTitleBarBtnType type) const
    {
        TzynTitleBar *bar = form->Frame()->TitleBar();
        TzynTitleBarButtons *buttons = form->Frame()->TitleBarButtons();
        for (const auto &place : bar->ButtonLayout(bar->width()).buttons) {
            if (buttons->Items(place.index)->ButtonType() == type)
                return bar->mapToGlobal(place.rect.center());
        }
        return QPoint();
    }

    // The centre of a page's tab, on the screen.
    QPoint tabOf(int index) const
    {
        TzynTabControlTopPanel *strip = form->Pages()->Strip();
        QStringList captions;
        QList<bool> visible;
        for (int i = 0; i < form->Pages()->PageCount(); ++i) {
            captions << form->Pages()->Page(i)->Caption();
            visible << true;
        }
        const QList<int> widths = TzynTabControlTopPanel::TabWidths(
            captions, visible, QFontMetrics(form->Pages()->TabFont()->toQFont()));
        int x = strip->LeftMargin();
        for (int i = 0; i < index; ++i)
            x += widths[i];
        return strip->mapToGlobal(QPoint(x + widths[index] / 2, strip->StripHeight() / 2));
    }

    void goToTheMinimumSize()
    {
        // Both edges dragged far in: the window stops at its minimum.
        const QRect g = form->geometry();
        const QPoint right(g.right(), g.y() + g.height() / 2);
        QVERIFY(xdotool(pointerDrag(right, QPoint(g.x() + 100, right.y()))));
        QTRY_COMPARE_WITH_TIMEOUT(form->width(), form->minimumWidth(), kTimeout);
        const QRect h = form->geometry();
        const QPoint bottom(h.x() + h.width() / 2, h.bottom());
        QVERIFY(xdotool(pointerDrag(bottom, QPoint(bottom.x(), h.y() + 100))));
        QTRY_COMPARE_WITH_TIMEOUT(form->height(), form->minimumHeight(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            form->Pages()->geometry(), form->FamilyArea()->geometry(), kTimeout);
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
        // The window whole on the screen, with room to grow to the right and down.
        form->move(form->screen()->availableGeometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE_WITH_TIMEOUT(
            form->pos(), form->screen()->availableGeometry().topLeft() + QPoint(20, 20), kTimeout);
    }

    void cleanupTestCase() { form.reset(); }

    void placesHoldThroughResizeMaximiseRestoreAndStyles()
    {
        checkEveryFamily("at the window's own size");

        // Wider and taller by its right and bottom edges.
        const QSize start = form->size();
        const QRect g = form->geometry();
        const QPoint right(g.right(), g.y() + g.height() / 2);
        QVERIFY(xdotool(pointerDrag(right, right + QPoint(120, 0))));
        QTRY_COMPARE_WITH_TIMEOUT(form->width(), start.width() + 120, kTimeout);
        const QPoint bottom(g.x() + g.width() / 2, form->geometry().bottom());
        QVERIFY(xdotool(pointerDrag(bottom, bottom + QPoint(0, 60))));
        QTRY_COMPARE_WITH_TIMEOUT(form->height(), start.height() + 60, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            form->Pages()->geometry(), form->FamilyArea()->geometry(), kTimeout);
        checkEveryFamily("resized by its edges");
        const QSize resized = form->size();
        const QList<QHash<QString, QRect>> before = places();

        // Maximised from the title bar's button, then restored by it.
        QVERIFY(clickAt(titleButton(zynMax)));
        QTRY_VERIFY_WITH_TIMEOUT(form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            form->Pages()->geometry(), form->FamilyArea()->geometry(), kTimeout);
        QVERIFY(form->width() > resized.width());
        checkEveryFamily("maximised");
        // The families grew with the window.
        QVERIFY(form->Families()[0]->width() > 0);
        QVERIFY(clickAt(titleButton(zynMax)));
        QTRY_VERIFY_WITH_TIMEOUT(!form->isMaximized(), kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(form->size(), resized, kTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(
            form->Pages()->geometry(), form->FamilyArea()->geometry(), kTimeout);
        checkEveryFamily("restored");
        QVERIFY2(places() == before, qPrintable(differences(places(), before)));

        // Every style from its button, twice round: in each style the controls stand where they
        // stood the first time.
        const TzynUIStyle first = form->ChosenStyle();
        QHash<int, QList<QHash<QString, QRect>>> byStyle;
        for (int round = 0; round < 2; ++round) {
            for (TzynUIStyle style : TGalleryForm::Styles()) {
                TzynRadioButton *button = form->StyleButton(style);
                QVERIFY(clickAt(button->mapToGlobal(button->rect().center())));
                QTRY_COMPARE_WITH_TIMEOUT(form->ChosenStyle(), style, kTimeout);
                const QByteArray when
                    = QByteArray("in ") + QMetaEnum::fromType<TzynUIStyle>().valueToKey(int(style));
                checkEveryFamily(when.constData());
                if (QTest::currentTestFailed())
                    return;
                if (round == 0)
                    byStyle.insert(int(style), places());
                else
                    QVERIFY2(places() == byStyle.value(int(style)),
                        qPrintable(when + ": " + differences(places(), byStyle.value(int(style)))));
            }
        }
        TzynRadioButton *back = form->StyleButton(first);
        QVERIFY(clickAt(back->mapToGlobal(back->rect().center())));
        QTRY_COMPARE_WITH_TIMEOUT(form->ChosenStyle(), first, kTimeout);
        QVERIFY2(places() == before, qPrintable(differences(places(), before)));
    }

    void everyPageByMouseAtTheMinimumSize()
    {
        goToTheMinimumSize();
        QCOMPARE(form->size(), QSize(640, 480));
        checkEveryFamily("at the minimum size");
        const int count = form->Pages()->PageCount();
        for (int step = 1; step <= count; ++step) {
            const int i = step % count;
            QVERIFY(clickAt(tabOf(i)));
            QTRY_COMPARE_WITH_TIMEOUT(form->Pages()->CurrentTabIndex(), i, kTimeout);
            QVERIFY(form->Families()[i]->isVisible());
        }
    }

    void everyPageByKeyboardAtTheMinimumSize()
    {
        QCOMPARE(form->size(), QSize(640, 480));
        form->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(form->isActiveWindow(), kTimeout);
        const int count = form->Pages()->PageCount();
        form->ShowFamily(0);
        for (int step = 1; step <= count; ++step) {
            QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+Tab") }));
            QTRY_COMPARE_WITH_TIMEOUT(form->Pages()->CurrentTabIndex(), step % count, kTimeout);
        }
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+Prior") }));
        QTRY_COMPARE_WITH_TIMEOUT(form->Pages()->CurrentTabIndex(), count - 1, kTimeout);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+shift+Tab") }));
        QTRY_COMPARE_WITH_TIMEOUT(form->Pages()->CurrentTabIndex(), count - 2, kTimeout);
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+Next") }));
        QTRY_COMPARE_WITH_TIMEOUT(form->Pages()->CurrentTabIndex(), count - 1, kTimeout);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    tst_GalleryE2E test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery_e2e.moc"
