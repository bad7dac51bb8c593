#include "TForm.h"

#include "TLayoutLoader.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

TForm::TForm(QWidget *parent)
    : TControlBase<QWidget>(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    colorChanged();
}

Fw::TWindowState TForm::WindowState() const
{
    if (isVisible()) {
        if (isMinimized())
            return Fw::wsMinimized;
        if (isMaximized())
            return Fw::wsMaximized;
        return Fw::wsNormal;
    }
    return m_windowState;
}

void TForm::setWindowState(Fw::TWindowState state)
{
    m_windowState = state;
    if (!isVisible())
        return;
    switch (state) {
    case Fw::wsMaximized:
        showMaximized();
        break;
    case Fw::wsMinimized:
        showMinimized();
        break;
    default:
        showNormal();
        break;
    }
}

void TForm::setModalResult(int value)
{
    m_modalResult = value;
    if (value != 0 && isVisible())
        close();
}

void TForm::captionChanged()
{
    setWindowTitle(Caption());
}

void TForm::colorChanged()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(Color()));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::loadLayout(const QString &fileName)
{
    TLayoutLoader loader;
    loader.load(this, fileName);
    Loaded();
    Q_EMIT OnCreate(this);
}

void TForm::Loaded()
{
    TControlCore::updateTabChain(this);
    for (QWidget *child : findChildren<QWidget *>())
        TControlCore::updateTabChain(child);
}

void TForm::Show()
{
    if (m_position == Fw::poDesktopCenter || m_position == Fw::poScreenCenter) {
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect desk = screen->geometry();
            move(desk.left() + (desk.width() - width()) / 2,
                desk.top() + (desk.height() - height()) / 2);
        }
    }
    switch (m_windowState) {
    case Fw::wsMaximized:
        showMaximized();
        break;
    case Fw::wsMinimized:
        showMinimized();
        break;
    default:
        show();
        break;
    }
}
