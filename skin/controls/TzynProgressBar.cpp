#include "TzynProgressBar.h"
#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TFont.h"
#include "TPicture.h"
#include "TProperty.h"
#include "ZYNControlUtils.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TzynProgressBar::TzynProgressBar(QWidget *parent)
    : TzynStyled(parent)
    , m_picture(new TPicture(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    connect(m_picture, &TPicture::OnChange, this, [this] { update(); });
    setBounds(Left(), Top(), 150, Thickness);
    applyThicknessLimits();
    setCaptionValue(QStringLiteral("50%"));
    setColor(Colors::clBtnFace);
    setCaptionValue(QString::number(Percentage(m_min, m_max, m_position)) + QLatin1Char('%'));
}

int TzynProgressBar::Percentage(int min, int max, int position)
{
    if (min == max)
        return 0;
    // In 64 bits: the difference of two 32-bit values times 100 does not fit in 32.
    return int((qint64(position) - min) * 100 / (qint64(max) - min));
}

int TzynProgressBar::FilledLength(int min, int max, int position, int n)
{
    if (min >= max || min >= position)
        return 0;
    if (position > max)
        return n;
    return int(qint64(n) * (qint64(position) - min) / (qint64(max) - min));
}

int TzynProgressBar::filledNow() const
{
    const int span = (m_orientation == zyn::zynHorizontal ? width() : height()) - 1;
    return FilledLength(m_min, m_max, m_position, span);
}

void TzynProgressBar::valueChanged(int oldFilled, const QString &oldCaption)
{
    setCaptionValue(QString::number(Percentage(m_min, m_max, m_position)) + QLatin1Char('%'));
    if (filledNow() != oldFilled || Caption() != oldCaption)
        update();
}

void TzynProgressBar::setMax(int value)
{
    const int filled = filledNow();
    const QString caption = Caption();
    if (AssignIfChanged(m_max, value))
        valueChanged(filled, caption);
}

void TzynProgressBar::setMin(int value)
{
    const int filled = filledNow();
    const QString caption = Caption();
    if (AssignIfChanged(m_min, value))
        valueChanged(filled, caption);
}

void TzynProgressBar::setPosition(int value)
{
    const int filled = filledNow();
    const QString caption = Caption();
    if (AssignIfChanged(m_position, value))
        valueChanged(filled, caption);
}

void TzynProgressBar::applyStyle()
{
    const TzynUIStyle style = UIStyle();
    if (style == TzynUIStyle::Custom)
        return;
    using E = TzynThemeEntry;
    TBitmap bitmap;
    LoadThemeBitmap(bitmap,
        GetThemeResName(style,
            m_orientation == zyn::zynHorizontal ? E::ProgressBarImage
                                                : E::ProgressBarVerticalImage));
    m_picture->setGraphic(bitmap.clone());
    setColor(GetThemeColor(style, E::ControlColor));
    setBorderColor(GetThemeColor(style, E::ControlBorderColor));
}

void TzynProgressBar::ApplyUIStyle(TzynUIStyle)
{
    applyStyle();
}

void TzynProgressBar::setOrientation(TzynProgressBarOrientation orientation)
{
    if (!AssignIfChanged(m_orientation, orientation))
        return;
    applyStyle();
    const int length = std::max(width(), height());
    // The old orientation's limits would hold the new length to 12.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (orientation == zyn::zynHorizontal) {
        setHeight(Thickness);
        setWidth(length);
    } else {
        setWidth(Thickness);
        setHeight(length);
    }
    applyThicknessLimits();
    update();
}

void TzynProgressBar::setBounds(int left, int top, int width, int height)
{
    const int thickness = m_orientation == zyn::zynHorizontal ? height : width;
    if (thickness != Thickness && !m_loading)
        return;
    TControl::setBounds(left, top, width, height);
}

