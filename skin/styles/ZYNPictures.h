#pragma once

// Keyed and greyed renderings of pictures, prepared once and kept: shared by the skinned
// controls and the skinned menus.

#include <QImage>

// The colour of the top-left pixel, the key of glyphs and user pictures.
QRgb TopLeftKey(const QImage &image);
// The greyed rendering of a disabled picture: grey shades, lightened; transparency is kept.
QImage GreyedImage(const QImage &image);

// A picture as controls draw it: keyed on `key` (every pixel of exactly that colour made
// transparent) when `keyed`, then greyed when `greyed`. Prepared once per picture, key and
// treatment and kept (the picture's cache key changes whenever its pixels do), so painting a
// control does not re-key and re-grey its pictures every time.
QImage PreparedPicture(const QImage &image, bool keyed, QRgb key, bool greyed);
