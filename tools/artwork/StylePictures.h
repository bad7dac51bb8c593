#pragma once

#include <QImage>
#include <QString>

#include <functional>

// Paints every theme bitmap of the five built-in styles and the shared pictures, handing each
// finished picture (opaque, exact size, key colours applied) to the sink under its resource name.
using PictureSink = std::function<void(const QString &style, const QString &name, const QImage &)>;

void paintAllPictures(const PictureSink &sink);
