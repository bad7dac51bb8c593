#pragma once

#include "TPicture.h"
#include "ZYNThemes.h"

#include <QMenu>

#include <QObject>
#include <QPointer>

class TzynTitleBar;
class TzynTitleBarButtons;

// One picture button of the title bar with its normal, mouse-on and mouse-down pictures.
// A button does nothing to the window itself: it asks for its action, and the title bar that
// owns it acts (built-in types on the window; help and custom buttons raise the bar's events).
class TzynTitleBarButton : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(TzynTitleBarBtnType ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TPicture *PicNormal READ PicNormal WRITE setPicNormal)
    Q_PROPERTY(TPicture *PicMouseOn READ PicMouseOn WRITE setPicMouseOn)
    Q_PROPERTY(TPicture *PicMouseDown READ PicMouseDown WRITE setPicMouseDown)
    Q_PROPERTY(QMenu *ControlBoxMenu READ ControlBoxMenu WRITE setControlBoxMenu)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
public:
    enum TzynTitleBarBtnType { zynMax, zynMin, zynClose, zynHelp, zynControlBox, zynCustom };
    Q_ENUM(TzynTitleBarBtnType)

    explicit TzynTitleBarButton(TzynTitleBarButtons *collection);

    TzynTitleBarButtons *Collection() const { return m_collection; }
    TzynTitleBar *TitleBar() const;
    int Index() const;

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);
    TzynTitleBarBtnType ButtonType() const { return m_type; }
    // Only one button of a collection may be the control box; a second one is refused with an
    // error box and the button stays as it was.
    void setButtonType(TzynTitleBarBtnType type);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    int Top() const { return m_top; }
    void setTop(int top);
    TzynUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TzynUIStyle style);
    TPicture *PicNormal() const { return m_picNormal; }
    void setPicNormal(const TPicture *picture);
    TPicture *PicMouseOn() const { return m_picMouseOn; }
    void setPicMouseOn(const TPicture *picture);
    TPicture *PicMouseDown() const { return m_picMouseDown; }
    void setPicMouseDown(const TPicture *picture);
    QMenu *ControlBoxMenu() const { return m_controlBoxMenu; }
    void setControlBoxMenu(QMenu *menu) { m_controlBoxMenu = menu; }
    // The button's own tool tip text; empty gives a built-in button the name of what it does.
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint) { m_hint = hint; }
    // What the tool tip says: the hint, else the built-in button's action (the maximise
    // button says Restore while the window is maximised); a custom button without a hint
    // says nothing. Also the button's accessible name.
    QString ShownHint() const;

    // The pictures, transparency and top of the button's type in its style; Custom keeps them.
    void LoadStylePictures();
    // The maximise button shows the restore pictures while the window is maximised (as its
    // collection knows it).
    void UpdateMaxPictures();
    // Asks the title bar for what the button stands for (Triggered).
    void PerformAction();

    // Copies Visible, ButtonType, Transparent, Top, UIStyle, the pictures and ControlBoxMenu.
    void Assign(const TzynTitleBarButton *source);

Q_SIGNALS:
    void Triggered(TzynTitleBarButton *button);

private:
    void Changed();
    QString m_hint;
    void loadPictures(TzynThemeEntry normal, TzynThemeEntry mouseOn, TzynThemeEntry mouseDown);

    TzynTitleBarButtons *m_collection;
    bool m_visible = true;
    TzynTitleBarBtnType m_type = zynCustom;
    bool m_transparent = false;
    int m_top = 2;
    TzynUIStyle m_style = TzynUIStyle::DeepBlue;
    TPicture *m_picNormal;
    TPicture *m_picMouseOn;
    TPicture *m_picMouseDown;
    QPointer<QMenu> m_controlBoxMenu;
};

using TzynTitleBarBtnType = TzynTitleBarButton::TzynTitleBarBtnType;
constexpr TzynTitleBarBtnType zynMax = TzynTitleBarButton::zynMax;
constexpr TzynTitleBarBtnType zynMin = TzynTitleBarButton::zynMin;
constexpr TzynTitleBarBtnType zynClose = TzynTitleBarButton::zynClose;
constexpr TzynTitleBarBtnType zynHelp = TzynTitleBarButton::zynHelp;
constexpr TzynTitleBarBtnType zynControlBox = TzynTitleBarButton::zynControlBox;
constexpr TzynTitleBarBtnType zynCustom = TzynTitleBarButton::zynCustom;
