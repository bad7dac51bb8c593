// Renders one page of the guide at a given page-view size and saves a screenshot, optionally
// after running a script in it (for example to answer and grade a paper).
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(
            stderr, "usage: content_shot <page.htm> <out.png> [width] [height] [script]\n");
        return 2;
    }
    const QString out = args.at(2);
    const int width = args.size() > 3 ? args.at(3).toInt() : 690;
    const int height = args.size() > 4 ? args.at(4).toInt() : 800;
    const QString script = args.size() > 5 ? args.at(5) : QString();

    QWebEngineView view;
    view.resize(width, height);
    view.show();
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&](bool ok) {
        if (!ok) {
            std::fprintf(stderr, "cannot load %s\n", qPrintable(args.at(1)));
            app.exit(1);
            return;
        }
        if (!script.isEmpty())
            view.page()->runJavaScript(script);
        QTimer::singleShot(1500, &app, [&] {
            const bool saved = view.grab().save(out);
            app.exit(saved ? 0 : 1);
        });
    });
    view.load(QUrl::fromLocalFile(QFileInfo(args.at(1)).absoluteFilePath()));
    return app.exec();
}
