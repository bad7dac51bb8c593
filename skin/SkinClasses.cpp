#include "SkinClasses.h"

#include "TLayoutLoader.h"
#include "TzynAccessible.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynCheckGroup.h"
#include "TzynCheckListBox.h"
#include "TzynComboBox.h"
#include "TzynEdit.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynListBox.h"
#include "TzynListView.h"
#include "TzynMainMenu.h"
#include "TzynMemo.h"
#include "TzynPageControl.h"
#include "TzynProgressBar.h"
#include "TzynRadioButton.h"
#include "TzynScrollBar.h"
#include "TzynScrollTrackBar.h"
#include "TzynSideChannel.h"
#include "TzynTabControl.h"
#include "TzynTabSheet.h"
#include "TzynToolBar.h"
#include "TzynTrackBar.h"
#include "TzynTreeView.h"

namespace {

template <class T> SkinClass skinClass()
{
    return { &T::staticMetaObject, [](QWidget *parent) -> QWidget * { return new T(parent); } };
}

} // namespace

const char *SkinClass::name() const
{
    return meta->className();
}

const QList<SkinClass> &skinClasses()
{
    // One line per class; a layout names each by its class name.
    static const QList<SkinClass> classes = {
        skinClass<TzynForm>(),
        skinClass<TzynTreeView>(),
        skinClass<TzynGroupBox>(),
        skinClass<TzynButton>(),
        skinClass<TzynImageButton>(),
        skinClass<TzynCheckBox>(),
        skinClass<TzynRadioButton>(),
        skinClass<TzynListView>(),
        skinClass<TzynImagePanel>(),
        skinClass<TzynToolBar>(),
        skinClass<TzynTrackBar>(),
        skinClass<TzynScrollTrackBar>(),
        skinClass<TzynScrollBar>(),
        skinClass<TzynListBox>(),
        skinClass<TzynCheckListBox>(),
        skinClass<TzynEdit>(),
        skinClass<TzynMemo>(),
        skinClass<TzynTabControl>(),
        skinClass<TzynPageControl>(),
        skinClass<TzynTabSheet>(),
        skinClass<TzynProgressBar>(),
        skinClass<TzynCheckGroup>(),
        skinClass<TzynComboBox>(),
        skinClass<TzynSideChannel>(),
    };
    return classes;
}

const SkinClass *findSkinClass(const char *name)
{
    for (const SkinClass &skin : skinClasses()) {
        if (qstrcmp(skin.name(), name) == 0)
            return &skin;
    }
    return nullptr;
}

void registerSkinClasses()
{
    // A screen reader reads every skinned control the program makes from now on.
    TzynAccessible::install();
    for (const SkinClass &skin : skinClasses()) {
        TLayoutLoader::registerClass(QString::fromLatin1(skin.name()),
            [create = skin.create](
                QObject *, QWidget *parent) -> QObject * { return create(parent); });
    }
    // The skinned menu is a component without a window of its own, made on its form.
    TLayoutLoader::registerClass<TzynMainMenu>(
        QString::fromLatin1(TzynMainMenu::staticMetaObject.className()));
}
