#pragma once

#include "TControl.h"
#include "TLayoutStatus.h"
#include "TzynSkinned.h"

#include <QColor>
#include <QImage>

class TGraphic;
class TPicture;

// A bar 12 pixels thick showing Position between Min and Max: the filled part shows the
// style's progress picture repeated along the bar (a picture of the user's, under Custom,
// stretched), from the bottom when vertical; the rest Color, a one-pixel BorderColor frame
// round it, and on a horizontal bar the percentage in its middle, in CaptionColor where that
// reads on what lies under it and in black or white over a fill it does not read on. Its
// thickness stays 12: setBounds refuses another, Qt's own resize and setGeometry are held to
// it, and a layout may give Width, Height and Orientation in any order.
class TzynProgressBar : public TzynStyled<TzynSkinned<TControl>>, public TLayoutStatus {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TColor CaptionColor READ CaptionColor WRITE setCaptionColor)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)
    Q_PROPERTY(bool SmartShowCaption READ SmartShowCaption WRITE setSmartShowCaption)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(zyn::TzynProgressBarOrientation Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TPicture *Picture READ Picture WRITE setPicture)
public:
    static constexpr int Thickness = 12;

    explicit TzynProgressBar(QWidget *parent = nullptr);

    int Max() const { return m_max; }
    void setMax(int value);
    int Min() const { return m_min; }
    void setMin(int value);
    int Position() const { return m_position; }
    void setPosition(int value);
    TzynProgressBarOrientation Orientation() const { return m_orientation; }
    void setOrientation(TzynProgressBarOrientation orientation);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    TPicture *Picture() const { return m_picture; }
    void setPicture(const TPicture *picture);
    TColor CaptionColor() const { return m_captionColor; }
    void setCaptionColor(TColor color);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool value);
    bool SmartShowCaption() const { return m_smartShowCaption; }
    void setSmartShowCaption(bool value);

    // The percentage shown: 0 when Min = Max, else (Position - Min) * 100 div (Max - Min),
    // truncated; it may be negative or above 100.
    static int Percentage(int min, int max, int position);
    // How many of n pixels are filled: none when Min >= Max or Position <= Min, all when
    // Position is beyond Max.
    static int FilledLength(int min, int max, int position, int n);

    // Refuses a thickness other than 12 (while a layout loads, the size is taken as given and
    // the thickness applied once the layout is complete).
    void setBounds(int left, int top, int width, int height) override;

    void Loading() override;
    void Loaded() override;

    // The colour the caption takes over a fill of the given colour: the caption colour where
    // the two differ enough to read, else black or white, whichever reads better.
    static QColor ReadableOn(const QColor &caption, const QColor &fill);

protected:
    void ApplyUIStyle(TzynUIStyle style) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyStyle();
    // Repaints when what shows (the filled part or the caption) changed.
    void valueChanged(int oldFilled, const QString &oldCaption);
    int filledNow() const;
    // Holds Qt's own resizing to the thickness of the orientation; none while a layout loads.
    void applyThicknessLimits();
    // The theme's pictures are patterns repeated along the bar; a user's is stretched.
    bool tilesPicture() const { return UIStyle() != TzynUIStyle::Custom; }
    // The picture upside down, as the vertical bar fills from the bottom; turned once per
    // picture rather than on every paint.
    QImage mirroredPicture(const TGraphic &graphic) const;

    TPicture *m_picture;
    mutable QImage m_mirrored;
    mutable qint64 m_mirroredFrom = 0;
    // The fill picture's average colour, worked out once per picture rather than at every paint.
    QColor fillAverage(const TGraphic &graphic) const;
    mutable QColor m_fillAverage;
    mutable qint64 m_fillAverageFrom = 0;
    int m_max = 100;
    int m_min = 0;
    int m_position = 50;
    TzynProgressBarOrientation m_orientation = zyn::zynHorizontal;
    TColor m_borderColor = Colors::clBlack;
    TColor m_captionColor = Colors::clBlack;
    bool m_showCaption = true;
    bool m_smartShowCaption = false;
    bool m_loading = false;
};
