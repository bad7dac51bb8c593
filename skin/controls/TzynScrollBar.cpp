#include "TzynScrollBar.h"

#include "TBitmap.h"
#include "TProperty.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynScrollTrackBar.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

#include <QPainter>
#include <QPointer>

#include <memory>

namespace {

constexpr int arrowRepeatInterval = 100;
constexpr int defaultHeight = 185;

void setPictureImage(TPicture *picture, const QImage &image)
{
    picture->setGraphic(std::make_unique<TBitmap>(image));
}

// Through the framework's bounds, so that the parts' anchor rules keep the new place.
void place(QWidget *part, const QRect &bounds)
{
    TControlCore::of(part)->setBoundsRect(bounds);
}

} // namespace

TzynScrollBar::TzynScrollBar(QWidget *parent)
    : TzynStyled(parent)
    , m_track(new TzynScrollTrackBar(this))
    , m_incButton(new TzynImageButton(this))
    , m_decButton(new TzynImageButton(this))
{
    m_track->setUIStyle(TzynUIStyle::Custom);
    // The thumb shows hover and press as the arrows do.
    m_track->setSliderStateHandler([this] {
        cutThumb();
        buildThumb();
    });
    connect(m_track, &TzynTrackBar::OnChange, this, [this] {
        QPointer<TzynScrollBar> self(this);
        Q_EMIT OnChange(this);
        if (self && m_bindingHandler)
            m_bindingHandler();
    });
    for (TzynImageButton *button : { m_decButton, m_incButton }) {
        button->setTabStop(false);
        button->setMouseContinuouslyDownInterval(arrowRepeatInterval);
    }
    // Only the repeat moves the position: a press shorter than one interval does nothing.
    connect(m_decButton, &TzynImageButton::OnMouseContinuouslyDown, this,
        [this] { step(-m_smallChange); });
    connect(m_incButton, &TzynImageButton::OnMouseContinuouslyDown, this,
        [this] { step(m_smallChange); });
    setBevelInner(Fw::bvNone);
    setBevelOuter(Fw::bvNone);
    setHeight(defaultHeight);
    arrangeParts();
}

TzynScrollBar::~TzynScrollBar()
{
    // The track's last notices must not reach a binding that outlives the bar's handler.
    m_bindingHandler = nullptr;
    disconnect(m_track, nullptr, this, nullptr);
}

void TzynScrollBar::ApplyUIStyle(TzynUIStyle style)
{
    if (style == TzynUIStyle::Custom)
        return;
    const TColor color = GetThemeColor(style, TzynThemeEntry::ScrollBarColor);
    setColor(color);
    m_track->setColor(color);
    loadStylePictures();
    arrangeParts();
}

void TzynScrollBar::setOrientation(TzynProgressBarOrientation value)
{
    if (!AssignIfChanged(m_orientation, value))
        return;
    loadStylePictures();
    arrangeParts();
}

void TzynScrollBar::setVertical(bool value)
{
    setOrientation(value ? zynVertical : zynHorizontal);
}

void TzynScrollBar::setSmallChange(int value)
{
    if (value >= 1 && value <= 32767)
        m_smallChange = value;
}

void TzynScrollBar::setLineButton(int length)
{
    // Raised before it is compared: a bound list that gives the same short native thumb at
    // every synchronisation must not rebuild the thumb each time.
    if (length > 0 && length < MinLineButton)
        length = MinLineButton;
    if (!AssignIfChanged(m_lineButton, length))
        return;
    buildThumb();
}

int TzynScrollBar::Min() const
{
    return m_track->Min();
}

void TzynScrollBar::setMin(int value)
{
    m_track->setMin(value);
}

int TzynScrollBar::Max() const
{
    return m_track->Max();
}

void TzynScrollBar::setMax(int value)
{
    m_track->setMax(value);
}

int TzynScrollBar::Position() const
{
    return m_track->Position();
}

void TzynScrollBar::setPosition(int value)
{
    m_track->setPosition(value);
}

int TzynScrollBar::PageSize() const
{
    return m_track->PageSize();
}

void TzynScrollBar::setPageSize(int value)
{
    m_track->setPageSize(value);
    // LargeChange shares the track's page size without resizing the thumb, so the thumb is
    // built again only when it is not already the length the page size gives.
    const TPicture *thumb = m_track->SliderImage();
    const int built = vertical() ? thumb->height() : thumb->width();
    if (built > 0 && built == ThumbLength())
        return;
    buildThumb();
}

void TzynScrollBar::setLargeChange(int value)
{
    m_track->setPageSize(value);
}

void TzynScrollBar::setSliderVisible(bool visible)
{
    m_track->Slider()->setVisible(visible);
}

void TzynScrollBar::setOnChange(std::function<void()> handler)
{
    m_bindingHandler = std::move(handler);
}

void TzynScrollBar::step(int delta)
{
    m_track->setPosition(m_track->Position() + delta);
}

void TzynScrollBar::colorChanged()
{
    m_track->setColor(Color());
    update();
}

void TzynScrollBar::resizeEvent(QResizeEvent *event)
{
    TCustomPanel::resizeEvent(event);
    arrangeParts();
}

