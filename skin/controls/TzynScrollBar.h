#pragma once

#include "TCustomPanel.h"
#include "TzynScrollBinding.h"
#include "TzynSkinned.h"
#include "ZYNThemes.h"

#include <QImage>

class TzynImageButton;
class TzynScrollTrackBar;

// A composite skinned scroll bar: a decrease arrow at the start, an increase arrow at the end
// (both TzynImageButtons that repeat every 100 ms while held) and between them a
// TzynScrollTrackBar whose slider is the thumb, built from the style's three-part thumb
// picture: as long as PageSize per cent of the track, or LineButton pixels when that is set.
// Min, Max, Position, PageSize and OnChange are the track's. A press on an arrow steps once at
// once, then repeats while held. A free bar takes the focus: the arrow keys step by
// SmallChange, Page Up and Page Down by LargeChange, Home and End go to Min and Max; the wheel
// moves it wherever it is. A list or memo binds it through TzynScrollBinding (a bound bar
// takes no focus: the view keeps it).
class TzynScrollBar : public TzynStyled<TzynSkinned<TCustomPanel>>, public TzynBindableScrollBar {
    Q_OBJECT
    Q_PROPERTY(int LineButton READ LineButton WRITE setLineButton)
    Q_PROPERTY(zyn::TzynProgressBarOrientation Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE setSmallChange)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE setLargeChange)
    Q_PROPERTY(int PageSize READ PageSize WRITE setPageSize)
public:
    // A fixed thumb is never shorter than this.
    static constexpr int MinLineButton = 18;

    explicit TzynScrollBar(QWidget *parent = nullptr);
    ~TzynScrollBar() override;

    TzynProgressBarOrientation Orientation() const { return m_orientation; }
    void setOrientation(TzynProgressBarOrientation value);
    int SmallChange() const { return m_smallChange; }
    // A step of 1 to 32767; other values are ignored.
    void setSmallChange(int value);
    int LineButton() const { return m_lineButton; }
    void setLineButton(int length) override;

    int Min() const;
    void setMin(int value) override;
    int Max() const;
    void setMax(int value) override;
    int Position() const override;
    void setPosition(int value) override;
    int PageSize() const;
    // The track's PageSize, and the thumb's length with it.
    void setPageSize(int value);
    int LargeChange() const { return PageSize(); }
    // The track's PageSize only: the thumb keeps its length.
    void setLargeChange(int value);

    TzynScrollTrackBar *Track() const { return m_track; }
    TzynImageButton *DecButton() const { return m_decButton; }
    TzynImageButton *IncButton() const { return m_incButton; }
    const QImage &ThumbStart() const { return m_thumbStart; }
    // The thumb's length along the track as it is built now.
    int ThumbLength() const;

    // What a binding sees.
    QWidget *BarWidget() override { return this; }
    void setVertical(bool vertical) override;
    void setSliderVisible(bool visible) override;
    void setOnChange(std::function<void()> handler) override;
    QColor CornerColor() const override { return toQColor(Color()); }

Q_SIGNALS:
    // The track's position changed; Sender is the scroll bar.
    void OnChange(QObject *Sender);

protected:
    void ApplyUIStyle(TzynUIStyle style) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void colorChanged() override;

private:
    bool vertical() const { return m_orientation == zynVertical; }
    void loadStylePictures();
    void arrangeParts();
    void buildThumb();
    // Cuts the thumb picture of the track's slider state into its three parts.
    void cutThumb();
    void step(qint64 delta);

    TzynScrollTrackBar *m_track;
    TzynImageButton *m_incButton;
    TzynImageButton *m_decButton;
    QImage m_thumbStart;
    QImage m_thumbMiddle;
    QImage m_thumbEnd;
    // The upright thumb pictures of the normal, mouse-on and mouse-down states.
    QImage m_thumbPictures[3];
    TzynProgressBarOrientation m_orientation = zynHorizontal;
    int m_smallChange = 1;
    int m_lineButton = 0;
    std::function<void()> m_bindingHandler;
    bool m_arranging = false;
};
