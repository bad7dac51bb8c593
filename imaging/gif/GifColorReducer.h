#pragma once

#include <QImage>

// Turns a picture deeper than 8 bits into an 8-bit palette image for GIF encoding.
//
// Pictures with at most 256 distinct colours keep them exactly (palette in order of first
// appearance). Others are reduced by median cut over a 15-bit colour histogram: the box with
// the widest channel range (weighted by pixel count) is split at its median until there are
// 256 boxes; each box's colour is the mean of its pixels. Grayscale reduction maps every
// pixel to one of 256 grey levels by luminance. Alpha is ignored.
QImage gifReduceColors(const QImage &image, bool grayscale);
