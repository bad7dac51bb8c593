// The skinned main menu: its style's values, the measured rows, each step of painting an item
// (separator, selected, disabled, checked with and without an image) pixel by pixel, the flat
// border of an open menu, and an open drop-down laid out and drawn by the menu.

#include "TFont.h"
#include "TForm.h"
#include "TImageList.h"
#include "TMenuItem.h"
#include "TzynForm.h"
#include "TzynMainMenu.h"
#include "ZYNDraw.h"
#include "ZYNMenu.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QtTest>

namespace {

constexpr QRgb kBackdrop = 0xFF123456;

QRgb rgb(TColor color)
{
    return toQColor(color).rgb();
}

TMenuItem *makeItem(const QString &caption)
{
    auto *item = new TMenuItem;
    item->setCaption(caption);
    return item;
}

} // namespace

class tst_Menu : public QObject {
    Q_OBJECT

    std::unique_ptr<TzynMainMenu> menu;
    std::vector<std::unique_ptr<TMenuItem>> items;

    TMenuItem *item(const QString &caption)
    {
        items.emplace_back(makeItem(caption));
        return items.back().get();
    }

    QImage paint(const TMenuItem *it, bool selected, QSize size = QSize(160, 21))
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(kBackdrop);
        QPainter canvas(&image);
        menu->PaintSkinnedMenuItem(it, canvas, QRect(QPoint(0, 0), size), selected);
        return image;
    }

    static int count(const QImage &image, const QRect &area, QRgb color)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixel(x, y) == color;
        return n;
    }

    static int countLight(const QImage &image, const QRect &area)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += qGray(image.pixel(x, y)) > 200;
        return n;
    }

