#include "TzynButton.h"
#include "TPictureTwin.h"

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
}

void TzynButton::setGlyph(const TPicture *glyph)
{
    // The property written back with itself; any other picture repaints through OnChange.
    if (glyph == m_glyph)
        return;
    m_glyph->assign(glyph);
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
    // The style's pictures are drawn by state from the theme; their names are kept as well,
    // so that a button turned Custom by naming one picture still shows the others.
    using E = TzynThemeEntry;
    setResHandle(0);
    m_picNormalResName = GetThemeResName(style, E::ButtonNormalImage);
    m_picMouseOnResName = GetThemeResName(style, E::ButtonMouseOnImage);
    m_picMouseDownResName = GetThemeResName(style, E::ButtonMouseDownImage);
}

QImage TzynButton::StatePicture(TzynPictureState state) const
{
    if (UIStyle() == TzynUIStyle::Custom)
        return TzynCustomButton::StatePicture(state);
    const QImage picture = ThemePicture(UIStyle(), TzynPictureKind::Button, state, false);
    return picture.isNull() ? BlankPicture() : picture;
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

TzynButton::GlyphPlacement TzynButton::placement(const QFont &font, const QString &caption) const
{
    const QFontMetrics metrics(font);
    const QSize text(metrics.horizontalAdvance(caption), metrics.height());
    return PlaceGlyph(m_layout, size(), glyphImage().size(), text, m_spacing);
}

QPoint TzynButton::CaptionPos() const
{
    return placement(Font()->toQFont(), Caption()).caption
        + (MouseDown() ? QPoint(1, 1) : QPoint(0, 0));
}

void TzynButton::initButtonOption(TzynButtonOption &option) const
{
    TzynCustomButton::initButtonOption(option);
    option.boldCaption = option.focused && StyleLook(option.style).focusAsBoldCaption;
}

void TzynButton::PaintPicture(QPainter &canvas, const TzynButtonOption &option) const
{
    canvas.setFont(option.font);
    if (option.style == TzynUIStyle::Custom)
        TzynCustomButton::PaintPicture(canvas, option);
    else
        DrawNineSliceBitmap(option.picture, canvas, option.rect, option.pictureTransparent);

    const QImage glyph = glyphImage();
    if (glyph.isNull())
        return;
    const GlyphPlacement place = placement(option.font, option.caption);
    const QPoint at = place.glyph + (option.pressed ? QPoint(1, 1) : QPoint(0, 0));

    const bool twoImages = glyph.width() == 2 * glyph.height();
    const int index = twoImages && !option.enabled ? 1 : 0;
    // Keying and greying go pixel by pixel, so the whole glyph is prepared (once) and the
    // part shown taken from it.
    const QImage prepared
        = PreparedPicture(glyph, true, TopLeftKey(glyph), !twoImages && !option.enabled);
    TPictureTwin::draw(canvas, QRect(at, place.glyphSize), prepared,
        QRect(
            index * place.glyphSize.width(), 0, place.glyphSize.width(), place.glyphSize.height()));
}

void TzynButton::PaintCaption(QPainter &canvas, const TzynButtonOption &option) const
{
    // Only the centred caption of a button without a glyph shows the focus in bold.
    if (m_glyph->isEmpty()) {
        TzynCustomButton::PaintCaption(canvas, option);
        return;
    }
    canvas.setFont(option.font);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    auto textRect = [this](const QPoint &p) { return QRect(p, QPoint(width() - 1, height() - 1)); };
    QPoint at = placement(option.font, option.caption).caption;
    if (!option.enabled) {
        DrawCaption(
            canvas, textRect(at), flags, option.caption, QColor(), CaptionLook::DisabledEmbossed);
        return;
    }
    if (option.pressed)
        at += QPoint(1, 1);
    DrawCaption(
        canvas, textRect(at), flags, option.caption, option.fontColor, CaptionLook::Enabled);
}

void TzynButton::PaintFocus(QPainter &canvas, const TzynButtonOption &option) const
{
    // Styles that show the focus as a bold caption draw no rectangle.
    if (!StyleLook(option.style).focusAsBoldCaption)
        TzynCustomButton::PaintFocus(canvas, option);
}

QRect TzynButton::PictureRect(const TzynButtonOption &option) const
{
    // A style's picture is stretched over the whole button.
    if (option.style != TzynUIStyle::Custom)
        return option.rect;
    return TzynCustomButton::PictureRect(option);
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
