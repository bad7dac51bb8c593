#include "TzynCustomButtonEx.h"
#include "TPictureTwin.h"

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

QRect TzynCustomButtonEx::CaptionRect() const
{
    const int x = PictureWidth() + 4;
    const int y = (height() - (fontPixelHeight() + 2)) / 2;
    return QRect(QPoint(x, y), QPoint(width() - 1, height() - 1));
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
    // Unlike a push button, a check box in Custom keeps its AutoSize.
}

void TzynCustomButtonEx::PaintPicture(QPainter &canvas, const TzynButtonOption &option) const
{
    const QImage &image = option.picture;
    if (image.width() <= 0 || image.height() <= 0)
        return;
    // Disabled looks come from the theme pictures: never greyed here.
    TPictureTwin::draw(canvas, QPoint(1, (height() - PictureHeight()) / 2),
        PreparedPicture(image, option.pictureTransparent, TopLeftKey(image), false));
}

void TzynCustomButtonEx::PaintCaption(QPainter &canvas, const TzynButtonOption &option) const
{
    canvas.setFont(option.font);
    DrawCaption(canvas, CaptionRect(),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, option.caption,
        option.fontColor, option.enabled ? CaptionLook::Enabled : CaptionLook::DisabledGrey);
}

QRect TzynCustomButtonEx::FocusRect(const QFont &font, const QString &caption) const
{
    // Around the caption's text with a margin, so that the dots touch no ascender or
    // descender; kept inside the control.
    const QFontMetrics metrics(font);
    const QRect text = CaptionRect();
    const QSize size = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
    const QRect around = QRect(text.topLeft(), size).adjusted(-2, -2, 2, 1);
    return around & rect();
}

void TzynCustomButtonEx::PaintFocus(QPainter &canvas, const TzynButtonOption &option) const
{
    DrawFocusRect(canvas, FocusRect(option.font, option.caption));
}

void TzynCustomButtonEx::Click()
{
    if (CanFocus())
        setFocus(Qt::OtherFocusReason);
    Toggle();
    TzynCustomButton::Click();
}
