#include "TzynMemo.h"

#include "TProperty.h"
#include "TzynMenuPaintStyle.h"
#include "ZYNControlUtils.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

TzynMemo::TzynMemo(QWidget *parent)
    : TzynSkinned(parent)
    , m_border(this, [this] { return Color(); })
    , m_lines(new TStrings(
          this,
          [this] {
              // An empty memo has no lines, not one empty line.
              const QString text = toPlainText();
              return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
          },
          [this](const QStringList &lines) { setPlainText(lines.join(QLatin1Char('\n'))); }))
    , m_binding(new TzynScrollBinding(this, TzynScrollBinding::MemoScheme()))
{
    setAutoFillBackground(true);
    setColorValue(Colors::clWindow);
    colorChanged();
    setBorderStyle(Fw::bsNone);
    setBorderWidth(2);
    setScrollBars(Fw::ssNone);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { Q_EMIT OnChange(this); });
}

void TzynMemo::setBorderStyle(Fw::TBorderStyle style)
{
    if (!AssignIfChanged(m_borderStyle, style))
        return;
    m_border.reapply();
}

void TzynMemo::setWordWrap(bool value)
{
    setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

Fw::TScrollStyle TzynMemo::ScrollBars() const
{
    const bool vertical = verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    const bool horizontal = horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    if (vertical && horizontal)
        return Fw::ssBoth;
    return vertical ? Fw::ssVertical : horizontal ? Fw::ssHorizontal : Fw::ssNone;
}

void TzynMemo::setScrollBars(Fw::TScrollStyle value)
{
    const bool vertical = value == Fw::ssVertical || value == Fw::ssBoth;
    const bool horizontal = value == Fw::ssHorizontal || value == Fw::ssBoth;
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

TzynScrollBar *TzynMemo::HScrollBar() const
{
    return dynamic_cast<TzynScrollBar *>(m_binding->HScrollBar());
}

void TzynMemo::setHScrollBar(TzynScrollBar *bar)
{
    m_binding->setHScrollBar(bar);
}

TzynScrollBar *TzynMemo::VScrollBar() const
{
    return dynamic_cast<TzynScrollBar *>(m_binding->VScrollBar());
}

void TzynMemo::setVScrollBar(TzynScrollBar *bar)
{
    m_binding->setVScrollBar(bar);
}

void TzynMemo::colorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(Color()));
    pal.setColor(QPalette::Window, toQColor(Color()));
    setPalette(pal);
    update();
}

void TzynMemo::fontChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Font()->qColor());
    setPalette(pal);
}

void TzynMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnClick(this);
}

void TzynMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT OnDblClick(this);
}

bool TzynMemo::viewportEvent(QEvent *event)
{
    if (raiseInputEvent(event, viewport()->pos()))
        return true;
    return QPlainTextEdit::viewportEvent(event);
}

bool TzynMemo::event(QEvent *event)
{
    const bool result = TzynSkinned::event(event);
    m_border.viewEvent(event);
    return result;
}

void TzynMemo::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!menu)
        return;
    TzynMenuPaintStyle::Apply(menu, FindFormUIStyle(window()));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
