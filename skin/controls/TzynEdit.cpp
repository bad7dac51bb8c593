#include "TzynEdit.h"

#include "TProperty.h"
#include "TzynMenuPaintStyle.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

TzynEdit::TzynEdit(QWidget *parent)
    : TzynSkinned(parent)
{
    // The frame is ours: the platform draws none, and the text keeps clear of the band.
    setFrame(false);
    setTextMargins(FrameWidth, FrameWidth, FrameWidth, FrameWidth);
    setAutoFillBackground(true);
    setColorValue(Colors::clWindow);
    colorChanged();
    connect(this, &QLineEdit::textChanged, this, [this] { Q_EMIT OnChange(this); });
}

void TzynEdit::setBorderColor(TColor color)
{
    if (!AssignIfChanged(m_borderColor, color))
        return;
    update();
}

void TzynEdit::setMaxLength(int value)
{
    m_maxLength = std::max(0, value);
    QLineEdit::setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

void TzynEdit::setPasswordChar(const QString &value)
{
    m_passwordChar = value.left(1);
    setEchoMode(m_passwordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
}

void TzynEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    DrawWindowFrame(this, m_borderColor, Color());
}

void TzynEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Entering by the keyboard selects the whole text; a click places the caret instead.
    if (m_autoSelect && event->reason() != Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void TzynEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnClick(this);
}

void TzynEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnDblClick(this);
}

void TzynEdit::colorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(Color()));
    setPalette(pal);
    update();
}

void TzynEdit::fontChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Font()->qColor());
    setPalette(pal);
}

void TzynEdit::contextMenuEvent(QContextMenuEvent *event)
{
    TzynMenuPaintStyle::PopupOnce(createStandardContextMenu(), this, event->globalPos());
}
