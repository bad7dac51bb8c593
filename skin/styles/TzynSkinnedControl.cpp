#include "TzynSkinnedControl.h"

TzynSkinnedControl::~TzynSkinnedControl() = default;

TzynFormFrame::~TzynFormFrame() = default;

void TzynSkinnedControl::TakeOwnerStyle(const QObject *owner)
{
    TakeInitialStyle(FindFormUIStyle(owner));
}

void TzynBorderColored::InitialStyle(TzynUIStyle style)
{
    // A frame in Custom, like no frame at all, gives black.
    setBorderColor(GetThemeColor(style, TzynThemeEntry::ControlBorderColor));
    StyleHighlight(style);
}

TzynStyleContainer::~TzynStyleContainer() = default;
