#include "TzynTitleBarButtons.h"

#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"

TzynTitleBarButtons::TzynTitleBarButtons(TzynTitleBar *owner)
    : TCollection(owner)
    , m_owner(owner)
{
}

TzynTitleBarButton *TzynTitleBarButtons::Items(int index) const
{
    return static_cast<TzynTitleBarButton *>(itemAt(index));
}

TzynTitleBarButton *TzynTitleBarButtons::Add()
{
    return static_cast<TzynTitleBarButton *>(addItem());
}

QObject *TzynTitleBarButtons::createItem()
{
    auto *button = new TzynTitleBarButton(this);
    connect(button, &TzynTitleBarButton::Triggered, this, &TzynTitleBarButtons::ButtonTriggered);
    return button;
}

void TzynTitleBarButtons::Assign(const TzynTitleBarButtons *source)
{
    if (!source || source == this)
        return;
    Clear();
    for (int i = 0; i < source->Count(); ++i)
        Add()->Assign(source->Items(i));
}
