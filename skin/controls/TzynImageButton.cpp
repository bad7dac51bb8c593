#include "TzynImageButton.h"
#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TPicture.h"
#include "TProperty.h"
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
    // Its pictures are its own, at their own size.
    keepUIStyle(TzynUIStyle::Custom);
    setAutoSize(true);
}

void TzynImageButton::setPicture(int index, const TPicture *picture)
{
    // The property written back with itself.
    if (picture == m_pictures[index])
        return;
    m_pictures[index]->assign(picture);
    AutoSizeToPicture();
    update();
}

void TzynImageButton::setStretch(bool value)
{
    if (AssignIfChanged(m_stretch, value))
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

QImage TzynImageButton::StatePicture(TzynPictureState state) const
{
    const TPicture *picture = m_pictures[int(state)];
    const TPicture *source = picture->graphic() ? picture : PicNormal();
    const TGraphic *graphic = source->graphic();
    if (!graphic)
        return QImage(); // no picture at all: nothing is drawn
    // Only bitmaps are drawn as a state; anything else shows the blank picture.
    const auto *bitmap = dynamic_cast<const TBitmap *>(graphic);
    return bitmap ? bitmap->image() : BlankPicture();
}

void TzynImageButton::PaintPicture(QPainter &canvas, const TzynButtonOption &option) const
{
    const QImage &image = option.picture;
    if (image.width() <= 0 || image.height() <= 0)
        return;
    const QImage drawn
        = PreparedPicture(image, option.pictureTransparent, TopLeftKey(image), false);
    if (m_stretch)
        TPictureTwin::draw(canvas, option.rect, drawn);
    else
        TPictureTwin::draw(canvas, QPoint(0, 0), drawn);
}

QRect TzynImageButton::PictureRect(const TzynButtonOption &option) const
{
    return m_stretch ? option.rect : TzynCustomButton::PictureRect(option);
}
