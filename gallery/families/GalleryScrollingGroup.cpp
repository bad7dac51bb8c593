#include "GalleryScrollingGroup.h"

#include "TzynCheckListBox.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynMemo.h"
#include "TzynScrollBar.h"
#include "TzynTrackBar.h"

GalleryScrollingGroup::GalleryScrollingGroup(QWidget *parent)
    : GalleryFamily(parent)
{
}

void GalleryScrollingGroup::Loaded()
{
    m_label = Part<TzynImagePanel>("ScrollingLabel");
    m_hBar = Part<TzynScrollBar>("FreeHScrollBar");
    m_vBar = Part<TzynScrollBar>("FreeVScrollBar");
    m_hTrack = Part<TzynTrackBar>("FreeHTrackBar");
    m_vTrack = Part<TzynTrackBar>("FreeVTrackBar");

    // Long contents are filled here rather than written out in the layout.
    QStringList items;
    for (int i = 1; i <= 200; ++i)
        items << QStringLiteral("List item %1").arg(i);
    Part<TzynListBox>("GalleryListBox")->Items()->setLines(items);
    QStringList lines;
    for (int i = 1; i <= 80; ++i)
        lines << QStringLiteral("Memo line %1: long enough to scroll to the side as well").arg(i);
    Part<TzynMemo>("GalleryMemo")->Lines()->setLines(lines);
    auto *checks = Part<TzynCheckListBox>("GalleryCheckList");
    for (int i = 0; i < checks->count(); i += 3)
        checks->setChecked(i, true);
    BarChange(nullptr);
}

void GalleryScrollingGroup::BarChange(QObject *)
{
    // The layout wires the handler before the family has found its parts.
    if (!m_label)
        return;
    m_label->setCaption(QStringLiteral("Scroll bars at %1 and %2; track bars at %3 and %4")
                            .arg(m_hBar->Position())
                            .arg(m_vBar->Position())
                            .arg(m_hTrack->Position())
                            .arg(m_vTrack->Position()));
}
