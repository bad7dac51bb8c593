#include "TzynScrollBar.h"
#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TProperty.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynScrollTrackBar.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

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
        // The press itself takes the first step; the repeat takes the following ones.
        button->installEventFilter(this);
        // A click gives a button the focus: it goes to the bar (or whatever the bar passes it
        // on to, the view of a binding).
        button->setFocusProxy(this);
    }
    connect(m_decButton, &TzynImageButton::OnMouseContinuouslyDown, this,
        [this] { step(-m_smallChange); });
    connect(m_incButton, &TzynImageButton::OnMouseContinuouslyDown, this,
        [this] { step(m_smallChange); });
    setBevelInner(Fw::bvNone);
    setBevelOuter(Fw::bvNone);
    setFocusPolicy(Qt::StrongFocus);
    setHeight(defaultHeight);
    arrangeParts();
}

TzynScrollBar::~TzynScrollBar()
{
    // The track's last notices must not reach a binding that outlives the bar's handler.
    m_bindingHandler = nullptr;
    disconnect(m_track, nullptr, this, nullptr);
    m_decButton->removeEventFilter(this);
    m_incButton->removeEventFilter(this);
    // Qt's clearing of a dying widget's focus follows focus proxies: it must not take the
    // focus from the view a binding passed it on to.
    m_decButton->setFocusProxy(nullptr);
    m_incButton->setFocusProxy(nullptr);
    setFocusProxy(nullptr);
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
    if (value >= 1 && value <= 32767) {
        m_smallChange = value;
        m_track->setSmallChange(value);
    }
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

void TzynScrollBar::step(qint64 delta)
{
    m_track->StepBy(delta);
}

bool TzynScrollBar::eventFilter(QObject *watched, QEvent *event)
{
    const bool press
        = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && (watched == m_decButton || watched == m_incButton)
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && static_cast<QWidget *>(watched)->isEnabled()) {
        // OnChange may delete or hide the bar: then the press goes no further, and no repeat
        // starts on an arrow that is gone or out of sight.
        QPointer<QWidget> arrow(static_cast<QWidget *>(watched));
        step(watched == m_decButton ? -qint64(m_smallChange) : qint64(m_smallChange));
        if (!arrow || !arrow->isVisible() || !arrow->isEnabled())
            return true;
    }
    return TCustomPanel::eventFilter(watched, event);
}

void TzynScrollBar::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)
        || !m_track->StepForKey(event->key()))
        TCustomPanel::keyPressEvent(event);
}

void TzynScrollBar::wheelEvent(QWheelEvent *event)
{
    // Over an arrow the wheel comes here; over the track the track takes it itself.
    m_track->StepForWheel(event->angleDelta());
    event->accept();
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
    // Every piece keeps the twin of the picture for high-density screens, cut and turned alike.
    const auto left = [](QImage image) {
        RotateBitmapLeft(image);
        return image;
    };
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
                image = TPictureTwin::derive(left(image), image, left);
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
    const QImage upright = m_thumbPictures[index];
    if (upright.isNull())
        return;
    // Every piece keeps the twin of the picture for high-density screens, cut and turned alike.
    const auto left = [](QImage image) {
        RotateBitmapLeft(image);
        return image;
    };
    const auto right = [](QImage image) {
        RotateBitmapRight(image);
        return image;
    };
    const QImage thumb = TPictureTwin::derive(left(upright), upright, left);
    const auto part = [&](int cell) {
        const auto cut = [cell](const QImage &image) {
            const int w = image.width() / 3;
            return image.copy(cell * w, 0, w, image.height());
        };
        const QImage piece = TPictureTwin::derive(cut(thumb), thumb, cut);
        return vertical() ? TPictureTwin::derive(right(piece), piece, right) : piece;
    };
    m_thumbStart = part(0);
    m_thumbMiddle = part(1);
    m_thumbEnd = part(2);
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
    // The thumb at the pieces' density and, where they have twins, at twice it.
    const auto compose = [&](int scale) {
        QImage thumb((vertical() ? QSize(thickness, length) : QSize(length, thickness)) * scale,
            QImage::Format_RGB32);
        thumb.setDevicePixelRatio(scale);
        thumb.fill(Qt::black);
        QPainter canvas(&thumb);
        canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const auto piece
            = [scale](const QImage &image) { return scale == 1 ? image : TPictureTwin::of(image); };
        if (vertical()) {
            const int start = m_thumbStart.height();
            const int end = m_thumbEnd.height();
            canvas.drawImage(QRect(0, 0, thickness, start), piece(m_thumbStart));
            canvas.drawImage(QRect(0, length - end, thickness, end), piece(m_thumbEnd));
            if (length - end > start)
                canvas.drawImage(
                    QRect(0, start, thickness, length - end - start), piece(m_thumbMiddle));
        } else {
            const int start = m_thumbStart.width();
            const int end = m_thumbEnd.width();
            canvas.drawImage(QRect(0, 0, start, thickness), piece(m_thumbStart));
            canvas.drawImage(QRect(length - end, 0, end, thickness), piece(m_thumbEnd));
            if (length - end > start)
                canvas.drawImage(
                    QRect(start, 0, length - end - start, thickness), piece(m_thumbMiddle));
        }
        canvas.end();
        thumb.setDevicePixelRatio(1);
        return thumb;
    };
    const QImage thumb = compose(1);
    if (!TPictureTwin::of(m_thumbStart).isNull() && !TPictureTwin::of(m_thumbMiddle).isNull()
        && !TPictureTwin::of(m_thumbEnd).isNull())
        TPictureTwin::attach(thumb, compose(2));
    m_track->setSliderImage(thumb);
    // The slider took the thumb's size: the track fits and places it again.
    m_track->UpdateLayout();
}
