// Popups and selections wear the style: lists, trees, check lists and the combo box's list
// select in the style's one highlight (its menus'); the combo box's list draws its rows as
// the menus do and opens below its field in both kinds; a menu's check mark stays readable on
// the highlight.

#include "TForm.h"
#include "TMenuItem.h"
#include "TzynCheckListBox.h"
#include "TzynComboBox.h"
#include "TzynEdit.h"
#include "TzynForm.h"
#include "TzynListBox.h"
#include "TzynMainMenu.h"
#include "TzynMemo.h"
#include "TzynMenuPaintStyle.h"
#include "TzynTreeView.h"
#include "ZYNStylePropagation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using S = TzynUIStyle;
using E = TzynThemeEntry;
Q_DECLARE_METATYPE(TzynUIStyle)

namespace {

QColor highlightOf(S style)
{
    return toQColor(GetThemeColor(style, E::MainMenuSelectedColor));
}

void styles()
{
    QTest::addColumn<S>("style");
    QTest::newRow("MacOS") << S::MacOS;
    QTest::newRow("WinXP") << S::WinXP;
    QTest::newRow("DeepBlue") << S::DeepBlue;
    QTest::newRow("Protein") << S::Protein;
    QTest::newRow("BlueGlass") << S::BlueGlass;
}

} // namespace

