#include "TzynProgressBar.h"
#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TFont.h"
#include "TPicture.h"
#include "TProperty.h"
#include "ZYNControlUtils.h"

#include <QPainter>

#include <algorithm>

TzynProgressBar::TzynProgressBar(QWidget *parent)
    : TzynStyled(parent)
    , m_picture(new TPicture(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    connect(m_picture, &TPicture::OnChange, this, [this] { update(); });
    setBounds(Left(), Top(), 150, Thickness);
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
    if (orientation == zyn::zynHorizontal) {
        setHeight(Thickness);
        setWidth(length);
    } else {
        setWidth(Thickness);
        setHeight(length);
    }
    update();
}

void TzynProgressBar::setBounds(int left, int top, int width, int height)
{
    const int thickness = m_orientation == zyn::zynHorizontal ? height : width;
    if (thickness != Thickness)
        return;
    TControl::setBounds(left, top, width, height);
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
        if (hasPicture)
            graphic->draw(canvas, QRect(QPoint(1, 1), QPoint(filled - 1, bottom - 1)));
        canvas.fillRect(QRect(QPoint(filled, 1), QPoint(w - 2, bottom - 1)), toQColor(Color()));
    } else {
        const int top = std::max(1, (h - 1) - FilledLength(m_min, m_max, m_position, h - 1));
        makeBitmap(hasPicture ? graphic->width() + 2 : w, h);
        QPainter canvas(&bitmap);
        const int right = size.width() - 1;
        // The filled part grows from the bottom, so its picture is turned upside down.
        if (hasPicture)
            TPictureTwin::draw(
                canvas, QRect(QPoint(1, top), QPoint(right - 1, h - 2)), mirroredPicture(*graphic));
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
        canvas.setPen(toQColor(m_captionColor));
        const int x = (size.width() - metrics.horizontalAdvance(text)) / 2;
        const int y = (size.height() - metrics.height()) / 2;
        canvas.drawText(QPoint(x, y + metrics.ascent()), text);
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
