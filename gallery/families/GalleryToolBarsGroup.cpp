#include "GalleryToolBarsGroup.h"

#include "TMainMenu.h"
#include "TMenuItem.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"

namespace {

// A caption as it reads: without its accelerator's ampersand.
QString plain(QString caption)
{
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace

GalleryToolBarsGroup::GalleryToolBarsGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryToolBarsGroup::Loaded()
{
    m_label = Part<TzynImagePanel>("CommandLabel");
    m_log = Part<TzynListBox>("CommandLog");
}

void GalleryToolBarsGroup::Attach(TzynForm *frame)
{
    if (TMainMenu *menu = frame->Menu())
        listenTo(menu->Items());
}

void GalleryToolBarsGroup::listenTo(TMenuItem *item)
{
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem *sub = item->Items(i);
        if (sub->Count() > 0)
            listenTo(sub);
        else if (!sub->IsLine())
            connect(sub, &TMenuItem::OnClick, this, [this, sub] {
                report(QStringLiteral("You chose %1 from the menu").arg(plain(sub->Caption())));
            });
    }
}

QString GalleryToolBarsGroup::LastCommand() const
{
    return m_label->Caption();
}

void GalleryToolBarsGroup::ToolClick(QObject *Sender)
{
    if (auto *button = qobject_cast<TToolButton *>(Sender))
        report(QStringLiteral("You clicked the %1 tool").arg(plain(button->Caption())));
}

void GalleryToolBarsGroup::report(const QString &text)
{
    m_label->setCaption(text);
    m_log->insertItem(0, text);
}
