// The study guide's main program: start the application, create the main window from its
// layout and run until the window closes.

#include "Startup.h"
#include "TApplication.h"
#include "TLayoutLoader.h"
#include "Unit1.h"

int main(int argc, char *argv[])
{
    PrepareProcess();
    TApplication app(argc, argv);
    InitializeApplication(app);
    // Someone is there to answer a box that a component shows while the window is built.
    TLayoutLoader::setUserPresent(true);
    try {
        TForm1 form;
        form.Show();
        return app.exec();
    } catch (const std::exception &error) {
        // The window could not be built: say why and stop.
        app.ShowException(error);
        return 1;
    }
}
