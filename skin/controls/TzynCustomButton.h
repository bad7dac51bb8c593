#pragma once

#include "TControl.h"
#include "TCustomAction.h"
#include "TPicture.h"
#include "TzynSkinnedControl.h"
#include "ZYNThemes.h"

#include <QPointer>

class QTimer;
class TBitmap;

// The base of the skinned push button family: the pointer and keyboard state machine
// (MouseOn, MouseDown), the auto-repeat timer, the dialog keys and accelerators, the click
// that passes ModalResult to the form, and the paint that composes the whole button off screen
// from a state picture, an optional focus mark and the caption. Subclasses say where the
// pictures come from and how picture, caption and focus are drawn.
//
// Caption is the framework's one caption of the control; the button reacts to its changes.
class TzynCustomButton : public TControl, public TzynStyleable {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
public:
    explicit TzynCustomButton(QWidget *parent = nullptr);
    ~TzynCustomButton() override;

    TzynUIStyle UIStyle() const override { return m_uiStyle; }
    void setUIStyle(TzynUIStyle style) override;
    // The family's classes in the style table add themselves.
    TzynStyleClasses StyleClasses() const override { return {}; }
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

    bool MouseOn() const { return m_mouseOn; }
    bool MouseDown() const { return m_mouseDown; }
    bool BoldCaptionOnce() const { return m_boldCaptionOnce; }
    bool PictureTransparent() const { return m_pictureTransparent; }
    // The auto-repeat timer: present only while the left button holds the button down.
    QTimer *RepeatTimer() const { return m_repeatTimer; }

    // Form-level keys that the focused control did not take. Each returns whether the button
    // handled the key (and clicked).
    bool DialogKey(int key, Qt::KeyboardModifiers modifiers);
    bool DialogChar(QChar ch);
    // Whether the control can take the focus: shown and enabled with all its parents.
    bool CanFocus() const;

    // The program's bitmap resource of that name from a module; raises EResNotFound.
    static QImage LoadResourceBitmap(uint module, const QString &name);
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
    virtual void UIStyleChanged();
    virtual void PaintPicture(QPainter &canvas, TBitmap &picture);
    virtual void PaintCaption(QPainter &canvas, const QString &caption);
    virtual void PaintFocus(QPainter &canvas);
    // Fill the bitmap with the picture of that state; raise an Exception when it cannot be had.
    virtual void GetNormalPicture(TBitmap &bitmap);
    virtual void GetMouseOnPicture(TBitmap &bitmap);
    virtual void GetMouseDownPicture(TBitmap &bitmap);
    virtual void GetDisabledPicture(TBitmap &bitmap);
    virtual void ApplyUIStylePictures(TzynUIStyle style) = 0;
    // The linked action changed: the framework takes its texts and state, then Caption follows.
    virtual void ActionChange();

    void Click() override;
    // The framework's click: the action, or OnClick.
    void FrameworkClick();

    // Stored state for subclasses.
    QString m_picNormalResName;
    QString m_picMouseOnResName;
    QString m_picMouseDownResName;
    bool m_boldCaptionOnce = false;
    bool m_pictureTransparent = false;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void fontChanged() override;
    void captionChanged() override;

private:
    void pointerEntered();
    void pointerLeft();
    void stopRepeat();

    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    int m_modalResult = 0;
    TzynUIStyle m_uiStyle = TzynUIStyle::Custom;
    QTimer *m_repeatTimer = nullptr;
    int m_repeatInterval = 100;
    uint m_resHandle = 0;
    QPointer<TCustomAction> m_action;
    bool m_mouseOn = false;
    bool m_mouseDown = false;
    // Whether the pointer is over the button as far as enter and leave go; while a mouse
    // button is held Qt sends neither, so moves stand in for them.
    bool m_pointerInside = false;
};
