#pragma once

#include <QString>

class TGalleryForm;

// Shows the gallery and, for each family's page, chooses each style in the order of the style
// buttons and saves what the screen shows of the window as "<dir>/gallery-<Style>-<Family>.png"
// (the first page also as "<dir>/gallery-<Style>.png"), then a contact sheet of them all as
// "<dir>/gallery-contact-sheet.png", and one of the last style with the Edit menu open as
// "<dir>/gallery-menu-open.png"; then the same set at 200 % (device pixel ratio 2) in
// "<dir>/200". Needs a display. Returns the process's exit code and
// sets error for a failure.
int WriteGalleryScreenshots(TGalleryForm &form, const QString &dir, QString *error);
