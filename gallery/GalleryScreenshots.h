#pragma once

#include <QString>

class TGalleryForm;

// Shows the gallery and, style by style in the order of the style buttons, saves what the
// screen shows of the window into dir:
//   gallery-<Style>-<Family>.png              every family's page ("gallery-<Style>.png" the first)
//   gallery-<Style>-<Family>-<Page>.png       the other pages and tabs of the page and tab
//                                             controls inside a family (combo boxes, progress bars)
//   gallery-<Style>-<Family>-disabled.png     every family with the Disabled switch on
//   gallery-<Style>-<Family>-focused.png      the focus family with a control focused
//   gallery-<Style>-menu-open.png             the Edit menu open, an item selected
//   gallery-<Style>-combo-open.png            a combo box's list open
//   gallery-<Style>-about.png                 the About box
// then the looks of the focus page's controls (default; normal, hover, pressed, focused) at twice
// their size, a row per style, "gallery-sheet-states.png";
// then one contact sheet per family at half size, "gallery-sheet-<Family>.png" (a column per
// style, a row per picture of the family), and the overview of every family's page at a third,
// "gallery-contact-sheet.png"; then the same set at 200 % (device pixel ratio 2) in "<dir>/200".
// Needs a display. Returns the process's exit code and sets error
// for a failure.
int WriteGalleryScreenshots(TGalleryForm &form, const QString &dir, QString *error);
