#include "TzynCustomButton.h"

#include "Exception.h"
#include "TBitmap.h"
#include "TCustomAction.h"
#include "TForm.h"
#include "TzynDialogKeys.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QTimer>

#include <algorithm>

TzynCustomButton::TzynCustomButton(QWidget *parent)
    : TControl(parent)
{
    // The paint covers every pixel: nothing may erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCaptionValue(QString());
    setTabStop(true);
    // The desktop reports every move over a control, not only those with a button held.
    setMouseTracking(true);
    TzynDialogKeys::attach(window() != this ? window() : nullptr);
}

TzynCustomButton::~TzynCustomButton()
{
    delete m_repeatTimer;
}

// --- properties ------------------------------------------------------------------------------

void TzynCustomButton::setUIStyle(TzynUIStyle style)
{
    m_uiStyle = style;
    ApplyUIStylePictures(style);
    UIStyleChanged();
    update();
}

void TzynCustomButton::UIStyleChanged()
{
    if (m_uiStyle == TzynUIStyle::Custom)
        setAutoSize(true);
}

void TzynCustomButton::captionChanged()
{
    CaptionChanged();
    update();
}

void TzynCustomButton::setAutoSize(bool value)
{
    m_autoSize = value;
    AutoSizeToPicture();
    update();
}

void TzynCustomButton::setTransparent(bool value)
{
    m_transparent = value;
    TransparentChanged();
    update();
}

void TzynCustomButton::TransparentChanged()
{
    m_pictureTransparent = m_transparent;
    update();
}

void TzynCustomButton::setDefault(bool value)
{
    m_default = value;
    // The form re-announces its focus so that every button on it repaints.
    QWidget *form = window();
    if (form && form != this) {
        const QList<TzynCustomButton *> buttons = form->findChildren<TzynCustomButton *>();
        for (TzynCustomButton *button : buttons)
            button->update();
    }
}

void TzynCustomButton::setResHandle(uint handle)
{
    m_resHandle = handle;
}

QString TzynCustomButton::PicNormalResName() const
{
    return m_picNormalResName;
}

void TzynCustomButton::setPicNormalResName(const QString &name)
{
    m_picNormalResName = name;
    AutoSizeToPicture();
    update();
}

QString TzynCustomButton::PicMouseOnResName() const
{
    return m_picMouseOnResName;
}

void TzynCustomButton::setPicMouseOnResName(const QString &name)
{
    m_picMouseOnResName = name;
    update();
}

QString TzynCustomButton::PicMouseDownResName() const
{
    return m_picMouseDownResName;
}

void TzynCustomButton::setPicMouseDownResName(const QString &name)
{
    m_picMouseDownResName = name;
    update();
}

void TzynCustomButton::setAction(TCustomAction *action)
{
    if (m_action == action)
        return;
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (m_action) {
        connect(m_action, &TCustomAction::OnChange, this, [this] { ActionChange(); });
        ActionChange();
    }
}

void TzynCustomButton::ActionChange()
{
    if (!m_action)
        return;
    setEnabled(m_action->Enabled());
    setHint(m_action->Hint());
    setCaption(m_action->Caption());
}

void TzynCustomButton::FontUpdated()
{
    update();
}

void TzynCustomButton::fontChanged()
{
    FontUpdated();
}

// --- pictures --------------------------------------------------------------------------------

QImage TzynCustomButton::LoadResourceBitmap(uint module, const QString &name)
{
    // Only the program's own bitmaps are known; another module has none of them.
    if (module != 0)
        throw EResNotFound(name);
    return ThemeImage(name);
}

