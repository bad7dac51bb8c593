#include "SkinClasses.h"

#include "TLayoutLoader.h"
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

template <class T> SkinClass skinClass(const char *name)
{
    return { name, [](QWidget *parent) -> QWidget * { return new T(parent); } };
}

} // namespace

const QList<SkinClass> &skinClasses()
{
    static const QList<SkinClass> classes = {
        skinClass<TzynForm>("TzynForm"),
        skinClass<TzynTreeView>("TzynTreeView"),
        skinClass<TzynGroupBox>("TzynGroupBox"),
        skinClass<TzynButton>("TzynButton"),
        skinClass<TzynImageButton>("TzynImageButton"),
        skinClass<TzynCheckBox>("TzynCheckBox"),
        skinClass<TzynRadioButton>("TzynRadioButton"),
        skinClass<TzynListView>("TzynListView"),
        skinClass<TzynImagePanel>("TzynImagePanel"),
        skinClass<TzynToolBar>("TzynToolBar"),
        skinClass<TzynTrackBar>("TzynTrackBar"),
        skinClass<TzynScrollTrackBar>("TzynScrollTrackBar"),
        skinClass<TzynScrollBar>("TzynScrollBar"),
        skinClass<TzynListBox>("TzynListBox"),
        skinClass<TzynCheckListBox>("TzynCheckListBox"),
        skinClass<TzynEdit>("TzynEdit"),
        skinClass<TzynMemo>("TzynMemo"),
        skinClass<TzynTabControl>("TzynTabControl"),
        skinClass<TzynPageControl>("TzynPageControl"),
        skinClass<TzynTabSheet>("TzynTabSheet"),
        skinClass<TzynProgressBar>("TzynProgressBar"),
        skinClass<TzynCheckGroup>("TzynCheckGroup"),
        skinClass<TzynComboBox>("TzynComboBox"),
        skinClass<TzynSideChannel>("TzynSideChannel"),
    };
    return classes;
}

void registerSkinClasses()
{
    for (const SkinClass &skin : skinClasses()) {
        TLayoutLoader::registerClass(QString::fromLatin1(skin.name),
            [create = skin.create](
                QObject *, QWidget *parent) -> QObject * { return create(parent); });
    }
    // The skinned menu is a component without a window of its own, made on its form.
    TLayoutLoader::registerClass<TzynMainMenu>(QStringLiteral("TzynMainMenu"));
}
