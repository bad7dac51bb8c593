#pragma once

#include "TControlBase.h"

// A top-level window built from a layout description. Loading creates its components, applies
// their properties in file order and then raises OnCreate.
class TForm : public TControlBase<QWidget> {
    Q_OBJECT
    T_CONTROL_PROPERTIES
    T_CAPTION_PROPERTY
    Q_PROPERTY(Fw::TPosition Position READ Position WRITE setPosition)
    Q_PROPERTY(Fw::TWindowState WindowState READ WindowState WRITE setWindowState)
    Q_PROPERTY(int PixelsPerInch READ PixelsPerInch WRITE setPixelsPerInch)
    Q_PROPERTY(int TextHeight READ TextHeight WRITE setTextHeight)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
    Q_PROPERTY(Fw::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
public:
    explicit TForm(QWidget *parent = nullptr);

    Fw::TPosition Position() const { return m_position; }
    void setPosition(Fw::TPosition position) { m_position = position; }
    Fw::TWindowState WindowState() const;
    void setWindowState(Fw::TWindowState state);
    // Design resolution of the layout; coordinates are taken as pixels at 96 per inch.
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void setPixelsPerInch(int value) { m_pixelsPerInch = value; }
    int TextHeight() const { return m_textHeight; }
    void setTextHeight(int value) { m_textHeight = value; }
    // How the window may be sized; a skinned frame reads it to decide on its edge zones.
    Fw::TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(Fw::TBorderStyle style) { m_borderStyle = style; }
    // Set by buttons with a modal result; a non-zero value closes the window.
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int value);

    // Creates the components described by a layout resource; throws ELayoutError.
    void loadLayout(const QString &fileName);
    // Shows the window in its stored state and position.
    void Show();
    void Close() { close(); }
    bool Active() const { return isActiveWindow(); }

Q_SIGNALS:
    void OnCreate(QObject *Sender);

protected:
    void captionChanged() override;
    void colorChanged() override;
    // Runs after every component has been loaded, before OnCreate.
    virtual void Loaded();
    // Raises OnCreate.
    void DoCreate();

private:
    Fw::TPosition m_position = Fw::poDesigned;
    Fw::TWindowState m_windowState = Fw::wsNormal;
    int m_pixelsPerInch = 96;
    int m_textHeight = 13;
    int m_modalResult = 0;
    Fw::TBorderStyle m_borderStyle = Fw::bsSizeable;
};
