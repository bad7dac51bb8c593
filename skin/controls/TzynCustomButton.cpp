#include "TzynCustomButton.h"
#include "TPictureTwin.h"

#include "Exception.h"
#include "TCustomAction.h"
#include "TForm.h"
#include "TProperty.h"
#include "TzynButtonShape.h"
#include "TzynDialogKeys.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>

TzynCustomButton::TzynCustomButton(QWidget *parent)
    : TzynStyled(parent)
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

TzynCustomButton::~TzynCustomButton() = default;

// --- properties ------------------------------------------------------------------------------

void TzynCustomButton::ApplyUIStyle(TzynUIStyle style)
{
    ApplyUIStylePictures(style);
    UIStyleChanged();
}

void TzynCustomButton::UIStyleChanged()
{
    // A button in Custom shows its own pictures at their own size.
    if (UIStyle() == TzynUIStyle::Custom)
        setAutoSize(true);
}

void TzynCustomButton::captionChanged()
{
    CaptionChanged();
    update();
}

void TzynCustomButton::setAutoSize(bool value)
{
    if (!AssignIfChanged(m_autoSize, value))
        return;
    AutoSizeToPicture();
    update();
}

void TzynCustomButton::setTransparent(bool value)
{
    if (!AssignIfChanged(m_transparent, value))
        return;
    TransparentChanged();
    update();
}

void TzynCustomButton::TransparentChanged()
{
    m_pictureTransparent = m_transparent;
}

void TzynCustomButton::setDefault(bool value)
{
    if (!AssignIfChanged(m_default, value))
        return;
    // Every button on the form repaints, as when the form re-announces its focus.
    QWidget *form = window();
    if (form && form != this) {
        const QList<TzynCustomButton *> buttons = form->findChildren<TzynCustomButton *>();
        for (TzynCustomButton *button : buttons)
            button->update();
    }
}

void TzynCustomButton::setResHandle(uint handle)
{
    // Another module has other pictures, of other sizes.
    if (!AssignIfChanged(m_resHandle, handle))
        return;
    AutoSizeToPicture();
    update();
}

QString TzynCustomButton::PicNormalResName() const
{
    return m_picNormalResName;
}

void TzynCustomButton::setPicNormalResName(const QString &name)
{
    if (!AssignIfChanged(m_picNormalResName, name))
        return;
    AutoSizeToPicture();
    update();
}

QString TzynCustomButton::PicMouseOnResName() const
{
    return m_picMouseOnResName;
}

void TzynCustomButton::setPicMouseOnResName(const QString &name)
{
    if (AssignIfChanged(m_picMouseOnResName, name))
        update();
}

QString TzynCustomButton::PicMouseDownResName() const
{
    return m_picMouseDownResName;
}

