#include "TzynTitleBarLayout.h"

#include "ZYNDraw.h"

namespace TzynTitleBarLayout {

namespace {

// The icon is 16 pixels square, drawn three pixels in, with room for 21.
constexpr int iconSize = 16;
constexpr int iconInset = 3;
constexpr int iconRoom = 21;
// Room after the control box's picture.
constexpr int controlBoxGap = 5;
// Where a caption starts that has nothing at its left.
constexpr int bareCaptionLeft = 6;

} // namespace

Layout LayoutButtons(int width, const QList<ButtonInput> &buttons, int leftOffset, int rightOffset,
    int interval, bool drawAppIcon)
{
    Layout layout;
    int right = width + 1 + rightOffset;
    int controlBox = -1;
    for (int i = 0; i < buttons.size(); ++i) {
        const ButtonInput &button = buttons.at(i);
        if (!button.visible)
            continue;
        if (button.controlBox) {
            controlBox = i;
            continue;
        }
        right -= button.picture.width() + interval + 1;
        layout.buttons.append({ i, QRect(QPoint(right, button.top), button.picture) });
    }

    int left = leftOffset;
    if (controlBox >= 0) {
        const ButtonInput &button = buttons.at(controlBox);
        layout.buttons.append({ controlBox, QRect(QPoint(left, button.top), button.picture) });
        if (drawAppIcon) {
            layout.appIcon = QRect(left + iconInset, button.top, iconSize, iconSize);
            left += iconRoom;
        } else {
            left += button.picture.width() + controlBoxGap;
        }
    }
    if (left == 0)
        left = bareCaptionLeft;
    layout.captionLeft = left;
    layout.captionRight = right;
    return layout;
}

int HitButton(const Layout &layout, const QPoint &point)
{
    int hot = -1;
    for (const ButtonPlace &place : layout.buttons) {
        if (PtInRectInclusive(point, place.rect))
            hot = place.index;
    }
    return hot;
}

} // namespace TzynTitleBarLayout
