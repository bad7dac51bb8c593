#include "SkinClasses.h"

#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynTreeView.h"

void registerSkinClasses()
{
    TLayoutLoader::registerClass<TzynForm>(QStringLiteral("TzynForm"));
    TLayoutLoader::registerClass<TzynTreeView>(QStringLiteral("TzynTreeView"));
    TLayoutLoader::registerClass<TzynGroupBox>(QStringLiteral("TzynGroupBox"));
    TLayoutLoader::registerClass<TzynButton>(QStringLiteral("TzynButton"));
}