class tst_PopupLooks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selectionsTakeTheMenuHighlight_data() { styles(); }
    void selectionsTakeTheMenuHighlight()
    {
        QFETCH(S, style);
        QWidget window;
        window.resize(400, 300);
        auto *list = new TzynListBox(&window);
        list->setGeometry(10, 10, 120, 80);
        list->addItems({ QStringLiteral("one"), QStringLiteral("two") });
        auto *tree = new TzynTreeView(&window);
        tree->setGeometry(140, 10, 120, 80);
        auto *checks = new TzynCheckListBox(&window);
        checks->setGeometry(270, 10, 120, 80);
        checks->addItems({ QStringLiteral("one"), QStringLiteral("two") });
        auto *combo = new TzynComboBox(&window);
        combo->setGeometry(10, 120, 120, 21);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ApplyUIStyleToChildren(&window, style);

        for (QWidget *view : { static_cast<QWidget *>(list), static_cast<QWidget *>(tree),
                 static_cast<QWidget *>(checks), static_cast<QWidget *>(combo->view()) }) {
            QCOMPARE(
                view->palette().color(QPalette::Active, QPalette::Highlight), highlightOf(style));
            // The tree hides its selection without the focus (HideSelection), as it did.
            if (view != tree)
                QCOMPARE(view->palette().color(QPalette::Inactive, QPalette::Highlight),
                    highlightOf(style));
            QCOMPARE(view->palette().color(QPalette::Active, QPalette::HighlightedText),
                toQColor(GetThemeColor(style, E::MainMenuSelectedFontColor)));
        }
        // Drawn: the selected row of the list is filled with it.
        list->setCurrentRow(1);
        list->setFocus();
        const QRect row = list->visualItemRect(list->item(1));
        const QImage shot = list->viewport()->grab().toImage();
        // The platform style shades the fill a little from top to bottom.
        const QColor drawn(shot.pixel(row.right() - 4, row.center().y()));
        const QColor wanted = highlightOf(style);
        QVERIFY2(qAbs(drawn.red() - wanted.red()) <= 12
                && qAbs(drawn.green() - wanted.green()) <= 12
                && qAbs(drawn.blue() - wanted.blue()) <= 12,
            qPrintable(drawn.name() + QStringLiteral(" is not ") + wanted.name()));
    }

    void comboListOpensBelowAndDrawsAsMenus_data() { styles(); }
    void comboListOpensBelowAndDrawsAsMenus()
    {
        QFETCH(S, style);
        for (const auto kind :
            { TzynCustomComboBox::csDropDownList, TzynCustomComboBox::csDropDown }) {
            QWidget window;
            window.setGeometry(100, 100, 300, 200);
            auto *combo = new TzynComboBox(&window);
            combo->setGeometry(20, 20, 150, 21);
            combo->setStyle(kind);
            combo->setItems(
                { QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma") });
            combo->setItemIndex(2);
            combo->setUIStyle(style);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            static_cast<QComboBox *>(combo)->showPopup();
            QWidget *popup = combo->view()->window();
            QTRY_VERIFY(popup->isVisible());
            // Below the field, not over it (the list-style box used to cover its field).
            const int fieldBottom = combo->mapToGlobal(QPoint(0, combo->height())).y();
            QVERIFY2(popup->geometry().top() >= fieldBottom - 1,
                qPrintable(QStringLiteral("list top %1, field bottom %2")
                               .arg(popup->geometry().top())
                               .arg(fieldBottom)));
            // The current row in the menu's selected colour, another in the menu's colour
            // (MacOS draws both from its menu pictures instead).
            QAbstractItemView *view = combo->view();
            const QImage shot = view->viewport()->grab().toImage();
            const QRect current = view->visualRect(view->currentIndex());
            const QRect other = view->visualRect(combo->model()->index(0, 0));
            if (style != S::MacOS) {
                QCOMPARE(QColor(shot.pixel(current.right() - 3, current.center().y())),
                    highlightOf(style));
                QCOMPARE(QColor(shot.pixel(other.right() - 3, other.center().y())),
                    toQColor(GetThemeColor(style, E::MainMenuColor)));
            } else {
                QVERIFY(shot.pixel(current.right() - 3, current.center().y())
                    != shot.pixel(other.right() - 3, other.center().y()));
            }
            static_cast<QComboBox *>(combo)->hidePopup();
        }
    }

    // A checked item's mark on the highlight is in the selected text's colour; off the
    // highlight it keeps its own dark colour.
    void checkMarkReadableOnTheHighlight_data() { styles(); }
    void checkMarkReadableOnTheHighlight()
    {
        QFETCH(S, style);
        TzynMainMenu menu;
        menu.setUIStyle(style);
        auto *item = new TMenuItem(&menu);
        item->setCaption(QStringLiteral("Checked"));
        item->setChecked(true);
        menu.Items()->Add(item);
        auto paint = [&](bool selected) {
            QImage image(120, 21, QImage::Format_RGB32);
            image.fill(Qt::magenta);
            QPainter canvas(&image);
            menu.PaintSkinnedMenuItem(item, canvas, image.rect(), selected);
            return image;
        };
        const QColor markColour = toQColor(GetThemeColor(style, E::MainMenuSelectedFontColor));
        auto markPixels = [&](const QImage &image, const QColor &colour) {
            int count = 0;
            for (int y = 3; y < 19; ++y)
                for (int x = 4; x < 20; ++x)
                    count += QColor(image.pixel(x, y)) == colour;
            return count;
        };
        // The mark covers a good part of its 16x16 cell in the selected text colour.
        QVERIFY(markPixels(paint(true), markColour) >= 12);
        // Unselected, the mark is not drawn in that colour (white would vanish on white).
        if (style != S::WinXP)
            QVERIFY(markPixels(paint(false), markColour) < 12);
    }

    // The edit's and the memo's context menus are drawn in the frame's menu style.
    void contextMenusWearTheFramesMenuStyle_data() { styles(); }
    void contextMenusWearTheFramesMenuStyle()
    {
        QFETCH(S, style);
        TForm host;
        host.setGeometry(100, 100, 400, 300);
        auto *frame = new TzynForm(&host);
        frame->setUIStyle(style);
        auto *edit = new TzynEdit(frame);
        edit->setGeometry(10, 40, 150, 21);
        edit->setText(QStringLiteral("some text"));
        auto *memo = new TzynMemo(frame);
        memo->setGeometry(10, 80, 150, 80);
        memo->setPlainText(QStringLiteral("some lines"));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        for (QWidget *target : { static_cast<QWidget *>(edit), static_cast<QWidget *>(memo) }) {
            QWidget *receiver = target == memo ? memo->viewport() : target;
            QContextMenuEvent event(
                QContextMenuEvent::Mouse, QPoint(5, 5), receiver->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(receiver, &event);
            QMenu *menu = nullptr;
            QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
            QCOMPARE(menu->style(), TzynMenuPaintStyle::forStyle(style));
            // "Select All" is enabled in both; highlighted, it shows the menus' highlight.
            QAction *selectAll = menu->actions().constLast();
            QVERIFY(selectAll->isEnabled());
            menu->setActiveAction(selectAll);
            const QImage shot = menu->grab().toImage();
            const QRect row = menu->actionGeometry(selectAll);
            QCOMPARE(row.height(), GetThemeInt(style, E::MainMenuItemHeight));
            if (style != S::MacOS)
                QCOMPARE(QColor(shot.pixel(row.right() - 3, row.center().y())), highlightOf(style));
            menu->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
    }
};

QTEST_MAIN(tst_PopupLooks)
#include "tst_popup_looks.moc"
