#pragma once

#include <QList>
#include <QRect>

// Where the title bar's buttons, the program's icon and the caption go, as pure functions of
// the bar's width and the buttons' sizes: the paint, the hit-test and the tests all read the
// same rectangles.
namespace TzynTitleBarLayout {

// What the layout needs of one button of the collection.
struct ButtonInput {
    bool visible = true;
    bool controlBox = false;
    QSize picture; // the size of its normal picture
    int top = 0;
};

struct ButtonPlace {
    int index; // in the collection
    QRect rect; // where its picture goes, also its hit rectangle
};

struct Layout {
    // In the order they are drawn: the right-hand buttons from the right edge inwards, then
    // the control box. Where two overlap the later one is under the mouse.
    QList<ButtonPlace> buttons;
    // Where the program's icon goes instead of the control box's picture; empty without.
    QRect appIcon;
    // The caption starts at captionLeft and has the room up to captionRight.
    int captionLeft = 0;
    int captionRight = 0;
};

// The right-hand buttons stand side by side from the right edge (moved by rightOffset), each
// followed by interval + 1 pixels; the control box stands at leftOffset and is followed by
// five pixels, or by the 21 pixels of the 16-pixel icon drawn three pixels in. A caption with
// nothing at its left starts six pixels in.
Layout LayoutButtons(int width, const QList<ButtonInput> &buttons, int leftOffset, int rightOffset,
    int interval, bool drawAppIcon);

// The index of the button under the point (hit rectangles include their right and bottom
// edges); -1 for none.
int HitButton(const Layout &layout, const QPoint &point);

} // namespace TzynTitleBarLayout
