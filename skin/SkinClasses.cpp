#include "SkinClasses.h"

#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynCheckGroup.h"
#include "TzynComboBox.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynListView.h"
#include "TzynPageControl.h"
#include "TzynProgressBar.h"
#include "TzynRadioButton.h"
#include "TzynSideChannel.h"
#include "TzynTabControl.h"
#include "TzynTabSheet.h"
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
}
