#pragma once

#include "TControlBase.h"
#include "TStrings.h"
#include "TzynScrollBar.h"
#include "TzynScrollBinding.h"
#include "TzynSkinned.h"
#include "TzynViewBorder.h"

#include <QPlainTextEdit>

// The skinned multi-line edit: the standard memo without the platform's border, with the flat
// two-pixel border of a bordered view, and optionally a skinned horizontal and a skinned
// vertical scroll bar standing over its bottom and right edges and mirroring its own bars
// (the memo scheme: the memo's own bars are shown exactly in the bound directions, and a bar
// with nothing to scroll stays visible, disabled, without its thumb). Qt's text edit scrolls
// vertically by lines and horizontally by pixels: the bound bars' positions are those units.
// Edits of Lines are edits of the text: each is a step of the memo's undo, and the caret and
// the view stay where they were (only Text and setLines replace the text as a whole).
class TzynMemo : public TzynSkinned<TControlBase<QPlainTextEdit>>, public TzynBorderColored {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Fw::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(TStrings *Lines READ Lines)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE setWantTabs)
    Q_PROPERTY(Fw::TScrollStyle ScrollBars READ ScrollBars WRITE setScrollBars)
    Q_PROPERTY(TzynScrollBar *HScrollBar READ HScrollBar WRITE setHScrollBar)
    Q_PROPERTY(TzynScrollBar *VScrollBar READ VScrollBar WRITE setVScrollBar)
public:
    explicit TzynMemo(QWidget *parent = nullptr);

    TColor BorderColor() const override { return m_border.color(); }
    void setBorderColor(TColor color) override { m_border.setColor(color); }
    int BorderWidth() const { return m_border.width(); }
    void setBorderWidth(int width) { m_border.setWidth(width); }
    Fw::TBorderStyle BorderStyle() const { return m_borderStyle; }
    // The skinned border replaces the platform's edge in every border style.
    void setBorderStyle(Fw::TBorderStyle style);

    TStrings *Lines() const { return m_lines; }
    bool ReadOnly() const { return isReadOnly(); }
    void setReadOnly(bool value) { QPlainTextEdit::setReadOnly(value); }
    bool WordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void setWordWrap(bool value);
    bool WantTabs() const { return !tabChangesFocus(); }
    void setWantTabs(bool value) { setTabChangesFocus(!value); }
    // The memo's own scroll bars (binding a skinned bar sets them as well).
    Fw::TScrollStyle ScrollBars() const;
    void setScrollBars(Fw::TScrollStyle value);

    TzynScrollBar *HScrollBar() const;
    void setHScrollBar(TzynScrollBar *bar);
    TzynScrollBar *VScrollBar() const;
    void setVScrollBar(TzynScrollBar *bar);
    TzynScrollBinding *Binding() const { return m_binding; }

Q_SIGNALS:
    void OnChange(QObject *Sender);
    void OnClick(QObject *Sender);
    void OnDblClick(QObject *Sender);
    T_CONTROL_EVENTS

protected:
    // The stock context menu, drawn as the menus of the window's frame.
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void colorChanged() override;
    void fontChanged() override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    TStrings::Store lineStore();
    void insertLines(int index, const QStringList &lines);
    void removeLines(int index, int count);

    TzynViewBorder m_border;
    TStrings *m_lines;
    TzynScrollBinding *m_binding;
    Fw::TBorderStyle m_borderStyle = Fw::bsNone;
};
