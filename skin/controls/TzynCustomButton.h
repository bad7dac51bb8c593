#pragma once

#include "TControl.h"
#include "TCustomAction.h"
#include "TPicture.h"
#include "TzynSkinned.h"
#include "ZYNLooks.h"
#include "ZYNThemes.h"

#include <QPointer>

class TBitmap;

// What a push button's paint reads, filled from the button's state before each paint. The
// paint hooks take it as it is and change nothing on the button.
struct TzynButtonOption {
    QRect rect;
    TzynUIStyle style = TzynUIStyle::Custom;
    // Disabled over pressed over under the pointer over normal.
    TzynPictureState state = TzynPictureState::Normal;
    bool enabled = true;
    bool pressed = false;
    // The button has the focus and shows it.
    bool focused = false;
    // The centred caption is bold, the way some styles show the focus.
    bool boldCaption = false;
    // Enter clicks this button: it wears the default button's mark.
    bool isDefault = false;
    // The state's picture; null draws none.
    QImage picture;
    bool pictureTransparent = false;
    QFont font;
    QColor fontColor;
    QString caption;
};

// The base of the skinned push button family: the click, the auto-repeat that raises
// OnMouseContinuouslyDown while the left button holds the button down, the dialog keys and
// accelerators, the ModalResult passed to the form, and the paint that composes the whole
// button off screen from a state picture, an optional focus mark and the caption. Subclasses
// say where the pictures come from and how picture, caption and focus are drawn.
//
// Caption is the framework's one caption of the control; the button reacts to its changes.
class TzynCustomButton : public TzynStyled<TzynSkinned<TControl>> {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
public:
    explicit TzynCustomButton(QWidget *parent = nullptr);
    ~TzynCustomButton() override;

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool value);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool value) { m_cancel = value; }
    bool Default() const { return m_default; }
    void setDefault(bool value);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int value) { m_modalResult = value; }
    int MouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void setMouseContinuouslyDownInterval(int ms) { m_repeatInterval = ms; }
    // 0 is the program's own module, when set and when read.
    uint ResHandle() const { return m_resHandle; }
    virtual void setResHandle(uint handle);

    virtual QString PicNormalResName() const;
    virtual void setPicNormalResName(const QString &name);
    virtual QString PicMouseOnResName() const;
    virtual void setPicMouseOnResName(const QString &name);
    virtual QString PicMouseDownResName() const;
    virtual void setPicMouseDownResName(const QString &name);

    TCustomAction *Action() const { return m_action.data(); }
    void setAction(TCustomAction *action);

    // Whether OnMouseContinuouslyDown is due: while the left button holds the button down.
    bool Repeating() const { return autoRepeating(); }
    bool MouseOn() const { return Hovered(); }
    bool MouseDown() const { return Pressed(); }
    bool PictureTransparent() const { return m_pictureTransparent; }

    // Form-level keys that the focused control did not take. Each returns whether the button
    // handled the key (and clicked).
    bool DialogKey(int key, Qt::KeyboardModifiers modifiers);
    bool DialogChar(QChar ch);
    // Whether the control can take the focus: shown and enabled with all its parents.
    bool CanFocus() const;
    // Whether Enter clicks the button and it shows the default mark: the focused push button
    // on a form that has a default button, or else the default button itself (as Enter from
    // any other control clicks it).
    bool ShowsDefault() const;
    // Whether Enter on the focused button clicks it. Check boxes and radio buttons leave it
    // to the form's default button, as Space is theirs.
    virtual bool TakesEnter() const { return true; }

    // The program's bitmap resource of that name from a module; raises EResNotFound.
    static QImage LoadResourceBitmap(uint module, const QString &name);
    // The same, or a null image where LoadResourceBitmap raises.
    static QImage ResourcePicture(uint module, const QString &name);
    // The picture that stands in for one that cannot be obtained.
    static QImage BlankPicture();

Q_SIGNALS:
    void OnMouseEnter(QObject *Sender);
    void OnMouseExit(QObject *Sender);
    void OnMouseContinuouslyDown(QObject *Sender);

protected:
    virtual void AutoSizeToPicture();
    virtual void CaptionChanged() { }
    virtual void FontUpdated();
    virtual void TransparentChanged();
    virtual void EnabledChanged() { }
    // The style's pictures and looks, after the style was stored.
    virtual void ApplyUIStylePictures(TzynUIStyle style) = 0;
    virtual void UIStyleChanged();
    void ApplyUIStyle(TzynUIStyle style) override;

    // The picture of a state; a null image where the state has none. The default reads the
    // named bitmaps; a missing one is the blank picture.
    virtual QImage StatePicture(TzynPictureState state) const;
    virtual void initButtonOption(TzynButtonOption &option) const;
    virtual void PaintPicture(QPainter &canvas, const TzynButtonOption &option) const;
    virtual void PaintCaption(QPainter &canvas, const TzynButtonOption &option) const;
    virtual void PaintFocus(QPainter &canvas, const TzynButtonOption &option) const;
    // The default mark over the picture: a dark frame inside its edge.
    virtual void PaintDefault(QPainter &canvas, const TzynButtonOption &option) const;
    // Where the state picture lies on the button, which the focus and default marks keep
    // within.
    virtual QRect PictureRect(const TzynButtonOption &option) const;
    // The rounding of the picture's corners (TzynButtonShape).
    int PictureCornerRadius(const TzynButtonOption &option) const;
    // The linked action changed: the framework takes its texts and state, then Caption follows.
    virtual void ActionChange();

    void Click() override;
    // The framework's click: the action, or OnClick.
    void FrameworkClick();

    // A button shows hover, press and focus: any change repaints it, and a push button's focus
    // moves the default mark.
    void SkinStateChanged(TzynSkinState old) override;
    void PointerEntered() override;
    void PointerLeft() override;
    void AutoRepeatStep() override;

    // Stored state for subclasses.
    QString m_picNormalResName;
    QString m_picMouseOnResName;
    QString m_picMouseDownResName;
    bool m_pictureTransparent = false;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void fontChanged() override;
    void captionChanged() override;

private:
    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    int m_modalResult = 0;
    int m_repeatInterval = 100;
    uint m_resHandle = 0;
    QPointer<TCustomAction> m_action;
};
