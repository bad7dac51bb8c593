#include "TzynCustomButtonEx.h"

#include "TBitmap.h"
#include "ZYNControlUtils.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

TzynCustomButtonEx::TzynCustomButtonEx(QWidget *parent)
    : TzynCustomButton(parent)
{
    setParentColor(true);
    m_checked = false;
    setWidth(93);
}

void TzynCustomButtonEx::setChecked(bool value)
{
    if (m_checked == value)
        return;
    m_checked = value;
    CheckedChanged();
    update();
}

int TzynCustomButtonEx::fontPixelHeight() const
{
    return std::abs(Font()->Height());
}

void TzynCustomButtonEx::updateCaptionRect()
{
    const int x = PictureWidth() + 4;
    const int y = (height() - (fontPixelHeight() + 2)) / 2;
    m_captionRect = QRect(QPoint(x, y), QPoint(width() - 1, height() - 1));
}

void TzynCustomButtonEx::AutoSizeToPicture()
{
    if (!AutoSize() || m_sizing)
        return;
    m_sizing = true;
    const int h = std::max(fontPixelHeight() + 2, PictureHeight()) + 4;
    const int w = PictureWidth() + QFontMetrics(Font()->toQFont()).horizontalAdvance(Caption()) + 8;
    setHeight(h);
    setWidth(w);
    m_sizing = false;
}

void TzynCustomButtonEx::CaptionChanged()
{
    AutoSizeToPicture();
    update();
}

void TzynCustomButtonEx::FontUpdated()
{
    AutoSizeToPicture();
    update();
}

void TzynCustomButtonEx::resizeEvent(QResizeEvent *event)
{
    TzynCustomButton::resizeEvent(event);
    AutoSizeToPicture();
    update();
}

void TzynCustomButtonEx::UIStyleChanged()
{
    ApplyUIStylePictures(UIStyle());
}

void TzynCustomButtonEx::PaintPicture(QPainter &canvas, TBitmap &picture)
{
    const QImage &image = picture.image();
    if (image.width() <= 0 || image.height() <= 0)
        return;
    // Disabled looks come from the theme pictures: never greyed here.
    canvas.drawImage(1, (height() - PictureHeight()) / 2,
        PreparedPicture(image, picture.transparent(), TopLeftKey(image), false));
}

void TzynCustomButtonEx::PaintCaption(QPainter &canvas, const QString &caption)
{
    updateCaptionRect();
    canvas.setFont(Font()->toQFont());
    DrawCaption(canvas, m_captionRect,
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, caption,
        Font()->qColor(), isEnabled() ? CaptionLook::Enabled : CaptionLook::DisabledGrey);
}

void TzynCustomButtonEx::PaintFocus(QPainter &canvas)
{
    // The focus is drawn before the caption: place the rectangle for this paint first.
    updateCaptionRect();
    const QRect r = m_captionRect.adjusted(-1, 0, 0, 0);
    DrawFocusRect(canvas, QRect(r.x(), r.y(), r.width(), r.height()));
}

void TzynCustomButtonEx::Click()
{
    if (CanFocus())
        setFocus(Qt::OtherFocusReason);
    Toggle();
    TzynCustomButton::Click();
}
