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
    , m_lines(new TStrings(this, lineStore()))
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

// The lines are the document's blocks, edited through a cursor of its own: each edit is one
// step of the memo's undo, and the caret and the view stay where they were.
TStrings::Store TzynMemo::lineStore()
{
    TStrings::Store store;
    // An empty memo has no lines, not one empty line.
    store.count = [this] { return document()->isEmpty() ? 0 : document()->blockCount(); };
    store.get = [this](int index) { return document()->findBlockByNumber(index).text(); };
    store.insert = [this](int index, const QStringList &lines) {
        insertLines(index, lines);
        return index;
    };
    store.remove = [this](int index, int count) { removeLines(index, count); };
    store.put = [this](int index, const QString &line) {
        QTextCursor cursor(document()->findBlockByNumber(index));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(line);
    };
    store.assign
        = [this](const QStringList &lines) { setPlainText(lines.join(QLatin1Char('\n'))); };
    return store;
}

void TzynMemo::insertLines(int index, const QStringList &lines)
{
    const QString text = lines.join(QLatin1Char('\n'));
    const int count = document()->isEmpty() ? 0 : document()->blockCount();
    QTextCursor cursor(document());
    if (count == 0) {
        cursor.insertText(text);
        return;
    }
    if (index < count) {
        cursor.setPosition(document()->findBlockByNumber(index).position());
        cursor.insertText(text + QLatin1Char('\n'));
        return;
    }
    // Appended after the last line's end. A caret standing there would be carried along to
    // the new end: it stays at the end of the line it was on.
    cursor.movePosition(QTextCursor::End);
    const int end = cursor.position();
    QTextCursor caret = textCursor();
    const bool carried = caret.position() == end || caret.anchor() == end;
    const int anchor = caret.anchor();
    const int position = caret.position();
    cursor.insertText(QLatin1Char('\n') + text);
    if (carried) {
        // Setting the caret brings it into view: the view is put back where the reader had it.
        const int top = verticalScrollBar()->value();
        const int left = horizontalScrollBar()->value();
        caret.setPosition(anchor);
        caret.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(caret);
        verticalScrollBar()->setValue(top);
        horizontalScrollBar()->setValue(left);
    }
}

void TzynMemo::removeLines(int index, int count)
{
    const int total = document()->blockCount();
    QTextCursor cursor(document());
    const QTextBlock first = document()->findBlockByNumber(index);
    const QTextBlock last = document()->findBlockByNumber(index + count - 1);
    if (index + count < total) {
        // The lines with the line break after each.
        cursor.setPosition(first.position());
        cursor.setPosition(last.next().position(), QTextCursor::KeepAnchor);
    } else if (index > 0) {
        // The last lines with the line break before them.
        cursor.setPosition(first.previous().position() + first.previous().length() - 1);
        cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    } else {
        cursor.select(QTextCursor::Document);
    }
    cursor.removeSelectedText();
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
    if (m_border.paintView(event))
        return true;
    return TzynSkinned::event(event);
}

void TzynMemo::contextMenuEvent(QContextMenuEvent *event)
{
    TzynMenuPaintStyle::PopupOnce(createStandardContextMenu(), this, event->globalPos());
}
