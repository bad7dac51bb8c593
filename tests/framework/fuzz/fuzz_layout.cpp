// Fuzz target for the layout loader: the input is a layout's text, loaded onto a fresh form
// with every framework and skin class registered (the page view stands in as a plain
// control), on Qt's offscreen platform. A refused layout is an exception, never a crash, a
// hang or a message the size of the input.
#include "Exception.h"
#include "SkinClasses.h"
#include "TControl.h"
#include "TForm.h"
#include "TGIFImage.h"
#include "TLayoutLoader.h"

#include <QApplication>
#include <QByteArray>

#include <cstdlib>
#include <memory>

namespace {
// A reported error quotes at most this much of the input, whatever its size.
constexpr qsizetype kLongestMessage = 1000;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    RegisterGifFormat();
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    TLayoutLoader::registerClass<TControl>(QStringLiteral("TWebBrowser"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    auto form = std::make_unique<TForm>();
    TLayoutLoader loader;
    loader.setResourcePrefix(QStringLiteral(GUIDE_RESOURCES_DIR "/"));
    try {
        loader.loadFromText(form.get(), text, QStringLiteral("fuzz.layout"));
    } catch (const Exception &error) {
        if (error.message().size() > kLongestMessage)
            std::abort();
    }
    form.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
