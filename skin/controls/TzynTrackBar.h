#pragma once

#include "TCustomPanel.h"
#include "TPicture.h"
#include "TzynSkinned.h"
#include "ZYNLooks.h"
#include "ZYNThemes.h"

#include <QImage>
#include <QPoint>

#include <functional>

class TzynImagePanel;

// A slider control drawn from two pictures: a bar stretched along the control and a slider
// picture (a TzynImagePanel child) that the user drags or moves in page steps toward the
// pointer. In a built-in style both pictures and the colour come from the theme; the scroll
// bar uses the same control (TzynScrollTrackBar) as its track, with the thumb as its slider.
class TzynTrackBar : public TzynStyled<TzynSkinned<TCustomPanel>> {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TPicture *BarImage READ BarImage WRITE setBarImage)
    Q_PROPERTY(TPicture *SliderImage READ SliderImage WRITE setSliderImage)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE setPageSize)
    Q_PROPERTY(zyn::TzynProgressBarOrientation Orientation READ Orientation WRITE setOrientation)
public:
    // The geometry shared by painting, placing and the pointer: lengths run along the
    // orientation, thicknesses across it. Integer arithmetic whose divisions truncate toward zero,
    // in 64 bits: a range from INT_MIN to INT_MAX is 2^32 wide.
    struct Geometry {
        int length = 0; // L: the control's width (horizontal) or height (vertical)
        int thickness = 0; // T: the other dimension
        int sliderLength = 0; // s
        int sliderThickness = 0; // t
        int min = 0;
        int max = 100;

        // Where the slider's top-left corner goes for a position, along and across.
        int SliderAlong(int position) const;
        int SliderAcross() const;
        // The position that a pointer coordinate along the length stands for when the pointer
        // is at the slider's middle (a page step's goal); not clamped.
        qint64 PositionFrom(int pointer) const;
        // The position of a slider whose start is at origin along the length; not clamped.
        qint64 PositionAt(int origin) const;
        // How far the slider can travel: 0 when it is as long as the control or longer.
        int Travel() const;
    };

    explicit TzynTrackBar(QWidget *parent = nullptr);
    ~TzynTrackBar() override;

    TPicture *BarImage() const { return m_barImage; }
    void setBarImage(const TPicture *picture);
    TPicture *SliderImage() const;
    void setSliderImage(const TPicture *picture);
    void setSliderImage(const QImage &image);
    int Min() const { return m_min; }
    void setMin(int value);
    int Max() const { return m_max; }
    void setMax(int value);
    int Position() const { return m_position; }
    void setPosition(int value);
    int PageSize() const { return m_pageSize; }
    void setPageSize(int value);
    TzynProgressBarOrientation Orientation() const { return m_orientation; }
    void setOrientation(TzynProgressBarOrientation value);
    // The step of the arrow keys and of one line of the wheel; 1 unless an owner sets it.
    int SmallChange() const { return m_smallChange; }
    void setSmallChange(int value);

    // Moves the position by delta (clamped to Min..Max, never wrapping).
    void StepBy(qint64 delta);
    // The keyboard of a slider: the arrow keys step by SmallChange (left and up toward Min),
    // Page Up and Page Down by PageSize, Home and End go to Min and Max. Returns whether the
    // key was one of these.
    bool StepForKey(int key);
    // The wheel: each notch moves by the desktop's lines per notch times SmallChange, toward
    // Min when turned away from the user. Returns whether it moved anything.
    bool StepForWheel(const QPoint &angleDelta);

    int LastReportedPosition() const { return m_lastReportedPosition; }
    bool Dragging() const { return m_dragging; }
    int GrabOffset() const { return m_grabOffset; }
    // Whether the bar steps toward the pointer: while the left button is held on the bar.
    bool Stepping() const { return autoRepeating(); }
    TzynImagePanel *Slider() const { return m_slider; }
    const QImage &BarBitmap() const { return m_barBitmap; }

    Geometry geometryNow() const;

    // Prepares the bar, fits the thickness, places the slider, repaints: after every change of
    // size, orientation, style or bar picture, and when the owner gives the slider a new size.
    void UpdateLayout();

    // Runs on every OnChange, after the signal; the scroll bar's binding hangs here.
    void setChangeHandler(std::function<void()> handler) { m_changeHandler = std::move(handler); }

    // The slider's look: held while dragged, under the pointer, or normal.
    TzynPictureState SliderState() const;
    // Runs when SliderState changes; a built-in style shows the slider's picture of the state
    // by itself, the scroll bar builds its thumb of the state here.
    void setSliderStateHandler(std::function<void()> handler)
    {
        m_sliderStateHandler = std::move(handler);
    }

Q_SIGNALS:
    void OnChange(QObject *Sender);

protected:
    void ApplyUIStyle(TzynUIStyle style) override;
    void AutoRepeatStep() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void colorChanged() override;
    void SkinStateChanged(TzynSkinState old) override;

private:
    bool horizontal() const { return m_orientation == zynHorizontal; }
    int along(const QPoint &point) const { return horizontal() ? point.x() : point.y(); }
    void prepareBar();
    void fitThickness();
    void placeSlider();
    void reportChange();
    int clampPosition(qint64 value) const;
    void pageStep(int pointer);
    void stopStepping();
    void endDrag();
    void dragTo(int pointer);
    void loadSliderPicture();
    void setSliderHovered(bool hovered);
    void sliderStateChanged(TzynPictureState old);

    TPicture *m_barImage;
    TzynImagePanel *m_slider;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_lastReportedPosition = 0;
    TzynProgressBarOrientation m_orientation = zynHorizontal;
    bool m_dragging = false;
    int m_grabOffset = 0;
    int m_pageSize = 10;
    int m_smallChange = 1;
    // Wheel turns smaller than a notch, kept until they add up to one.
    int m_wheelRest = 0;
    QImage m_barBitmap;
    // Where the pointer was last seen, in the track bar's coordinates: the step timer reads it,
    // since under X11 the cursor position ignores simulated input.
    QPoint m_pointer;
    std::function<void()> m_changeHandler;
    std::function<void()> m_sliderStateHandler;
    bool m_sliderHovered = false;
};
