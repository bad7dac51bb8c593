#include "TzynCustomPanel.h"
#include "TPictureTwin.h"

#include "TPicture.h"
#include "TProperty.h"
#include "ZYNDraw.h"
#include "ZYNStylePropagation.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

} // namespace

TzynCustomPanel::TzynCustomPanel(QWidget *parent)
    : TCustomPanel(parent)
    , m_picture(new TPicture(this))
{
    // The paint covers every pixel: nothing may erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Dispatched virtually, so the most-derived reaction runs.
    connect(m_picture, &TPicture::OnChange, this, [this] { PictureUpdated(); });
    setBevelInner(Fw::bvNone);
    setBevelOuter(Fw::bvNone);
    update();
}

TzynCustomPanel::~TzynCustomPanel()
{
    // The picture's change notification must not reach a half-destroyed panel.
    disconnect(m_picture, nullptr, this, nullptr);
    delete m_picture;
}

void TzynCustomPanel::setPicture(const TPicture *value)
{
    // The property written back with itself.
    if (value == m_picture)
        return;
    m_picture->assign(value);
    update();
}

void TzynCustomPanel::setTransparent(bool value)
{
    if (!AssignIfChanged(m_transparent, value))
        return;
    if (m_picture->graphic())
        ApplyPictureTransparency();
    update();
}

void TzynCustomPanel::setAutoSize(bool value)
{
    m_autoSize = value;
    if (m_picture->graphic())
        ApplyPictureSize();
}

void TzynCustomPanel::setDrawStyle(TzynDrawStyle value)
{
    if (!AssignIfChanged(m_drawStyle, value))
        return;
    update();
}

void TzynCustomPanel::UpdateUIStyle(TzynUIStyle style)
{
    ApplyUIStyleToChildren(this, style);
}

void TzynCustomPanel::UpdateChildrenUIStyle(TzynUIStyle style)
{
    ApplyUIStyleToChildren(this, style);
}

void TzynCustomPanel::PictureUpdated()
{
    if (m_picture->graphic()) {
        if (m_autoSize)
            ApplyPictureSize();
        ApplyPictureTransparency();
    }
    update();
}

void TzynCustomPanel::ApplyPictureSize()
{
    if (!m_autoSize)
        return;
    const Fw::TAlign align = Align();
    if (align != Fw::alTop && align != Fw::alBottom && align != Fw::alClient)
        setWidth(m_picture->width());
    if (align != Fw::alLeft && align != Fw::alRight && align != Fw::alClient)
        setHeight(m_picture->height());
}

void TzynCustomPanel::ApplyPictureTransparency()
{
    TGraphic *graphic = m_picture->graphic();
    if (graphic && graphic->transparent() != m_transparent)
        graphic->setTransparent(m_transparent);
}

void TzynCustomPanel::captionChanged()
{
    TCustomPanel::captionChanged();
    update();
}

void TzynCustomPanel::resizeEvent(QResizeEvent *event)
{
    TCustomPanel::resizeEvent(event);
    m_buffer = QImage();
    update();
}

void TzynCustomPanel::paintPanel(QPainter &canvas)
{
    const QRect client = rect();
    if (m_transparent)
        DrawParentBackground(canvas, this);
    if (const TGraphic *graphic = m_picture->graphic(); graphic && !graphic->isEmpty()) {
        switch (m_drawStyle) {
        case zynStretch:
            graphic->draw(canvas, client);
            break;
        case zynTile:
            TilePicture(canvas, *graphic, client);
            break;
        default:
            graphic->draw(canvas, QRect(0, 0, graphic->width(), graphic->height()));
            break;
        }
    } else if (!m_transparent) {
        canvas.fillRect(client, toQColor(Color()));
    }
    // The window text, which a group box keeps blank while its published Caption is its own.
    if (HasVisibleText(caption())) {
        canvas.setFont(fontObject()->toQFont());
        canvas.setPen(fontObject()->qColor());
        canvas.setBrush(Qt::NoBrush);
        canvas.drawText(client, captionAlignment() | Qt::TextSingleLine, caption());
    }
}

bool TzynCustomPanel::CanPaintOnto() const
{
    return !m_transparent || ParentPaintsOntoAnyCanvas(this);
}

void TzynCustomPanel::PaintOnto(QPainter &canvas, const QRect &area)
{
    canvas.save();
    canvas.setClipRect(area, Qt::IntersectClip);
    // What a fresh off-screen image would start with, white like a new bitmap: a small picture
    // drawn without transparency leaves the rest of it so. Not needed where the panel's own
    // painting covers everything.
    const TGraphic *graphic = m_picture->graphic();
    const bool hasPicture = graphic && !graphic->isEmpty();
    const bool covered = m_transparent ? ParentBackgroundIsOpaque(this) : !hasPicture;
    if (!covered)
        canvas.fillRect(area, Qt::white);
    paintPanel(canvas);
    canvas.restore();
}

void TzynCustomPanel::paintEvent(QPaintEvent *event)
{
    if (width() <= 0 || height() <= 0)
        return;
    const QRect exposed = event->rect() & rect();
    if (exposed.isEmpty())
        return;
    // Only the region asked for: an opaque child (a page view filling a group box) is left out
    // of it, and nothing is painted under it, here nor in the image below.
    const QRegion region = event->region() & rect();
    // The widget's backing store is an off-screen image already, composed in full before it
    // reaches the screen: the panel paints into it directly, only the part asked for. Only a
    // see-through panel over a parent that must be rendered (rendering needs a canvas of its
    // own) composes in an image of its own first, kept while the size stays.
    if (CanPaintOnto()) {
        m_buffer = QImage();
        QPainter canvas(this);
        canvas.setClipRegion(region);
        PaintOnto(canvas, exposed);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    if (m_buffer.size() != size() * ratio || m_buffer.devicePixelRatio() != ratio) {
        m_buffer = QImage(size() * ratio, QImage::Format_RGB32);
        m_buffer.setDevicePixelRatio(ratio);
    }
    {
        QPainter canvas(&m_buffer);
        canvas.setClipRegion(region);
        PaintOnto(canvas, exposed);
    }
    const QRectF source(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio);
    QPainter canvas(this);
    canvas.setClipRegion(region);
    canvas.drawImage(QRectF(exposed), m_buffer, source);
}
