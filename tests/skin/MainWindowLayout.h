#pragma once

// The program's main window as its own layout description builds it, for the window-sized
// reference images and the repaint benchmark. The page view is left out: a hidden stand-in
// takes its place, so that neither needs the web engine and timings show only skin painting.

#include "TForm.h"
#include "TMsg.h"

#include <QImage>

class TzynForm;

class MainWindowLayout : public TForm {
    Q_OBJECT
public:
    // Registers the classes the layout names (the page view by its stand-in) and loads it.
    explicit MainWindowLayout(QWidget *parent = nullptr);

    TzynForm *frame() const { return m_frame; }

    // Shows the window at this size and brings it to a repeatable state: the title bar
    // active, no focus anywhere (a focused button draws its caption bold).
    void showAt(const QSize &size);

    // The frame and everything on it, as a repaint draws it.
    QImage grabFrame() const;

public Q_SLOTS:
    // The window's event handlers, named as the layout wires them; nothing happens here.
    void FormCreate(QObject *) { }
    void TreeView1Click(QObject *) { }
    void ApplicationEvents1Message(TMsg &, bool &) { }
    void zynButton1Click(QObject *) { }
    void zynButton2Click(QObject *) { }
    void zynButton3Click(QObject *) { }
    void zynButton4Click(QObject *) { }
    void zynButton5Click(QObject *) { }
    void zynButton6Click(QObject *) { }
    void zynButton7Click(QObject *) { }
    void zynButton8Click(QObject *) { }
    void Image1Click(QObject *) { }

private:
    TzynForm *m_frame = nullptr;
};

// Offscreen runs get one screen of this size, so that the frame's work-area limits allow a
// full-HD window. Call before the application object exists.
void UseLargeOffscreenScreen(const QSize &size = QSize(2560, 1600));
