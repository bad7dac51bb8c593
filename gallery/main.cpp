// The skin gallery: every skinned control of the library in the states a user meets, in a
// skinned window whose style buttons switch all of them between the six UI styles.
//
//     SkinGallery                     shows the window
//     SkinGallery --screenshots DIR   saves every page, disabled and with its popups, in each
//                                     style, and contact sheets (needs a display), then exits

#include "GalleryScreenshots.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"

#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    app.setTitle(QStringLiteral("Skin gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Every skinned control in every UI style."));
    parser.addHelpOption();
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
        QStringLiteral("Save every page in each style, disabled and with its popups, and contact "
                       "sheets into <dir>, then exit."),
        QStringLiteral("dir"));
    parser.addOption(screenshots);
    parser.process(app);

    try {
        TGalleryForm form;
        if (parser.isSet(screenshots)) {
            QString error;
            const int code = WriteGalleryScreenshots(form, parser.value(screenshots), &error);
            if (code != 0)
                std::fprintf(stderr, "SkinGallery: %s\n", qPrintable(error));
            return code;
        }
        form.Show();
        return app.exec();
    } catch (const std::exception &error) {
        // The window could not be built: say why and stop. Taking screenshots nobody watches,
        // so the reason goes to the error stream rather than into a box that waits for a click.
        if (parser.isSet(screenshots))
            std::fprintf(stderr, "SkinGallery: %s\n", error.what());
        else
            app.ShowException(error);
        return 1;
    }
}
