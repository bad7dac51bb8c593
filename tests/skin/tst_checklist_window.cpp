// A check list box laid out in columns, on a window of the display and driven by the real
// pointer and keyboard (xdotool): every row, in whichever column, shows its mark at its own
// left; a click on that mark toggles it, a click on its text only makes it current, and Space
// toggles the current row's mark.

#include "RealPointer.h"
#include "TzynCheckListBox.h"
#include "ZYNControlUtils.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

bool clickAt(const QPoint &global)
{
    return xdotool(
        { QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
            QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1") });
}

} // namespace

class tst_CheckListWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> form;
    TzynCheckListBox *checks = nullptr;

    // The first row of the last column laid out.
    int lastColumnRow() const
    {
        int found = 0;
        for (int i = 0; i < checks->count(); ++i) {
            if (checks->visualItemRect(checks->item(i)).left()
                > checks->visualItemRect(checks->item(found)).left())
                found = i;
        }
        while (found > 0
            && checks->visualItemRect(checks->item(found - 1)).left()
                == checks->visualItemRect(checks->item(found)).left())
            --found;
        return found;
    }

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<QWidget>();
        form->setGeometry(120, 120, 460, 200);
        checks = new TzynCheckListBox(form.get());
        checks->setGeometry(10, 10, 440, 110);
        checks->setUIStyle(TzynUIStyle::WinXP);
        checks->setColumns(3);
        QStringList items;
        for (int i = 0; i < 14; ++i)
            items << QStringLiteral("entry %1").arg(i);
        checks->Items()->setLines(items);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void marksAreDrawnInEveryColumn()
    {
        const int row = lastColumnRow();
        QVERIFY(row > 0);
        checks->setChecked(row, true);
        const QRect rect = checks->visualItemRect(checks->item(row));
        QVERIFY(rect.left() > TzynCheckListBox::MarkAreaWidth);
        // The mark two pixels in from the row's own left, level with its text; the row of the
        // first column beside it keeps its own, unchecked mark.
        const QPoint at(rect.left() + TzynCheckListBox::MarkLeft, checks->MarkOrigin(rect).y());
        QCOMPARE(checks->MarkOrigin(rect), at);
        auto markAt = [&](const QPoint &origin) {
            return checks->viewport()
                ->grab()
                .toImage()
                .convertToFormat(QImage::Format_RGB32)
                .copy(QRect(origin, QSize(11, 11)));
        };
        QTRY_COMPARE(markAt(at), ThemeImage("WINXP_CHECKLIST_CHECK"));
        QCOMPARE(markAt(QPoint(TzynCheckListBox::MarkLeft, at.y())),
            ThemeImage("WINXP_CHECKLIST_UNCHECK"));
        const QRect below = checks->visualItemRect(checks->item(row + 1));
        QCOMPARE(markAt(checks->MarkOrigin(below)), ThemeImage("WINXP_CHECKLIST_UNCHECK"));
    }

    void aClickOnAMarkInAnyColumnTogglesIt()
    {
        QSignalSpy toggles(checks, &TzynCheckListBox::OnClickCheck);
        const int row = lastColumnRow() + 1;
        const QRect rect = checks->visualItemRect(checks->item(row));
        QVERIFY(rect.left() > TzynCheckListBox::MarkAreaWidth);
        const QPoint mark = checks->MarkArea(rect).center();
        QVERIFY(clickAt(checks->viewport()->mapToGlobal(mark)));
        QTRY_VERIFY_WITH_TIMEOUT(checks->Checked(row), kTimeout);
        QCOMPARE(toggles.count(), 1);
        // Only that row.
        for (int i = 0; i < checks->count(); ++i)
            QCOMPARE(checks->Checked(i), i == row);

        // A click on the text of another row of that column makes it current, no more.
        const int other = lastColumnRow();
        const QRect otherRect = checks->visualItemRect(checks->item(other));
        QVERIFY(otherRect.left() > 0);
        QVERIFY(clickAt(checks->viewport()->mapToGlobal(QPoint(
            otherRect.left() + TzynCheckListBox::MarkAreaWidth + 20, otherRect.center().y()))));
        QTRY_COMPARE_WITH_TIMEOUT(checks->currentRow(), other, kTimeout);
        QVERIFY(!checks->Checked(other));
        QCOMPARE(toggles.count(), 1);

        // Space toggles the current row's mark.
        QVERIFY(xdotool({ QStringLiteral("key"), QStringLiteral("space") }));
        QTRY_VERIFY_WITH_TIMEOUT(checks->Checked(other), kTimeout);
        QCOMPARE(toggles.count(), 2);
        // And the mark clicked before toggles back.
        QVERIFY(clickAt(checks->viewport()->mapToGlobal(mark)));
        QTRY_VERIFY_WITH_TIMEOUT(!checks->Checked(row), kTimeout);
        QCOMPARE(toggles.count(), 3);
    }
};

QTEST_MAIN(tst_CheckListWindow)
#include "tst_checklist_window.moc"
