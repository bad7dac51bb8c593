#include "Startup.h"

#include "SkinClasses.h"
#include "TApplication.h"
#include "TApplicationEvents.h"
#include "TGIFImage.h"
#include "TLayoutLoader.h"
#include "TWebBrowser.h"

#include <QIcon>
#include <QWebEngineProfile>

#include <unistd.h>

void PrepareProcess()
{
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void InitializeApplication(TApplication &app)
{
    // In the order the program's modules start: the GIF format first, then the
    // application-events dispatcher takes the message hook before any window exists.
    RegisterGifFormat();
    TApplicationEvents::installDispatcher();
    TLayoutLoader::registerFrameworkClasses();
    registerWebClasses();
    registerSkinClasses();
    app.setTitle(QStringLiteral("Veltrix考试Lumora"));
    // The icon file's 32 and 16 pixel images, and their twin for high-density screens.
    QIcon icon(QStringLiteral(":/icons/MAINICON.ico"));
    icon.addFile(QStringLiteral(":/icons/MAINICON@2x.png"));
    app.setWindowIcon(icon);
    // The page view's engine starts helper processes of its own. Starting it before the window
    // is built lets them get ready while the tree, the fonts and the pictures are prepared,
    // instead of after; the page view then finds the engine running.
    QWebEngineProfile::defaultProfile();
}