void TzynProgressBar::applyThicknessLimits()
{
    if (m_loading) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (m_orientation == zyn::zynHorizontal) {
        setMinimumSize(0, Thickness);
        setMaximumSize(QWIDGETSIZE_MAX, Thickness);
    } else {
        setMinimumSize(Thickness, 0);
        setMaximumSize(Thickness, QWIDGETSIZE_MAX);
    }
}

void TzynProgressBar::Loading()
{
    // A layout may write Width and Height before Orientation: the size waits for it.
    m_loading = true;
    applyThicknessLimits();
}

void TzynProgressBar::Loaded()
{
    m_loading = false;
    // The length as loaded, the thickness of the orientation.
    if (m_orientation == zyn::zynHorizontal)
        setBounds(Left(), Top(), width(), Thickness);
    else
        setBounds(Left(), Top(), Thickness, height());
    applyThicknessLimits();
}

namespace {

// Relative luminance as the contrast of text is usually judged.
double luminance(const QColor &color)
{
    auto channel
        = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
        + 0.0722 * channel(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The average colour of a picture: what a caption over it has to stand out from.
QColor averageColor(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
        }
    }
    const qint64 n = std::max<qint64>(1, qint64(rgb.width()) * rgb.height());
    return QColor(int(r / n), int(g / n), int(b / n));
}

} // namespace

QColor TzynProgressBar::ReadableOn(const QColor &caption, const QColor &fill)
{
    // 3:1 is enough for text of this weight to be read at a glance.
    if (contrast(caption, fill) >= 3.0)
        return caption;
    const QColor black(Qt::black), white(Qt::white);
    return contrast(black, fill) >= contrast(white, fill) ? black : white;
}

void TzynProgressBar::setBorderColor(TColor color)
{
    if (AssignIfChanged(m_borderColor, color))
        update();
}

void TzynProgressBar::setPicture(const TPicture *picture)
{
    // The property written back with itself; any other picture repaints through OnChange.
    if (picture == m_picture)
        return;
    m_picture->assign(picture);
}

void TzynProgressBar::setCaptionColor(TColor color)
{
    if (AssignIfChanged(m_captionColor, color))
        update();
}

void TzynProgressBar::setShowCaption(bool value)
{
    if (AssignIfChanged(m_showCaption, value))
        update();
}

void TzynProgressBar::setSmartShowCaption(bool value)
{
    if (AssignIfChanged(m_smartShowCaption, value))
        update();
}

QImage TzynProgressBar::mirroredPicture(const TGraphic &graphic) const
{
    const QImage image = GraphicImage(graphic);
    if (image.cacheKey() != m_mirroredFrom || m_mirrored.isNull()) {
        m_mirrored = TPictureTwin::derive(image.mirrored(false, true), image,
            [](const QImage &twin) { return twin.mirrored(false, true); });
        m_mirroredFrom = image.cacheKey();
    }
    return m_mirrored;
}

QColor TzynProgressBar::fillAverage(const TGraphic &graphic) const
{
    const QImage image = GraphicImage(graphic);
    if (image.cacheKey() != m_fillAverageFrom || !m_fillAverage.isValid()) {
        m_fillAverage = averageColor(image);
        m_fillAverageFrom = image.cacheKey();
    }
    return m_fillAverage;
}

