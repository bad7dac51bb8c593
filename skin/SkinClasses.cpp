#include "SkinClasses.h"

#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynImageButton.h"
#include "TzynImagePanel.h"
#include "TzynListView.h"
#include "TzynRadioButton.h"
#include "TzynTreeView.h"

void registerSkinClasses()
{
    TLayoutLoader::registerClass<TzynForm>(QStringLiteral("TzynForm"));
    TLayoutLoader::registerClass<TzynTreeView>(QStringLiteral("TzynTreeView"));
    TLayoutLoader::registerClass<TzynGroupBox>(QStringLiteral("TzynGroupBox"));
    TLayoutLoader::registerClass<TzynButton>(QStringLiteral("TzynButton"));
    TLayoutLoader::registerClass<TzynImageButton>(QStringLiteral("TzynImageButton"));
    TLayoutLoader::registerClass<TzynCheckBox>(QStringLiteral("TzynCheckBox"));
    TLayoutLoader::registerClass<TzynRadioButton>(QStringLiteral("TzynRadioButton"));
    TLayoutLoader::registerClass<TzynListView>(QStringLiteral("TzynListView"));
    TLayoutLoader::registerClass<TzynImagePanel>(QStringLiteral("TzynImagePanel"));
}
