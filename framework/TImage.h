#pragma once

#include "TControl.h"
#include "TPicture.h"

// Shows a picture of any registered format: once at the top-left, centred, or stretched over
// the whole control.
class TImage : public TControl {
    Q_OBJECT
    Q_PROPERTY(TPicture *Picture READ Picture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
public:
    explicit TImage(QWidget *parent = nullptr);

    TPicture *Picture() const { return m_picture; }
    bool Stretch() const { return m_stretch; }
    void setStretch(bool value);
    bool Center() const { return m_center; }
    void setCenter(bool value);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool value);

    // Where the picture is drawn in the control's coordinates.
    QRect destRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void pictureChanged();

    TPicture *m_picture;
    bool m_stretch = false;
    bool m_center = false;
    bool m_transparent = false;
};