void TzynProgressBar::paintEvent(QPaintEvent *)
{
    const int w = width(), h = height();
    if (w <= 0 || h <= 0)
        return;
    const TGraphic *graphic = m_picture->graphic();
    const bool hasPicture = graphic && !graphic->isEmpty();
    // Drawn at the screen's density; `size` is the bitmap's size in the bar's pixels.
    const qreal ratio = devicePixelRatioF();
    QImage bitmap;
    QSize size;
    const auto makeBitmap = [&](int bw, int bh) {
        size = QSize(bw, bh);
        bitmap = QImage(size * ratio, QImage::Format_RGB32);
        bitmap.setDevicePixelRatio(ratio);
        bitmap.fill(Qt::white);
    };
    if (m_orientation == zyn::zynHorizontal) {
        const int filled = std::max(1, FilledLength(m_min, m_max, m_position, w - 1));
        makeBitmap(w, hasPicture ? graphic->height() + 2 : h);
        QPainter canvas(&bitmap);
        const int bottom = size.height() - 1;
        const QRect fill(QPoint(1, 1), QPoint(filled - 1, bottom - 1));
        if (hasPicture && tilesPicture()) {
            // Stretched, a picture of blocks or stripes would stop short of the percentage in
            // its last block and draw blocks of another width at every length.
            canvas.setBrushOrigin(1, 1);
            canvas.fillRect(fill, QBrush(GraphicImage(*graphic)));
        } else if (hasPicture) {
            graphic->draw(canvas, fill);
        }
        canvas.fillRect(QRect(QPoint(filled, 1), QPoint(w - 2, bottom - 1)), toQColor(Color()));
    } else {
        const int top = std::max(1, (h - 1) - FilledLength(m_min, m_max, m_position, h - 1));
        makeBitmap(hasPicture ? graphic->width() + 2 : w, h);
        QPainter canvas(&bitmap);
        const int right = size.width() - 1;
        // The filled part grows from the bottom, so its picture is turned upside down; a pattern
        // is repeated upward from the bottom row.
        const QRect fill(QPoint(1, top), QPoint(right - 1, h - 2));
        if (hasPicture && tilesPicture()) {
            canvas.setBrushOrigin(1, h - 1);
            canvas.fillRect(fill, QBrush(mirroredPicture(*graphic)));
        } else if (hasPicture) {
            TPictureTwin::draw(canvas, fill, mirroredPicture(*graphic));
        }
        canvas.fillRect(QRect(QPoint(1, 1), QPoint(right - 1, top - 1)), toQColor(Color()));
    }
    QPainter canvas(&bitmap);
    // Only a horizontal bar has room for the percentage; ShowCaption keeps its value for when
    // the bar turns back.
    const bool captionShown = m_orientation == zyn::zynHorizontal && m_showCaption
        && (!m_smartShowCaption || m_position != m_min);
    if (captionShown) {
        const QFont font = TFont().toQFont();
        const QFontMetrics metrics(font);
        const QString text = Caption();
        canvas.setFont(font);
        const int x = (size.width() - metrics.horizontalAdvance(text)) / 2;
        const int y = (size.height() - metrics.height()) / 2;
        const QPoint at(x, y + metrics.ascent());
        // The part of the caption over the fill takes a colour that reads on the fill; the rest
        // is in CaptionColor on Color, as given.
        const int filled = std::max(1, FilledLength(m_min, m_max, m_position, w - 1));
        const QColor caption = toQColor(m_captionColor);
        const QColor fillColor = hasPicture ? fillAverage(*graphic) : QColor(Qt::white);
        canvas.save();
        canvas.setClipRect(QRect(0, 0, filled, size.height()));
        canvas.setPen(ReadableOn(caption, fillColor));
        canvas.drawText(at, text);
        canvas.setClipRect(QRect(filled, 0, size.width() - filled, size.height()));
        canvas.setPen(caption);
        canvas.drawText(at, text);
        canvas.restore();
    }
    const QColor border = toQColor(m_borderColor);
    canvas.fillRect(QRect(0, 0, w, 1), border);
    canvas.fillRect(QRect(0, h - 1, w, 1), border);
    canvas.fillRect(QRect(0, 0, 1, h), border);
    canvas.fillRect(QRect(w - 1, 0, 1, h), border);
    canvas.end();
    QPainter screen(this);
    // Where the bitmap (sized by the picture) is smaller than the control, the rest shows the
    // colour, as a fresh control would.
    if (size != this->size())
        screen.fillRect(rect(), toQColor(Color()));
    screen.drawImage(0, 0, bitmap);
}
