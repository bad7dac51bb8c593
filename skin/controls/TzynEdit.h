#pragma once

#include "TControlBase.h"
#include "TzynSkinned.h"

#include <QLineEdit>

// The skinned single-line edit: the standard edit without the platform's border, with a flat
// two-pixel frame drawn over its edge (BorderColor outside, the edit's colour inside). It has
// no style of its own and binds no scroll bars.
class TzynEdit : public TzynSkinned<TControlBase<QLineEdit>>, public TzynBorderColored {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE setReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE setMaxLength)
    Q_PROPERTY(QString PasswordChar READ PasswordChar WRITE setPasswordChar)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE setAutoSelect)
public:
    static constexpr int FrameWidth = 2;

    explicit TzynEdit(QWidget *parent = nullptr);

    TColor BorderColor() const override { return m_borderColor; }
    void setBorderColor(TColor color) override;

    QString Text() const { return text(); }
    void setText(const QString &value) { QLineEdit::setText(value); }
    bool ReadOnly() const { return isReadOnly(); }
    void setReadOnly(bool value) { QLineEdit::setReadOnly(value); }
    // 0 is no limit.
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int value);
    // Empty shows the text; one character hides it.
    QString PasswordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString &value);
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool value) { m_autoSelect = value; }

Q_SIGNALS:
    void OnChange(QObject *Sender);
    void OnClick(QObject *Sender);
    void OnDblClick(QObject *Sender);
    T_CONTROL_EVENTS

protected:
    // The stock context menu, drawn as the menus of the window's frame.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void colorChanged() override;
    void fontChanged() override;

private:
    TColor m_borderColor = Colors::clBlack;
    QString m_passwordChar;
    int m_maxLength = 0;
    bool m_autoSelect = true;
};
