#include "TzynImageButton.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TPicture.h"
#include "ZYNControlUtils.h"

#include <QPainter>

TzynImageButton::TzynImageButton(QWidget *parent)
    : TzynCustomButton(parent)
{
    for (TPicture *&picture : m_pictures) {
        picture = new TPicture(this);
        // The layout fills the held pictures directly.
        connect(picture, &TPicture::OnChange, this, [this] {
            AutoSizeToPicture();
            update();
        });
    }
    setUIStyle(TzynUIStyle::Custom);
}

void TzynImageButton::setPicture(int index, const TPicture *picture)
{
    m_pictures[index]->assign(picture);
    AutoSizeToPicture();
    update();
}

void TzynImageButton::setStretch(bool value)
{
    m_stretch = value;
    update();
}

void TzynImageButton::AutoSizeToPicture()
{
    const TPicture *normal = PicNormal();
    if (!parentWidget() || !AutoSize() || !normal->graphic())
        return;
    setHeight(normal->height());
    setWidth(normal->width());
}

void TzynImageButton::statePicture(const TPicture *picture, TBitmap &bitmap) const
{
    const TPicture *source = picture->graphic() ? picture : PicNormal();
    const TGraphic *graphic = source->graphic();
    if (!graphic)
        return; // no picture at all: nothing is drawn
    const auto *image = dynamic_cast<const TBitmap *>(graphic);
    if (!image)
        throw EInvalidGraphicOperation(QStringLiteral("Picture is not a bitmap"));
    bitmap.setImage(image->image());
}

void TzynImageButton::GetNormalPicture(TBitmap &bitmap)
{
    statePicture(PicNormal(), bitmap);
}

void TzynImageButton::GetMouseOnPicture(TBitmap &bitmap)
{
    statePicture(PicMouseOn(), bitmap);
}

void TzynImageButton::GetMouseDownPicture(TBitmap &bitmap)
{
    statePicture(PicMouseDown(), bitmap);
}

void TzynImageButton::GetDisabledPicture(TBitmap &bitmap)
{
    statePicture(PicDisabled(), bitmap);
}

void TzynImageButton::PaintPicture(QPainter &canvas, TBitmap &picture)
{
    const QImage &image = picture.image();
    if (image.width() <= 0 || image.height() <= 0)
        return;
    const QImage drawn = PreparedPicture(image, picture.transparent(), TopLeftKey(image), false);
    if (m_stretch)
        canvas.drawImage(rect(), drawn);
    else
        canvas.drawImage(0, 0, drawn);
}
