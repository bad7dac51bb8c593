#include "TForm.h"

#include "TApplication.h"
#include "TLayoutLoader.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

TForm::TForm(QWidget *parent)
    : TControlBase<QWidget>(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    colorChanged();
    if (TApplication *app = TApplication::instance())
        app->registerForm(this);
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
    // The main form's native title is the application's title; its caption is drawn by
    // whatever draws the form's title bar.
    const TApplication *app = TApplication::instance();
    if (app && app->MainForm() == this && !app->Title().isEmpty())
        return;
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
    DoCreate();
}

void TForm::DoCreate()
{
    // A failing OnCreate handler is reported like any other handler's failure; the form is
    // complete by then and stays usable. Without the application object there is nobody to
    // report to, so the caller gets the exception.
    TApplication *app = TApplication::instance();
    if (!app) {
        Q_EMIT OnCreate(this);
        return;
    }
    try {
        Q_EMIT OnCreate(this);
    } catch (const std::exception &error) {
        app->ShowException(error);
    }
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