void TzynScrollBar::loadStylePictures()
{
    if (UIStyle() == TzynUIStyle::Custom)
        return;
    using E = TzynThemeEntry;
    // The track shows no bar of its own, only the thumb on the bar's colour.
    m_track->BarImage()->clear();

    // The thumb is stored upright: start cap, body and end cap from top to bottom.
    const QString thumbName = GetThemeResName(UIStyle(), E::ScrollBarTrackImage);
    ThemeImage(thumbName); // raises for a missing picture
    const TzynPictureState states[]
        = { TzynPictureState::Normal, TzynPictureState::MouseOn, TzynPictureState::MouseDown };
    for (int i = 0; i < 3; ++i)
        m_thumbPictures[i] = ThemeStateImage(thumbName, states[i]);
    cutThumb();

    // The arrows are stored for the vertical form.
    struct Arrow {
        TzynImageButton *button;
        E normal, mouseOn, mouseDown;
    };
    const Arrow arrows[] = {
        { m_decButton, E::ScrollBarTopButtonNormalImage, E::ScrollBarTopButtonMouseOnImage,
            E::ScrollBarTopButtonMouseDownImage },
        { m_incButton, E::ScrollBarBottomButtonNormalImage, E::ScrollBarBottomButtonMouseOnImage,
            E::ScrollBarBottomButtonMouseDownImage },
    };
    for (const Arrow &arrow : arrows) {
        auto load = [&](TPicture *picture, E entry) {
            QImage image = ThemeImage(GetThemeResName(UIStyle(), entry));
            if (!vertical())
                RotateBitmapLeft(image);
            setPictureImage(picture, image);
        };
        load(arrow.button->PicNormal(), arrow.normal);
        load(arrow.button->PicMouseOn(), arrow.mouseOn);
        load(arrow.button->PicMouseDown(), arrow.mouseDown);
        arrow.button->setAutoSize(true);
    }
}

void TzynScrollBar::cutThumb()
{
    int index = 0;
    switch (m_track->SliderState()) {
    case TzynPictureState::MouseOn:
        index = 1;
        break;
    case TzynPictureState::MouseDown:
        index = 2;
        break;
    default:
        break;
    }
    QImage thumb = m_thumbPictures[index];
    if (thumb.isNull())
        return;
    RotateBitmapLeft(thumb);
    const int cell = thumb.width() / 3;
    m_thumbStart = thumb.copy(0, 0, cell, thumb.height());
    m_thumbMiddle = thumb.copy(cell, 0, cell, thumb.height());
    m_thumbEnd = thumb.copy(2 * cell, 0, cell, thumb.height());
    if (vertical()) {
        RotateBitmapRight(m_thumbStart);
        RotateBitmapRight(m_thumbMiddle);
        RotateBitmapRight(m_thumbEnd);
    }
}

void TzynScrollBar::arrangeParts()
{
    // Setting the bar's own thickness resizes it, which arranges again.
    if (m_arranging)
        return;
    m_arranging = true;
    m_track->setOrientation(m_orientation);
    const QSize dec = m_decButton->size();
    const QSize inc = m_incButton->size();
    if (vertical()) {
        place(m_decButton, QRect(QPoint(0, 0), dec));
        // The vertical track stops one pixel short of the increase arrow.
        place(m_track,
            QRect(0, dec.height(), m_track->width(), height() - inc.height() - dec.height() - 1));
        place(m_incButton, QRect(QPoint(0, height() - inc.height()), inc));
        setWidth(dec.width());
    } else {
        place(m_decButton, QRect(QPoint(0, 0), dec));
        place(
            m_track, QRect(dec.width(), 0, width() - inc.width() - dec.width(), m_track->height()));
        place(m_incButton, QRect(QPoint(width() - inc.width(), 0), inc));
        setHeight(dec.height());
    }
    m_arranging = false;
    buildThumb();
}

int TzynScrollBar::ThumbLength() const
{
    if (m_lineButton > 0)
        return m_lineButton;
    int percent = PageSize();
    if (percent < 10 || percent > 100)
        percent = 10;
    const int trackLength = vertical() ? m_track->height() : m_track->width();
    return percent * trackLength / 100;
}

void TzynScrollBar::buildThumb()
{
    if (m_thumbStart.isNull())
        return;
    if (m_lineButton > 0 && m_lineButton < MinLineButton)
        m_lineButton = MinLineButton;
    const int thickness = vertical() ? m_thumbStart.width() : m_thumbStart.height();
    const int length = ThumbLength();
    if (length <= 0 || thickness <= 0) {
        m_track->setSliderImage(QImage());
        m_track->UpdateLayout();
        return;
    }
    QImage thumb(
        vertical() ? QSize(thickness, length) : QSize(length, thickness), QImage::Format_RGB32);
    thumb.fill(Qt::black);
    QPainter canvas(&thumb);
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (vertical()) {
        const int start = m_thumbStart.height();
        const int end = m_thumbEnd.height();
        canvas.drawImage(0, 0, m_thumbStart);
        canvas.drawImage(0, length - end, m_thumbEnd);
        if (length - end > start)
            canvas.drawImage(QRect(0, start, thickness, length - end - start), m_thumbMiddle);
    } else {
        const int start = m_thumbStart.width();
        const int end = m_thumbEnd.width();
        canvas.drawImage(0, 0, m_thumbStart);
        canvas.drawImage(length - end, 0, m_thumbEnd);
        if (length - end > start)
            canvas.drawImage(QRect(start, 0, length - end - start, thickness), m_thumbMiddle);
    }
    canvas.end();
    m_track->setSliderImage(thumb);
    // The slider took the thumb's size: the track fits and places it again.
    m_track->UpdateLayout();
}
