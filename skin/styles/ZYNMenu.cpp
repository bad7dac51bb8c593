#include "ZYNMenu.h"
#include "TPictureTwin.h"

#include "TFont.h"
#include "ZYNLooks.h"
#include "ZYNThemes.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>

void FrameColorRect(QPainter &canvas, const QRect &rect, TColor color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QColor c = toQColor(color);
    canvas.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), c);
    canvas.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), c);
    canvas.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), c);
    canvas.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), c);
}

void FillColorRect(QPainter &canvas, const QRect &rect, TColor color)
{
    canvas.fillRect(rect, toQColor(color));
}

void DrawSeparatorLine(QPainter &canvas, const QRect &rect, TColor color, int barWidth)
{
    const int from = rect.left() + barWidth + 4;
    const int to = rect.left() + rect.width() - 2;
    if (to > from)
        canvas.fillRect(QRect(from, rect.top() + 2, to - from, 1), toQColor(color));
}

void DrawMenuPicture(QPainter &canvas, const QRect &rect, const char *picture, int rows)
{
    if (!picture)
        return;
    const QImage image = ThemeImage(QString::fromLatin1(picture));
    TPictureTwin::draw(
        canvas, rect, image, QRect(0, 0, image.width(), std::min(rows, image.height())));
}

void DrawMacSeparator(QPainter &canvas, const QRect &rect, const char *barPicture)
{
    DrawMenuPicture(canvas, rect, barPicture, 12);
}

void DrawMacSelection(QPainter &canvas, const QRect &rect, const char *selectPicture)
{
    DrawMenuPicture(canvas, rect, selectPicture, 20);
}

void DrawMacItem(QPainter &canvas, const QRect &rect, const char *barPicture)
{
    DrawMenuPicture(canvas, rect, barPicture, 20);
}

bool DrawMenuRowBackground(QPainter &canvas, const QRect &rect, TzynUIStyle style, bool selected)
{
    using E = TzynThemeEntry;
    const TzynStyleLook &look = StyleLook(style);
    if (selected) {
        if (look.menuSelectPicture) {
            DrawMacSelection(canvas, rect, look.menuSelectPicture);
        } else {
            FillColorRect(canvas, rect, GetThemeColor(style, E::MainMenuSelectedColor));
            FrameColorRect(canvas, rect, GetThemeColor(style, E::MainMenuSelectedBorderColor));
        }
        return true;
    }
    if (look.menuBarPicture) {
        DrawMacItem(canvas, rect, look.menuBarPicture);
        return true;
    }
    return false;
}

void DrawFlatMenuBorder(
    QPainter &canvas, const QRect &window, TColor borderColor, TColor innerColor)
{
    const int l = window.left(), t = window.top();
    const int r = l + window.width(), b = t + window.height();
    FrameColorRect(canvas, QRect(QPoint(l, t + 1), QPoint(r - 2, b - 2)), borderColor);
    FrameColorRect(canvas, QRect(QPoint(l + 1, t + 2), QPoint(r - 3, b - 3)), Colors::clWhite);
    // The line's pieces, each without its end point: the bottom row, the right column, the
    // top-right pixel and the top row.
    const QColor inner = toQColor(innerColor);
    canvas.fillRect(QRect(l, b - 1, r - 1 - l, 1), inner);
    canvas.fillRect(QRect(r - 1, t + 1, 1, b - 1 - t), inner);
    canvas.fillRect(QRect(r - 1, t, 1, 1), inner);
    canvas.fillRect(QRect(l + 1, t, r - 1 - l, 1), inner);
}

bool UseSystemMenuFont(TFont &font)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    // The platform theme's menu font; Qt falls back to the desktop's general font.
    const QFont menuFont = QApplication::font("QMenu");
    if (menuFont.family().isEmpty())
        return false;
    font.setName(menuFont.family());
    font.setHeight(-QFontInfo(menuFont).pixelSize());
    font.setStyle({});
    font.setColor(Colors::clMenuText);
    return true;
}
