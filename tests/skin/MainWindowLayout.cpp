#include "MainWindowLayout.h"

#include "SkinClasses.h"
#include "TControl.h"
#include "TGIFImage.h"
#include "TLayoutLoader.h"
#include "TzynForm.h"
#include "TzynTitleBar.h"
#include "TzynTreeView.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryFile>

MainWindowLayout::MainWindowLayout(QWidget *parent)
    : TForm(parent)
{
    static bool registered = false;
    if (!registered) {
        registered = true;
        RegisterGifFormat();
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        TLayoutLoader::registerClass(
            QStringLiteral("TWebBrowser"), [](QObject *, QWidget *parent) -> QObject * {
                auto *standIn = new TControl(parent);
                standIn->hide();
                return standIn;
            });
    }
    const QString resources = QStringLiteral(GUIDE_SOURCE_DIR "/resources/");
    QFile file(resources + QStringLiteral("layout/Unit1.layout"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the main window's layout: %s", qPrintable(file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    text.replace(
        QStringLiteral("object Form1: TForm1"), QStringLiteral("object Form1: MainWindowLayout"));
    TLayoutLoader loader;
    loader.setResourcePrefix(resources);
    loader.loadFromText(this, text, file.fileName());
    Loaded();
    m_frame = findChild<TzynForm *>(QStringLiteral("zynForm1"));
    // The tree opened up as the program's start leaves it.
    if (auto *tree = findChild<TzynTreeView *>(QStringLiteral("TreeView1"))) {
        TTreeNodes *items = tree->Items();
        for (int i = 0; i < items->Count(); ++i)
            items->Item(i)->setExpanded(true);
    }
    // Hidden explicitly, so that showing the window leaves it out of every picture.
    if (QWidget *view = findChild<QWidget *>(QStringLiteral("WebBrowser1")))
        view->hide();
}

void MainWindowLayout::showAt(const QSize &size)
{
    resize(size);
    show();
    QApplication::processEvents();
    if (QWidget *focused = QApplication::focusWidget())
        focused->clearFocus();
    m_frame->TitleBar()->setFormActive(true);
    QApplication::processEvents();
}

QImage MainWindowLayout::grabFrame() const
{
    return m_frame->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void UseLargeOffscreenScreen(const QSize &size)
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return;
    // Kept for the life of the process: the platform reads it when the application starts.
    static QTemporaryFile screens;
    if (!screens.open())
        return;
    screens.write(QStringLiteral(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": %1,
        "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                      .arg(size.width())
                      .arg(size.height())
                      .toUtf8());
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
}
