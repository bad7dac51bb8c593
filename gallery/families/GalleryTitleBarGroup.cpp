#include "GalleryTitleBarGroup.h"

#include "TzynForm.h"
#include "TzynImagePanel.h"

#include <QEvent>

GalleryTitleBarGroup::GalleryTitleBarGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryTitleBarGroup::Loaded()
{
    m_label = Part<TzynImagePanel>("TitleEventLabel");
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

void GalleryTitleBarGroup::HelpButtonClick(QObject *, int ButtonIndex)
{
    report(QStringLiteral("help button %1 clicked").arg(ButtonIndex));
}

void GalleryTitleBarGroup::CustomButtonClick(QObject *, int ButtonIndex)
{
    report(QStringLiteral("custom button %1 clicked").arg(ButtonIndex));
}

bool GalleryTitleBarGroup::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = m_host->windowState();
        report(state.testFlag(Qt::WindowMinimized)    ? QStringLiteral("window minimised")
                : state.testFlag(Qt::WindowMaximized) ? QStringLiteral("window maximised")
                                                      : QStringLiteral("window restored"));
    }
    return GalleryFamily::eventFilter(watched, event);
}

void GalleryTitleBarGroup::report(const QString &text)
{
    m_label->setCaption(QStringLiteral("Last title-bar event: ") + text);
}
