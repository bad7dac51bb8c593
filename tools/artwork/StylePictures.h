#pragma once

#include <QImage>
#include <QString>

#include <functional>

// Paints every theme bitmap of the five built-in styles and the shared pictures, handing each
// finished picture (opaque, exact size, key colours applied) to the sink under its resource name.
// At scale 2 the same drawing gives the twins for high-density screens: every picture exactly
// twice as wide and high, with the scale as its device pixel ratio.
using PictureSink = std::function<void(const QString &style, const QString &name, const QImage &)>;

void paintAllPictures(const PictureSink &sink, int scale = 1);