private Q_SLOTS:
    void init()
    {
        menu.reset(new TzynMainMenu);
        menu->setUIStyle(TzynUIStyle::DeepBlue);
    }
    void cleanup()
    {
        items.clear();
        menu.reset();
    }

    void constructionAndStyles()
    {
        TzynMainMenu fresh;
        // Without a form, the style of no frame.
        QCOMPARE(fresh.UIStyle(), TzynUIStyle::DeepBlue);
        QVERIFY(fresh.OwnerDraw());
        fresh.setOwnerDraw(false);
        QVERIFY(fresh.OwnerDraw());
        QVERIFY(fresh.UseSystemFont());
        QCOMPARE(fresh.FontName(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(fresh.CheckImages()->Count(), 1);

        fresh.setUIStyle(TzynUIStyle::MacOS);
        QCOMPARE(fresh.MenuItemHeight(), 20);
        QCOMPARE(fresh.SeparatorHeight(), 12);
        QCOMPARE(fresh.BarWidth(), 26);
        QCOMPARE(fresh.SelectedColor(), TColor(0xC47339));
        QCOMPARE(fresh.SelectedBorderColor(), TColor(0xC47339));
        QCOMPARE(fresh.SelectedFontColor(), TColor(0xFFFFFF));
        QCOMPARE(fresh.BorderColor(), TColor(0x7F7F7F));
        fresh.setUIStyle(TzynUIStyle::WinXP);
        QCOMPARE(fresh.SelectedColor(), TColor(0xEFD3C6));
        QCOMPARE(fresh.SeparatorHeight(), 5);
        // Custom keeps what the menu has.
        fresh.setColor(0x0000FF);
        fresh.setUIStyle(TzynUIStyle::Custom);
        QCOMPARE(fresh.Color(), TColor(0x0000FF));
        QCOMPARE(fresh.SelectedColor(), TColor(0xEFD3C6));

        // On a form, the style of the form's frame; and the frame shows the menu.
        TForm form;
        auto *frame = new TzynForm(&form);
        frame->setUIStyle(TzynUIStyle::Protein);
        auto *onForm = new TzynMainMenu(&form);
        QCOMPARE(onForm->UIStyle(), TzynUIStyle::Protein);
        QCOMPARE(onForm->Frame(), frame);
        QCOMPARE(frame->Menu(), onForm);
    }

    void imagesReadNoneWhileTheCheckImagesAreUsed()
    {
        QVERIFY(!menu->Images());
        TImageList list;
        menu->setImages(&list);
        QCOMPARE(menu->Images(), &list);
        menu->setImages(nullptr);
        QVERIFY(!menu->Images());
        menu->setImages(menu->CheckImages());
        QVERIFY(!menu->Images());
    }

    void macHeightsAreFixed()
    {
        menu->setUIStyle(TzynUIStyle::MacOS);
        menu->setMenuItemHeight(30);
        menu->setSeparatorHeight(9);
        QCOMPARE(menu->MenuItemHeight(), 20);
        QCOMPARE(menu->SeparatorHeight(), 12);
        QCOMPARE(menu->MeasureMenuItem(item(QStringLiteral("-"))).height(), 12);
        QCOMPARE(menu->MeasureMenuItem(item(QStringLiteral("Open"))).height(), 20);
        menu->setUIStyle(TzynUIStyle::Custom);
        menu->setMenuItemHeight(30);
        menu->setSeparatorHeight(9);
        QCOMPARE(menu->MenuItemHeight(), 30);
        QCOMPARE(menu->SeparatorHeight(), 9);
    }

    void measuresCaptionShortcutAndBar()
    {
        TMenuItem *open = item(QStringLiteral("&Open"));
        open->setShortCut(QStringLiteral("Ctrl+O"));
        const QFontMetrics metrics(menu->ItemFont());
        const int expected = metrics.horizontalAdvance(QStringLiteral("&Open"))
            + metrics.horizontalAdvance(open->ShortCutText()) + 26 + 40;
        QCOMPARE(menu->MeasureMenuItem(open), QSize(expected, 21));
        // A separator is an item whose caption is exactly "-".
        QCOMPARE(menu->MeasureMenuItem(item(QStringLiteral("-"))).height(), 5);
        QCOMPARE(menu->MeasureMenuItem(item(QStringLiteral("--"))).height(), 21);
        // The default item is written, and measured, in bold.
        TMenuItem *bold = item(QStringLiteral("Open the file"));
        const int plain = menu->MeasureMenuItem(bold).width();
        bold->setDefault(true);
        QVERIFY(menu->MeasureMenuItem(bold).width() > plain);
    }

    void menuFontIsTheDesktopsOrItsOwn()
    {
        TFont font;
        QVERIFY(UseSystemMenuFont(font));
        QCOMPARE(font.Name(), QApplication::font("QMenu").family());
        QCOMPARE(font.Color(), Colors::clMenuText);
        QCOMPARE(menu->ItemFont().family(), QApplication::font("QMenu").family());
        menu->setUseSystemFont(false);
        menu->setFontName(QStringLiteral("Tahoma"));
        menu->setFontSize(12);
        QCOMPARE(menu->ItemFont().family(), TFont::mapFamily(QStringLiteral("Tahoma")));
        QCOMPARE(menu->ItemFont().pixelSize(), 16);
    }

    void separatorIsBarFillAndLine()
    {
        const QImage image = paint(item(QStringLiteral("-")), true, QSize(160, 5));
        const QRgb bar = rgb(menu->BarColor()), fill = rgb(menu->Color());
        QCOMPARE(image.pixel(0, 0), bar);
        QCOMPARE(image.pixel(25, 4), bar);
        QCOMPARE(image.pixel(26, 0), fill);
        QCOMPARE(image.pixel(159, 4), fill);
        // The line runs from bar width + 4 to right - 2, its end pixel left out.
        QCOMPARE(image.pixel(29, 2), fill);
        QCOMPARE(image.pixel(30, 2), rgb(menu->SeparatorColor()));
        QCOMPARE(image.pixel(157, 2), rgb(menu->SeparatorColor()));
        QCOMPARE(image.pixel(158, 2), fill);
        QCOMPARE(count(image, image.rect(), rgb(menu->SeparatorColor())), 128);
        // Selected or not, a separator shows no selection.
        QCOMPARE(paint(item(QStringLiteral("-")), false, QSize(160, 5)), image);
    }

    void macSeparatorIsTheBarPicture()
    {
        menu->setUIStyle(TzynUIStyle::MacOS);
        const QImage image = paint(item(QStringLiteral("-")), false, QSize(80, 12));
        const QImage picture = ThemeImage(QStringLiteral("MACOS_MENU_BAR"));
        for (int y = 0; y < 12; ++y)
            QCOMPARE(image.pixel(40, y), picture.pixel(0, y));
    }

    void disabledItemShowsNoSelection()
    {
        TMenuItem *paste = item(QStringLiteral("Paste"));
        paste->setEnabled(false);
        const QImage selected = paint(paste, true);
        QCOMPARE(selected, paint(paste, false));
        QCOMPARE(selected.pixel(1, 1), rgb(menu->BarColor()));
        QCOMPARE(selected.pixel(150, 1), rgb(menu->Color()));
        QCOMPARE(count(selected, selected.rect(), rgb(menu->SelectedColor())), 0);
        // Grey text.
        QVERIFY(count(selected, QRect(30, 4, 60, 15), 0xFF808080) > 5);
        QCOMPARE(count(selected, QRect(30, 4, 60, 15), rgb(menu->FontColor())), 0);
    }

    void selectedItemIsFilledAndFramed()
    {
        TMenuItem *open = item(QStringLiteral("Open"));
        const QImage image = paint(open, true);
        QCOMPARE(image.pixel(0, 0), rgb(menu->SelectedBorderColor()));
        QCOMPARE(image.pixel(159, 20), rgb(menu->SelectedBorderColor()));
        QCOMPARE(image.pixel(1, 1), rgb(menu->SelectedColor()));
        // White text (smoothed at its edges) from bar width + 4 on.
        QVERIFY(countLight(image, QRect(30, 4, 40, 15)) > 5);
        QCOMPARE(countLight(image, QRect(2, 2, 27, 17)), 0);
    }

    void checkedItemWithoutImageShowsTheMark()
    {
        TMenuItem *wrap = item(QStringLiteral("Wrap"));
        wrap->setChecked(true);
        const QImage mark = ThemeImage(QStringLiteral("MENU_CHECKED"));
        for (bool enabled : { true, false }) {
            wrap->setEnabled(enabled);
            const QImage image = paint(wrap, false);
            const QImage expected = enabled ? mark : GreyedImage(mark);
            int markPixels = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    // White is the key: the row's background shows there.
                    const QRgb want = mark.pixel(x, y) == 0xFFFFFFFF
                        ? rgb(x + 4 < 26 ? menu->BarColor() : menu->Color())
                        : expected.pixel(x, y);
                    QCOMPARE(image.pixel(x + 4, y + 3), want);
                    markPixels += mark.pixel(x, y) != 0xFFFFFFFF;
                }
            }
            QVERIFY(markPixels > 10);
        }
    }

    void checkedItemWithImageShowsItInABox()
    {
        TImageList list;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        list.Add(red);
        menu->setImages(&list);
        TMenuItem *bold = item(QStringLiteral("Bold"));
        bold->setImageIndex(0);
        bold->setChecked(true);
        const QImage image = paint(bold, false);
        // Frame (2, 1)-(21, 20) in black, filled (3, 2)-(20, 19) with the selection colour,
        // the image at (4, 3) over it.
        QCOMPARE(image.pixel(2, 1), 0xFF000000);
        QCOMPARE(image.pixel(20, 19), 0xFF000000);
        QCOMPARE(image.pixel(21, 19), rgb(menu->BarColor()));
        QCOMPARE(image.pixel(3, 2), rgb(menu->SelectedColor()));
        QCOMPARE(image.pixel(19, 2), rgb(menu->SelectedColor()));
        QCOMPARE(image.pixel(4, 3), 0xFFFF0000);
        QCOMPARE(image.pixel(19, 18), 0xFFFF0000);
        QCOMPARE(image.pixel(20, 18), 0xFF000000);
        QCOMPARE(image.pixel(21, 18), rgb(menu->BarColor()));
        // Unchecked: the image without a box.
        bold->setChecked(false);
        const QImage unchecked = paint(bold, false);
        QCOMPARE(unchecked.pixel(3, 2), rgb(menu->BarColor()));
        QCOMPARE(unchecked.pixel(4, 3), 0xFFFF0000);
        // Disabled: greyed.
        bold->setEnabled(false);
        QCOMPARE(paint(bold, false).pixel(4, 3), GreyedImage(red).pixel(0, 0));
        // An index the list does not hold is no image: the checked mark shows instead.
        bold->setEnabled(true);
        bold->setImageIndex(1);
        bold->setChecked(true);
        const QImage missing = paint(bold, false);
        QCOMPARE(missing.pixel(2, 1), rgb(menu->BarColor()));
        QVERIFY(count(missing, QRect(4, 3, 16, 16), 0xFFFF0000) == 0);
    }

    void flatBorderOverTheMenuEdge()
    {
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(kBackdrop);
        QPainter canvas(&image);
        DrawFlatMenuBorder(canvas, image.rect(), 0x0000FF, 0x00FF00);
        canvas.end();
        const QRgb border = 0xFFFF0000, inner = 0xFF00FF00, white = 0xFFFFFFFF;
        QCOMPARE(image.pixel(0, 0), kBackdrop);
        QCOMPARE(image.pixel(1, 0), inner);
        QCOMPARE(image.pixel(39, 0), inner);
        QCOMPARE(image.pixel(0, 1), border);
        QCOMPARE(image.pixel(0, 28), border);
        QCOMPARE(image.pixel(38, 10), border);
        QCOMPARE(image.pixel(1, 2), white);
        QCOMPARE(image.pixel(37, 10), white);
        QCOMPARE(image.pixel(36, 10), kBackdrop);
        QCOMPARE(image.pixel(10, 27), white);
        QCOMPARE(image.pixel(10, 28), border);
        QCOMPARE(image.pixel(0, 29), inner);
        QCOMPARE(image.pixel(38, 29), inner);
        QCOMPARE(image.pixel(39, 29), inner);
        QCOMPARE(image.pixel(39, 15), inner);
        QCOMPARE(image.pixel(2, 3), kBackdrop);
    }

    void openMenuIsLaidOutAndDrawnByTheMenu()
    {
        TMenuItem *file = makeItem(QStringLiteral("&File"));
        menu->Items()->Add(file);
        TMenuItem *open = makeItem(QStringLiteral("&Open"));
        file->Add(open);
        file->Add(makeItem(QStringLiteral("-")));
        file->Add(makeItem(QStringLiteral("E&xit")));
        menu->setFlatMenu(true);
        QMenu *popup = file->popup();
        popup->popup(QPoint(10, 10));
        QTRY_VERIFY(popup->isVisible());
        const QList<QAction *> actions = popup->actions();
        QCOMPARE(popup->actionGeometry(actions[0]), QRect(3, 3, popup->width() - 6, 21));
        QCOMPARE(popup->actionGeometry(actions[1]).height(), 5);
        QCOMPARE(popup->height(), 21 + 5 + 21 + 6);
        QVERIFY(popup->width() >= menu->MeasureMenuItem(open).width() + 6);
        popup->setActiveAction(actions[2]);
        const QImage grab = popup->grab().toImage();
        // The rows as the menu paints them, the selected one filled, and the flat border.
        QCOMPARE(grab.pixel(3, 3), rgb(menu->BarColor()));
        QCOMPARE(grab.pixel(32, 26), rgb(menu->Color()));
        QCOMPARE(grab.pixel(33, 26), rgb(menu->SeparatorColor()));
        QCOMPARE(grab.pixel(3, 29), rgb(menu->SelectedBorderColor()));
        QCOMPARE(grab.pixel(5, 31), rgb(menu->SelectedColor()));
        QCOMPARE(grab.pixel(0, 1), rgb(menu->BorderColor()));
        QCOMPARE(grab.pixel(1, 2), 0xFFFFFFFF);
        // A new height is taken by the open menu.
        menu->setMenuItemHeight(25);
        QTRY_COMPARE(popup->actionGeometry(actions[0]).height(), 25);
        popup->close();
    }
};

QTEST_MAIN(tst_Menu)
#include "tst_menu.moc"
