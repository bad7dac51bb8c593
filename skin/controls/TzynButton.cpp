#include "TzynButton.h"

#include "TBitmap.h"
#include "TCustomAction.h"
#include "TImageList.h"
#include "TPicture.h"
#include "TProperty.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

#include <QPainter>

TzynButton::TzynButton(QWidget *parent)
    : TzynCustomButton(parent)
    , m_glyph(new TPicture(this))
{
    setBounds(Left(), Top(), 80, 27);
    connect(m_glyph, &TPicture::OnChange, this, [this] { update(); });
    TakeOwnerStyle(ControlOwner(parent));
}

void TzynButton::setGlyph(const TPicture *glyph)
{
    m_glyph->assign(glyph);
    update();
}

void TzynButton::setLayout(TButtonLayout layout)
{
    if (AssignIfChanged(m_layout, layout))
        update();
}

void TzynButton::setSpacing(int spacing)
{
    if (AssignIfChanged(m_spacing, spacing))
        update();
}

// --- style-aware picture names ---------------------------------------------------------------

QString TzynButton::PicNormalResName() const
{
    return UIStyle() == TzynUIStyle::Custom ? m_picNormalResName : QString();
}

void TzynButton::setPicNormalResName(const QString &name)
{
    setUIStyle(TzynUIStyle::Custom);
    TzynCustomButton::setPicNormalResName(name);
}

QString TzynButton::PicMouseOnResName() const
{
    return UIStyle() == TzynUIStyle::Custom ? m_picMouseOnResName : QString();
}

void TzynButton::setPicMouseOnResName(const QString &name)
{
    setUIStyle(TzynUIStyle::Custom);
    TzynCustomButton::setPicMouseOnResName(name);
}

QString TzynButton::PicMouseDownResName() const
{
    return UIStyle() == TzynUIStyle::Custom ? m_picMouseDownResName : QString();
}

void TzynButton::setPicMouseDownResName(const QString &name)
{
    setUIStyle(TzynUIStyle::Custom);
    TzynCustomButton::setPicMouseDownResName(name);
}

void TzynButton::ApplyUIStylePictures(TzynUIStyle style)
{
    if (style == TzynUIStyle::Custom)
        return;
    using E = TzynThemeEntry;
    setResHandle(0);
    m_picNormalResName = GetThemeResName(style, E::ButtonNormalImage);
    m_picMouseOnResName = GetThemeResName(style, E::ButtonMouseOnImage);
    m_picMouseDownResName = GetThemeResName(style, E::ButtonMouseDownImage);
}

void TzynButton::UIStyleChanged()
{
    setTransparent(StyleLook(UIStyle()).buttonTransparent);
}

// --- painting --------------------------------------------------------------------------------

TzynButton::GlyphPlacement TzynButton::PlaceGlyph(
    TButtonLayout layout, const QSize &button, const QSize &glyph, const QSize &text, int spacing)
{
    const int W = button.width(), H = button.height();
    const int tw = text.width(), th = text.height();
    int gw = glyph.width();
    const int gh = glyph.height();
    if (gw == 2 * gh)
        gw = gh;
    int gx = 0, gy = 0, tx = 0, ty = 0;
    // C++ division truncates toward zero, as the layout rule wants.
    switch (layout) {
    case blGlyphLeft:
        gx = (W - (tw + gw + spacing)) / 2;
        gy = (H - gh) / 2;
        tx = gx + gw + spacing;
        ty = (H - th) / 2;
        break;
    case blGlyphRight:
        gx = (W + tw + spacing - gw) / 2;
        gy = (H - gh) / 2;
        tx = gx - tw - spacing;
        ty = (H - th) / 2;
        break;
    case blGlyphTop:
        gx = (W - gw) / 2;
        gy = (H - (th + gh + spacing)) / 2;
        tx = (W - tw) / 2;
        ty = gy + gh + spacing;
        break;
    case blGlyphBottom:
        gx = (W - gw) / 2;
        gy = (H + th + spacing - gh) / 2;
        tx = (W - tw) / 2;
        ty = gy - th - spacing;
        break;
    }
    return { QPoint(gx, gy), QPoint(tx, ty), QSize(gw, gh) };
}

QImage TzynButton::glyphImage() const
{
    const TGraphic *graphic = m_glyph->graphic();
    if (!graphic || graphic->isEmpty())
        return QImage();
    if (const auto *bitmap = dynamic_cast<const TBitmap *>(graphic))
        return bitmap->image();
    return graphic->toImage();
}

void TzynButton::PaintPicture(QPainter &canvas, TBitmap &picture)
{
    const QFont font = Font()->toQFont();
    canvas.setFont(font);
    if (UIStyle() == TzynUIStyle::Custom)
        TzynCustomButton::PaintPicture(canvas, picture);
    else
        DrawNineSliceBitmap(picture.image(), canvas, rect(), PictureTransparent());

    const QImage glyph = glyphImage();
    if (glyph.isNull())
        return;
    const QFontMetrics metrics(font);
    const QSize text(metrics.horizontalAdvance(Caption()), metrics.height());
    const GlyphPlacement place = PlaceGlyph(m_layout, size(), glyph.size(), text, m_spacing);
    m_captionPos = place.caption;
    const QPoint at = place.glyph + (MouseDown() ? QPoint(1, 1) : QPoint(0, 0));

    const bool twoImages = glyph.width() == 2 * glyph.height();
    const int index = twoImages && !isEnabled() ? 1 : 0;
    // Keying and greying go pixel by pixel, so the whole glyph is prepared (once) and the
    // part shown taken from it.
    const QImage prepared
        = PreparedPicture(glyph, true, TopLeftKey(glyph), !twoImages && !isEnabled());
    canvas.drawImage(at, prepared,
        QRect(
            index * place.glyphSize.width(), 0, place.glyphSize.width(), place.glyphSize.height()));
}

void TzynButton::PaintCaption(QPainter &canvas, const QString &caption)
{
    if (m_glyph->isEmpty()) {
        TzynCustomButton::PaintCaption(canvas, caption);
        return;
    }
    canvas.setFont(Font()->toQFont());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    auto textRect = [this](const QPoint &p) { return QRect(p, QPoint(width() - 1, height() - 1)); };
    if (!isEnabled()) {
        DrawCaption(canvas, textRect(m_captionPos), flags, caption, QColor(),
            CaptionLook::DisabledEmbossed);
        return;
    }
    if (MouseDown())
        m_captionPos += QPoint(1, 1);
    DrawCaption(
        canvas, textRect(m_captionPos), flags, caption, Font()->qColor(), CaptionLook::Enabled);
}

void TzynButton::PaintFocus(QPainter &canvas)
{
    if (StyleLook(UIStyle()).focusAsBoldCaption)
        m_boldCaptionOnce = true;
    else
        TzynCustomButton::PaintFocus(canvas);
}

void TzynButton::ActionChange()
{
    TzynCustomButton::ActionChange();
    TCustomAction *action = Action();
    if (!action || !m_glyph->isEmpty())
        return;
    const TImageList *images = action->Images();
    const int index = action->ImageIndex();
    if (images && index >= 0 && index < images->Count()) {
        m_glyph->setGraphic(std::make_unique<TBitmap>(images->image(index)));
        update();
    }
}