void TzynCustomButton::setPicMouseDownResName(const QString &name)
{
    if (AssignIfChanged(m_picMouseDownResName, name))
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

QImage TzynCustomButton::ResourcePicture(uint module, const QString &name)
{
    if (module != 0 || name.isEmpty())
        return QImage();
    return ThemeImageOrNull(name);
}

QImage TzynCustomButton::BlankPicture()
{
    // What stands in is a new, white bitmap of the size a bitmap has when the button is made.
    constexpr QSize newBitmapSize(74, 21);
    static const QImage blank = [newBitmapSize] {
        QImage image(newBitmapSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }();
    return blank;
}

QImage TzynCustomButton::StatePicture(TzynPictureState state) const
{
    QString name;
    switch (state) {
    case TzynPictureState::Normal:
    case TzynPictureState::Disabled:
        name = PicNormalResName();
        break;
    case TzynPictureState::MouseOn:
        name = PicMouseOnResName();
        break;
    case TzynPictureState::MouseDown:
        name = PicMouseDownResName();
        break;
    }
    const QImage picture = ResourcePicture(m_resHandle, name);
    return picture.isNull() ? BlankPicture() : picture;
}

void TzynCustomButton::AutoSizeToPicture()
{
    if (!m_autoSize || PicNormalResName().isEmpty())
        return;
    QImage picture = ResourcePicture(m_resHandle, PicNormalResName());
    if (picture.isNull())
        picture = BlankPicture();
    setHeight(picture.height());
    setWidth(picture.width());
}

// --- painting --------------------------------------------------------------------------------

void TzynCustomButton::initButtonOption(TzynButtonOption &option) const
{
    option.rect = rect();
    option.style = UIStyle();
    option.enabled = isEnabled();
    option.pressed = Pressed();
    option.state = PictureState(option.enabled, Pressed(), Hovered());
    option.focused = hasFocus() && TabStop();
    option.boldCaption = false;
    option.isDefault = ShowsDefault();
    option.picture = StatePicture(option.state);
    option.pictureTransparent = m_pictureTransparent;
    option.font = Font()->toQFont();
    option.fontColor = Font()->qColor();
    option.caption = Caption();
}

void TzynCustomButton::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    TzynButtonOption option;
    initButtonOption(option);

    QImage buffer = WidgetBuffer(this, QImage::Format_RGB32, Qt::white);
    {
        QPainter canvas(&buffer);
        if (m_transparent)
            DrawParentBackground(canvas, this);
        else
            canvas.fillRect(rect(), toQColor(Color()));
        PaintPicture(canvas, option);
        if (option.isDefault)
            PaintDefault(canvas, option);
        if (option.focused)
            PaintFocus(canvas, option);
        canvas.setFont(option.font);
        if (HasVisibleText(option.caption))
            PaintCaption(canvas, option);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void TzynCustomButton::PaintPicture(QPainter &canvas, const TzynButtonOption &option) const
{
    const QImage &image = option.picture;
    if (image.width() <= 0 || image.height() <= 0)
        return;
    TPictureTwin::draw(canvas, QPoint(0, 0),
        PreparedPicture(image, option.pictureTransparent, TopLeftKey(image), !option.enabled));
}

void TzynCustomButton::PaintCaption(QPainter &canvas, const TzynButtonOption &option) const
{
    QFont font = option.font;
    if (option.boldCaption)
        font.setBold(true);
    canvas.setFont(font);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QRect client = option.rect;
    if (!option.enabled)
        DrawCaption(canvas, client, flags, option.caption, QColor(), CaptionLook::DisabledEmbossed);
    else
        DrawCaption(canvas, option.pressed ? client.translated(1, 1) : client, flags,
            option.caption, option.fontColor, CaptionLook::Enabled);
}

void TzynCustomButton::PaintFocus(QPainter &canvas, const TzynButtonOption &option) const
{
    DrawFocusRect(
        canvas, TzynButtonShape::FocusRect(PictureRect(option), PictureCornerRadius(option)));
}

void TzynCustomButton::PaintDefault(QPainter &canvas, const TzynButtonOption &option) const
{
    TzynButtonShape::DrawDefaultFrame(canvas, PictureRect(option), PictureCornerRadius(option));
}

QRect TzynCustomButton::PictureRect(const TzynButtonOption &option) const
{
    // A picture drawn at its own size from the top-left corner; none covers the button.
    if (option.picture.isNull())
        return option.rect;
    return QRect(QPoint(0, 0), option.picture.size()) & option.rect;
}

int TzynCustomButton::PictureCornerRadius(const TzynButtonOption &option) const
{
    return TzynButtonShape::CornerRadius(option.style, option.picture);
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

bool TzynCustomButton::ShowsDefault() const
{
    if (!TakesEnter() || !isEnabled())
        return false;
    const QWidget *form = window();
    if (!form || form == this)
        return m_default;
    // The mark moves only on forms that have a default button: elsewhere Enter on a focused
    // button is its own business and nothing is marked.
    bool formHasDefault = false;
    const QList<TzynCustomButton *> buttons = form->findChildren<TzynCustomButton *>();
    for (const TzynCustomButton *button : buttons) {
        if (button->m_default && button->window() == form && button->isEnabled()
            && button->TakesEnter()) {
            formHasDefault = true;
            break;
        }
    }
    if (!formHasDefault)
        return false;
    const auto *focused = qobject_cast<const TzynCustomButton *>(form->focusWidget());
    if (focused && focused->TakesEnter() && focused->isEnabled() && focused->isVisible())
        return focused == this;
    return m_default;
}

void TzynCustomButton::SkinStateChanged(TzynSkinState old)
{
    update();
    const bool focusChanged = (old ^ SkinState()).testFlag(TzynSkinStateFlag::Focused);
    QWidget *form = window();
    if (!focusChanged || !TakesEnter() || !form || form == this)
        return;
    const QList<TzynCustomButton *> buttons = form->findChildren<TzynCustomButton *>();
    for (TzynCustomButton *button : buttons) {
        if (button != this && button->TakesEnter())
            button->update();
    }
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
    const bool result = TzynStyled::event(event);
    if (event->type() == QEvent::ParentChange && window() != this)
        TzynDialogKeys::attach(window());
    return result;
}

void TzynCustomButton::AutoRepeatStep()
{
    Q_EMIT OnMouseContinuouslyDown(this);
}

void TzynCustomButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        setSkinState(TzynSkinStateFlag::Pressed, true);
        // The first repeat comes one interval after the press; a zero interval never repeats.
        if (!autoRepeating())
            startAutoRepeat(m_repeatInterval, m_repeatInterval);
    }
    TzynStyled::mousePressEvent(event);
}

void TzynCustomButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A second click in quick succession is an ordinary press.
    mousePressEvent(event);
}

void TzynCustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        stopAutoRepeat();
        setSkinState(TzynSkinStateFlag::Pressed, false);
    }
    TzynStyled::mouseReleaseEvent(event);
}

void TzynCustomButton::mouseMoveEvent(QMouseEvent *event)
{
    TzynStyled::mouseMoveEvent(event);
    if (!PtInRectInclusive(event->position().toPoint(), rect()))
        setSkinState(TzynSkinStateFlag::Hovered | TzynSkinStateFlag::Pressed, false);
}

void TzynCustomButton::PointerEntered()
{
    TzynStyled::PointerEntered();
    Q_EMIT OnMouseEnter(this);
}

void TzynCustomButton::PointerLeft()
{
    TzynStyled::PointerLeft();
    Q_EMIT OnMouseExit(this);
}

void TzynCustomButton::keyPressEvent(QKeyEvent *event)
{
    TzynStyled::keyPressEvent(event);
    const int key = event->key();
    const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && TakesEnter();
    if ((key == Qt::Key_Space || enter) && hasFocus() && isEnabled()) {
        setSkinState(TzynSkinStateFlag::Pressed, true);
        event->accept();
    }
}

void TzynCustomButton::keyReleaseEvent(QKeyEvent *event)
{
    TzynStyled::keyReleaseEvent(event);
    const int key = event->key();
    // Qt repeats a held key as release and press pairs; only the real release counts.
    if (event->isAutoRepeat())
        return;
    const bool enter = (key == Qt::Key_Return || key == Qt::Key_Enter) && TakesEnter();
    if ((key == Qt::Key_Space || enter) && hasFocus() && Pressed() && isEnabled()) {
        setSkinState(TzynSkinStateFlag::Pressed, false);
        event->accept();
        Click();
    }
}

void TzynCustomButton::changeEvent(QEvent *event)
{
    TzynStyled::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        EnabledChanged();
        update();
    }
}
