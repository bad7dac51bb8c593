#include "Startup.h"

#include "SkinClasses.h"
#include "TApplication.h"
#include "TApplicationEvents.h"
#include "TLayoutLoader.h"

#include <QIcon>

#include <unistd.h>

void PrepareProcess()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void InitializeApplication(TApplication &app)
{
    TApplicationEvents::installDispatcher();
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    app.setTitle(QStringLiteral("Veltrix考试Lumora"));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/MAINICON.ico")));
}
