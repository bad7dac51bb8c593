#include "TzynTrackBar.h"
#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TProperty.h"
#include "TzynImagePanel.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

namespace {

constexpr int stepInterval = 500;

void setPictureImage(TPicture *picture, const QImage &image)
{
    if (image.isNull())
        picture->clear();
    else
        picture->setGraphic(std::make_unique<TBitmap>(image));
}

QImage pictureImage(const TPicture *picture)
{
    return picture->isEmpty() ? QImage() : picture->graphic()->toImage();
}

} // namespace

int TzynTrackBar::Geometry::Travel() const
{
    return std::max(0, length - sliderLength);
}

int TzynTrackBar::Geometry::SliderAlong(int position) const
{
    if (min == max)
        return 0;
    // Every difference in 64 bits: Position - Min alone spans 2^32 for the widest range, and a
    // memo's pixel range times a long track does not fit in 32 either. A position that Min or
    // Max left outside the range keeps the slider at the end of its travel, on the track.
    const qint64 along = (qint64(position) - min) * (length - sliderLength) / (qint64(max) - min);
    return int(std::clamp<qint64>(along, 0, Travel()));
}

int TzynTrackBar::Geometry::SliderAcross() const
{
    return std::max(0, thickness - sliderThickness) / 2;
}

qint64 TzynTrackBar::Geometry::PositionFrom(int pointer) const
{
    return PositionAt(pointer - sliderLength / 2);
}

qint64 TzynTrackBar::Geometry::PositionAt(int origin) const
{
    // A slider as long as the control or longer has no travel to divide by: every pointer
    // stands for the first position.
    if (sliderLength >= length)
        return 0;
    return min + qint64(origin) * (qint64(max) - min) / (length - sliderLength);
}

TzynTrackBar::TzynTrackBar(QWidget *parent)
    : TzynStyled(parent)
    , m_barImage(new TPicture(this))
    , m_slider(new TzynImagePanel(this))
{
    // The paint covers every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setBevelInner(Fw::bvNone);
    setBevelOuter(Fw::bvNone);
    m_slider->setAutoSize(true);
    m_slider->setBevelOuter(Fw::bvNone);
    m_slider->installEventFilter(this);
    // The keyboard and the wheel move it; it shows the focus.
    setFocusPolicy(Qt::StrongFocus);
    placeSlider();
}

TzynTrackBar::~TzynTrackBar()
{
    m_slider->removeEventFilter(this);
}

TzynTrackBar::Geometry TzynTrackBar::geometryNow() const
{
    Geometry g;
    const QSize slider = m_slider->size();
    g.length = horizontal() ? width() : height();
    g.thickness = horizontal() ? height() : width();
    g.sliderLength = horizontal() ? slider.width() : slider.height();
    g.sliderThickness = horizontal() ? slider.height() : slider.width();
    g.min = m_min;
    g.max = m_max;
    return g;
}

void TzynTrackBar::ApplyUIStyle(TzynUIStyle style)
{
    if (style == TzynUIStyle::Custom)
        return;
    setColor(GetThemeColor(style, TzynThemeEntry::TrackBarColor));
    UpdateLayout();
}

void TzynTrackBar::setBarImage(const TPicture *picture)
{
    // The property written back with itself.
    if (picture == m_barImage)
        return;
    m_barImage->assign(picture);
    UpdateLayout();
}

TPicture *TzynTrackBar::SliderImage() const
{
    return m_slider->Picture();
}

void TzynTrackBar::setSliderImage(const TPicture *picture)
{
    if (picture == m_slider->Picture())
        return;
    m_slider->setPicture(picture);
    update();
}

void TzynTrackBar::setSliderImage(const QImage &image)
{
    setPictureImage(m_slider->Picture(), image);
    update();
}

void TzynTrackBar::setMin(int value)
{
    // Not checked against Max, and Position is not clamped again.
    if (!AssignIfChanged(m_min, value))
        return;
    placeSlider();
}

void TzynTrackBar::setMax(int value)
{
    if (!AssignIfChanged(m_max, value))
        return;
    placeSlider();
}

void TzynTrackBar::setPosition(int value)
{
    value = clampPosition(value);
    if (!AssignIfChanged(m_position, value))
        return;
    placeSlider();
}

int TzynTrackBar::clampPosition(qint64 value) const
{
    // Below Min gives Min, above Max gives Max, in this order as the setter has it; the
    // comparison is made before anything is cut to 32 bits.
    if (value < m_min)
        return m_min;
    if (value > m_max)
        return m_max;
    return int(value);
}

void TzynTrackBar::setSmallChange(int value)
{
    if (value >= 1)
        m_smallChange = value;
}

void TzynTrackBar::StepBy(qint64 delta)
{
    setPosition(clampPosition(qint64(m_position) + delta));
}

