#pragma once

#include "TzynCustomButton.h"

// A button drawn from four pictures of its own (normal, mouse-on, mouse-down, disabled), plain
// or stretched over the button. A missing state picture falls back to the normal one. It takes
// no pictures from UI styles.
class TzynImageButton : public TzynCustomButton {
    Q_OBJECT
    Q_PROPERTY(TPicture *PicNormal READ PicNormal WRITE setPicNormal)
    Q_PROPERTY(TPicture *PicMouseOn READ PicMouseOn WRITE setPicMouseOn)
    Q_PROPERTY(TPicture *PicMouseDown READ PicMouseDown WRITE setPicMouseDown)
    Q_PROPERTY(TPicture *PicDisabled READ PicDisabled WRITE setPicDisabled)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
            setMouseContinuouslyDownInterval)
    Q_PROPERTY(TCustomAction *Action READ Action WRITE setAction)
public:
    explicit TzynImageButton(QWidget *parent = nullptr);

    // Its pictures are its own: it keeps Custom and takes nothing from the owner's frame.
    void InitialStyle(TzynUIStyle) override { }

    TPicture *PicNormal() const { return m_pictures[0]; }
    void setPicNormal(const TPicture *picture) { setPicture(0, picture); }
    TPicture *PicMouseOn() const { return m_pictures[1]; }
    void setPicMouseOn(const TPicture *picture) { setPicture(1, picture); }
    TPicture *PicMouseDown() const { return m_pictures[2]; }
    void setPicMouseDown(const TPicture *picture) { setPicture(2, picture); }
    TPicture *PicDisabled() const { return m_pictures[3]; }
    void setPicDisabled(const TPicture *picture) { setPicture(3, picture); }
    bool Stretch() const { return m_stretch; }
    void setStretch(bool value);

protected:
    void AutoSizeToPicture() override;
    void ApplyUIStylePictures(TzynUIStyle) override { }
    QImage StatePicture(TzynPictureState state) const override;
    void PaintPicture(QPainter &canvas, const TzynButtonOption &option) const override;
    QRect PictureRect(const TzynButtonOption &option) const override;

private:
    void setPicture(int index, const TPicture *picture);

    TPicture *m_pictures[4];
    bool m_stretch = false;
};
