#include "GalleryTitleBarGroup.h"

#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"

#include <QEvent>

GalleryTitleBarGroup::GalleryTitleBarGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryTitleBarGroup::Loaded()
{
    m_label = Part<TzynImagePanel>("TitleEventLabel");
    m_log = Part<TzynListBox>("TitleEventLog");
}

void GalleryTitleBarGroup::Attach(TzynForm *frame)
{
    connect(frame, &TzynForm::OnTitleBarHelpBtnClick, this, &GalleryTitleBarGroup::HelpButtonClick);
    connect(frame, &TzynForm::OnTitleBarCustomBtnsClick, this,
        &GalleryTitleBarGroup::CustomButtonClick);
    // Maximise, restore and minimise act on the window; its state changes say they happened.
    m_host = frame->HostForm();
    if (m_host)
        m_host->installEventFilter(this);
}

QString GalleryTitleBarGroup::LastEvent() const
{
    return m_label->Caption();
}

void GalleryTitleBarGroup::HelpButtonClick(QObject *, int)
{
    report(QStringLiteral("Clicked the help button of the title bar"));
}

void GalleryTitleBarGroup::CustomButtonClick(QObject *, int)
{
    report(QStringLiteral("Clicked the custom title-bar button (the arrow)"));
}

bool GalleryTitleBarGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = m_host->windowState();
        report(state.testFlag(Qt::WindowMinimized)    ? QStringLiteral("The window was minimised")
                : state.testFlag(Qt::WindowMaximized) ? QStringLiteral("The window was maximised")
                                                      : QStringLiteral("The window was restored"));
    }
    return GalleryFamily::eventFilter(watched, event);
}

void GalleryTitleBarGroup::report(const QString &text)
{
    m_label->setCaption(text);
    m_log->insertItem(0, text);
}