bool TzynTrackBar::StepForKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        StepBy(-qint64(m_smallChange));
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        StepBy(m_smallChange);
        return true;
    case Qt::Key_PageUp:
        StepBy(-qint64(m_pageSize));
        return true;
    case Qt::Key_PageDown:
        StepBy(m_pageSize);
        return true;
    case Qt::Key_Home:
        setPosition(m_min);
        return true;
    case Qt::Key_End:
        setPosition(m_max);
        return true;
    default:
        return false;
    }
}

bool TzynTrackBar::StepForWheel(const QPoint &angleDelta)
{
    // A wheel turned sideways moves a bar as one turned away from the user does.
    m_wheelRest += angleDelta.y() != 0 ? angleDelta.y() : angleDelta.x();
    const int notches = m_wheelRest / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return false;
    m_wheelRest -= notches * QWheelEvent::DefaultDeltasPerStep;
    const qint64 lines = qint64(notches) * QApplication::wheelScrollLines();
    StepBy(-lines * m_smallChange);
    return true;
}

void TzynTrackBar::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)
        || !StepForKey(event->key()))
        TCustomPanel::keyPressEvent(event);
}

void TzynTrackBar::wheelEvent(QWheelEvent *event)
{
    StepForWheel(event->angleDelta());
    event->accept();
}

void TzynTrackBar::SkinStateChanged(TzynSkinState old)
{
    // Only the focus shows.
    if ((old ^ SkinState()).testFlag(TzynSkinStateFlag::Focused))
        update();
}

void TzynTrackBar::setPageSize(int value)
{
    if (value >= 0 && value <= 100)
        m_pageSize = value;
}

void TzynTrackBar::setOrientation(TzynProgressBarOrientation value)
{
    if (!AssignIfChanged(m_orientation, value))
        return;
    UpdateLayout();
}

void TzynTrackBar::UpdateLayout()
{
    prepareBar();
    fitThickness();
    placeSlider();
    update();
}

void TzynTrackBar::prepareBar()
{
    const int length = horizontal() ? width() : height();
    if (UIStyle() != TzynUIStyle::Custom) {
        using E = TzynThemeEntry;
        const QImage bar = ThemeImage(GetThemeResName(
            UIStyle(), horizontal() ? E::TrackBarBarImage : E::TrackBarVerticalBarImage));
        setPictureImage(m_barImage, bar);
        m_barBitmap = QImage();
        if (length > 0 && !bar.isNull()) {
            // The bar at the picture's density and, where the picture has a twin, at twice it.
            const auto compose = [&](int scale) {
                QImage out(length * scale, bar.height() * scale, QImage::Format_RGB32);
                out.setDevicePixelRatio(scale);
                QPainter canvas(&out);
                DrawThreeSliceBitmap(bar, canvas, QRect(0, 0, length, bar.height()), false);
                canvas.end();
                if (!horizontal())
                    RotateBitmapLeft(out);
                out.setDevicePixelRatio(1);
                return out;
            };
            m_barBitmap = compose(1);
            if (!TPictureTwin::of(bar).isNull())
                TPictureTwin::attach(m_barBitmap, compose(2));
        }
        // Raises for a missing picture, as the bar's does.
        ThemeImage(GetThemeResName(
            UIStyle(), horizontal() ? E::TrackBarSliderImage : E::TrackBarVerticalSliderImage));
        loadSliderPicture();
    } else {
        m_barBitmap = pictureImage(m_barImage);
        if (!m_barBitmap.isNull() && !horizontal())
            RotateBitmapLeft(m_barBitmap);
    }
}

void TzynTrackBar::loadSliderPicture()
{
    if (UIStyle() == TzynUIStyle::Custom)
        return;
    using E = TzynThemeEntry;
    const QString name = GetThemeResName(
        UIStyle(), horizontal() ? E::TrackBarSliderImage : E::TrackBarVerticalSliderImage);
    setPictureImage(m_slider->Picture(), ThemeStateImage(name, SliderState()));
}

TzynPictureState TzynTrackBar::SliderState() const
{
    return PictureState(isEnabled(), m_dragging, m_sliderHovered);
}

void TzynTrackBar::setSliderHovered(bool hovered)
{
    const TzynPictureState old = SliderState();
    m_sliderHovered = hovered;
    sliderStateChanged(old);
}

void TzynTrackBar::sliderStateChanged(TzynPictureState old)
{
    if (SliderState() == old)
        return;
    loadSliderPicture();
    if (m_sliderStateHandler)
        m_sliderStateHandler();
    m_slider->update();
}

void TzynTrackBar::fitThickness()
{
    const int barHeight = m_barImage->height();
    if (horizontal())
        setHeight(std::max(barHeight, m_slider->height()));
    else
        setWidth(std::max(barHeight, m_slider->width()));
    update();
}