QImage TzynCustomButton::BlankPicture()
{
    // A new bitmap of that size is white.
    QImage image(74, 21, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void TzynCustomButton::GetNormalPicture(TBitmap &bitmap)
{
    bitmap.setImage(LoadResourceBitmap(m_resHandle, m_picNormalResName));
}

void TzynCustomButton::GetMouseOnPicture(TBitmap &bitmap)
{
    bitmap.setImage(LoadResourceBitmap(m_resHandle, m_picMouseOnResName));
}

void TzynCustomButton::GetMouseDownPicture(TBitmap &bitmap)
{
    bitmap.setImage(LoadResourceBitmap(m_resHandle, m_picMouseDownResName));
}

void TzynCustomButton::GetDisabledPicture(TBitmap &bitmap)
{
    GetNormalPicture(bitmap);
}

void TzynCustomButton::AutoSizeToPicture()
{
    if (!m_autoSize || PicNormalResName().isEmpty())
        return;
    QImage picture;
    try {
        picture = LoadResourceBitmap(m_resHandle, PicNormalResName());
    } catch (const Exception &) {
        picture = BlankPicture();
    }
    setHeight(picture.height());
    setWidth(picture.width());
}

// --- painting --------------------------------------------------------------------------------

void TzynCustomButton::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    TBitmap picture;
    try {
        if (!isEnabled())
            GetDisabledPicture(picture);
        else if (m_mouseDown)
            GetMouseDownPicture(picture);
        else if (m_mouseOn)
            GetMouseOnPicture(picture);
        else
            GetNormalPicture(picture);
    } catch (const Exception &) {
        picture.setImage(BlankPicture());
    }
    picture.setTransparent(m_pictureTransparent);

    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(Qt::white);
    {
        QPainter canvas(&buffer);
        if (m_transparent)
            DrawParentBackground(canvas, this);
        else
            canvas.fillRect(rect(), toQColor(Color()));
        PaintPicture(canvas, picture);
        if (hasFocus() && TabStop())
            PaintFocus(canvas);
        canvas.setFont(Font()->toQFont());
        if (HasVisibleText(Caption()))
            PaintCaption(canvas, Caption());
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void TzynCustomButton::PaintPicture(QPainter &canvas, TBitmap &picture)
{
    const QImage &image = picture.image();
    if (image.width() <= 0 || image.height() <= 0)
        return;
    canvas.drawImage(
        0, 0, PreparedPicture(image, picture.transparent(), TopLeftKey(image), !isEnabled()));
}

void TzynCustomButton::PaintCaption(QPainter &canvas, const QString &caption)
{
    QFont font = Font()->toQFont();
    if (m_boldCaptionOnce)
        font.setBold(true);
    canvas.setFont(font);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect client = rect();
    if (!isEnabled())
        DrawCaption(canvas, client, flags, caption, QColor(), CaptionLook::DisabledEmbossed);
    else
        DrawCaption(canvas, m_mouseDown ? client.translated(1, 1) : client, flags, caption,
            Font()->qColor(), CaptionLook::Enabled);
    m_boldCaptionOnce = false;
}

void TzynCustomButton::PaintFocus(QPainter &canvas)
{
    DrawFocusRect(canvas, rect().adjusted(2, 2, -2, -2));
}

// --- clicks and keys -------------------------------------------------------------------------

bool TzynCustomButton::CanFocus() const
{
    return isVisible() && isEnabled();
}

void TzynCustomButton::Click()
{
    if (CanFocus())
        setFocus(Qt::OtherFocusReason);
    // The form the button stands on takes its ModalResult, 0 included.
    if (auto *form = qobject_cast<TForm *>(window()))
        form->setModalResult(m_modalResult);
    FrameworkClick();
}

void TzynCustomButton::FrameworkClick()
{
    const bool onClickAssigned = isSignalConnected(QMetaMethod::fromSignal(&TControl::OnClick));
    if (m_action && !onClickAssigned)
        m_action->Execute();
    else
        Q_EMIT OnClick(this);
}

bool TzynCustomButton::DialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    const bool shifted = modifiers
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (((enter && m_default) || (escape && m_cancel)) && !shifted && CanFocus()) {
        Click();
        return true;
    }
    return false;
}

bool TzynCustomButton::DialogChar(QChar ch)
{
    if (IsAccel(ch, Caption()) && isEnabled()) {
        if (CanFocus())
            setFocus(Qt::ShortcutFocusReason);
        Click();
        return true;
    }
    return false;
}

// --- notifications ---------------------------------------------------------------------------

bool TzynCustomButton::event(QEvent *event)
{
    const bool result = TControl::event(event);
    if (event->type() == QEvent::ParentChange && window() != this)
        TzynDialogKeys::attach(window());
    return result;
}

void TzynCustomButton::stopRepeat()
{
    delete m_repeatTimer;
    m_repeatTimer = nullptr;
}

void TzynCustomButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_mouseDown = true;
        if (!m_repeatTimer) {
            m_repeatTimer = new QTimer(this);
            m_repeatTimer->setInterval(std::max(m_repeatInterval, 0));
            connect(m_repeatTimer, &QTimer::timeout, this,
                [this] { Q_EMIT OnMouseContinuouslyDown(this); });
            // A zero interval would tick at every pass of the event loop; it never ticks.
            if (m_repeatTimer->interval() > 0)
                m_repeatTimer->start();
        }
        update();
    }
    TControl::mousePressEvent(event);
}

void TzynCustomButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second click in quick succession is an ordinary press.
    mousePressEvent(event);
}

void TzynCustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        stopRepeat();
        m_mouseDown = false;
        update();
    }
    TControl::mouseReleaseEvent(event);
}

void TzynCustomButton::mouseMoveEvent(QMouseEvent *event)
{
    TControl::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    const bool inside = PtInRectInclusive(p, rect());
    if (!inside) {
        m_mouseOn = false;
        m_mouseDown = false;
        update();
    }
    // While a mouse button is held Qt grabs the mouse and reports no leaving or re-entering.
    if (event->buttons() != Qt::NoButton) {
        if (!inside && m_pointerInside)
            pointerLeft();
        else if (inside && !m_pointerInside)
            pointerEntered();
    }
}

void TzynCustomButton::enterEvent(QEnterEvent *event)
{
    TControl::enterEvent(event);
    if (!m_pointerInside)
        pointerEntered();
}

void TzynCustomButton::leaveEvent(QEvent *event)
{
    TControl::leaveEvent(event);
    if (m_pointerInside)
        pointerLeft();
}

void TzynCustomButton::pointerEntered()
{
    m_pointerInside = true;
    m_mouseOn = true;
    update();
    Q_EMIT OnMouseEnter(this);
}

void TzynCustomButton::pointerLeft()
{
    m_pointerInside = false;
    m_mouseOn = false;
    m_mouseDown = false;
    stopRepeat();
    update();
    Q_EMIT OnMouseExit(this);
}

void TzynCustomButton::keyPressEvent(QKeyEvent *event)
{
    TControl::keyPressEvent(event);
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && hasFocus()
        && isEnabled()) {
        m_mouseDown = true;
        update();
        event->accept();
    }
}

void TzynCustomButton::keyReleaseEvent(QKeyEvent *event)
{
    TControl::keyReleaseEvent(event);
    const int key = event->key();
    // Qt repeats a held key as release and press pairs; only the real release counts.
    if (event->isAutoRepeat())
        return;
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && hasFocus()
        && m_mouseDown && isEnabled()) {
        m_mouseDown = false;
        update();
        event->accept();
        Click();
    }
}

void TzynCustomButton::focusInEvent(QFocusEvent *event)
{
    TControl::focusInEvent(event);
    update();
}

void TzynCustomButton::focusOutEvent(QFocusEvent *event)
{
    TControl::focusOutEvent(event);
    update();
}

void TzynCustomButton::changeEvent(QEvent *event)
{
    TControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        EnabledChanged();
        update();
    }
}