void TzynTrackBar::placeSlider()
{
    const Geometry g = geometryNow();
    const int along = g.SliderAlong(m_position);
    const int across = g.SliderAcross();
    MoveControlTo(m_slider, horizontal() ? QPoint(along, across) : QPoint(across, along));
    update();
    if (m_position != m_lastReportedPosition)
        reportChange();
}

void TzynTrackBar::reportChange()
{
    m_lastReportedPosition = m_position;
    QPointer<TzynTrackBar> self(this);
    Q_EMIT OnChange(this);
    if (self && m_changeHandler)
        m_changeHandler();
}

void TzynTrackBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(Color()));
    if (!m_barBitmap.isNull()) {
        const QPoint at = horizontal() ? QPoint(0, (height() - m_barBitmap.height()) / 2)
                                       : QPoint((width() - m_barBitmap.width()) / 2, 0);
        TPictureTwin::draw(painter, at, m_barBitmap);
    }
    // The dotted rectangle round the control while it has the focus; the slider, a child,
    // covers it where it stands.
    if (hasFocus())
        DrawFocusRect(painter, rect());
}

void TzynTrackBar::resizeEvent(QResizeEvent *event)
{
    TCustomPanel::resizeEvent(event);
    UpdateLayout();
}

void TzynTrackBar::colorChanged()
{
    update();
}

void TzynTrackBar::pageStep(int pointer)
{
    const int origin = horizontal() ? m_slider->x() : m_slider->y();
    const qint64 target = geometryNow().PositionFrom(pointer);
    const qint64 position = m_position;
    // The step never carries the slider past the pointer, and never away from it: once the
    // slider covers the pointer the goal can lie behind the position, and it stays.
    if (pointer > origin)
        setPosition(clampPosition(std::max(position, std::min(position + m_pageSize, target))));
    else if (pointer < origin)
        setPosition(clampPosition(std::min(position, std::max(position - m_pageSize, target))));
}

void TzynTrackBar::stopStepping()
{
    stopAutoRepeat();
}

void TzynTrackBar::AutoRepeatStep()
{
    pageStep(along(m_pointer));
}

void TzynTrackBar::endDrag()
{
    stopStepping();
    const TzynPictureState old = SliderState();
    m_dragging = false;
    sliderStateChanged(old);
}

void TzynTrackBar::dragTo(int pointer)
{
    const Geometry g = geometryNow();
    // The point where the slider was grabbed stays under the pointer, and the position is the
    // one the slider's place stands for, so that placing the slider for it later puts it back
    // where the pointer left it (give or take the truncation) instead of half a slider away.
    const int along = int(std::clamp<qint64>(qint64(pointer) - m_grabOffset, 0, g.Travel()));
    const int across = horizontal() ? m_slider->y() : m_slider->x();
    MoveControlTo(m_slider, horizontal() ? QPoint(along, across) : QPoint(across, along));
    // The slider stays where the pointer put it: the position follows without placing it.
    m_position = clampPosition(g.PositionAt(along));
    if (m_position != m_lastReportedPosition)
        reportChange();
}

void TzynTrackBar::mousePressEvent(QMouseEvent *event)
{
    m_pointer = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        return;
    // OnChange may delete or hide the bar.
    QPointer<TzynTrackBar> self(this);
    pageStep(along(m_pointer));
    if (!self || !isVisible())
        return;
    if (!autoRepeating())
        startAutoRepeat(stepInterval, stepInterval);
}

void TzynTrackBar::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer = event->position().toPoint();
    if (m_dragging) {
        dragTo(along(m_pointer));
        return;
    }
    // Off the bar means outside 0..width by 0..height, both edges counted as on it.
    if (m_pointer.x() < 0 || m_pointer.x() > width() || m_pointer.y() < 0
        || m_pointer.y() > height())
        stopStepping();
}

void TzynTrackBar::mouseReleaseEvent(QMouseEvent *)
{
    // Qt ends its grab of the mouse with the release.
    endDrag();
}

bool TzynTrackBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_slider)
        return TCustomPanel::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // While a button is held Qt sends every move and the release to the slider, which
        // stands in for capturing the mouse for the track bar: they are handled here.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_grabOffset = along(mouse->position().toPoint());
        const TzynPictureState old = SliderState();
        m_dragging = true;
        sliderStateChanged(old);
        return true;
    }
    case QEvent::Enter:
        setSliderHovered(true);
        return false;
    case QEvent::Leave:
        setSliderHovered(false);
        return false;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_pointer = m_slider->mapToParent(mouse->position().toPoint());
        if (m_dragging)
            dragTo(along(m_pointer));
        return true;
    }
    case QEvent::MouseButtonRelease:
        endDrag();
        return true;
    default:
        return false;
    }
}
