// Every caption in the gallery fits the room its control gives it, in every style, at the size
// the gallery opens at: the layouts were drawn for the widths of their Latin faces, and a face
// that is too wide cuts the end off a hint or a button's caption.

#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynCustomButtonEx.h"
#include "TzynCustomGroupBox.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"

#include <QtTest>

#include <memory>

namespace {

// The caption without its mnemonic marks, as it is drawn.
QString drawnCaption(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The caption's width and the room the control gives it; a room below zero leaves the control
// out (it draws no caption of its own, or sizes itself to it).
struct Fit {
    int text = 0;
    int room = -1;
};

Fit fitOf(QWidget *widget)
{
    const QMetaObject *meta = widget->metaObject();
    const int index = meta->indexOfProperty("Caption");
    if (index < 0)
        return {};
    const QString caption = drawnCaption(meta->property(index).read(widget).toString());
    if (caption.trimmed().isEmpty())
        return {};
    const int text = QFontMetrics(widget->font()).horizontalAdvance(caption);
    if (auto *box = qobject_cast<TzynCustomButtonEx *>(widget))
        return { text, box->width() - box->PictureWidth() - 4 };
    if (auto *button = qobject_cast<TzynButton *>(widget)) {
        // Glyph beside the caption or above it: the caption starts where the button puts it.
        return { text, button->width() - std::max(0, button->CaptionPos().x()) };
    }
    if (qobject_cast<TzynCustomGroupBox *>(widget))
        return { text, widget->width() - 10 }; // drawn from x = 5, with as much room at the end
    if (qobject_cast<TzynImagePanel *>(widget))
        return { text, widget->width() };
    return {};
}

} // namespace

class tst_GalleryText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
    }

    void noCaptionIsClipped()
    {
        TGalleryForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList clipped;
        int checked = 0;
        for (TzynUIStyle style : TGalleryForm::Styles()) {
            form.ChooseStyle(style);
            for (int i = 0; i < form.Families().size(); ++i) {
                form.ShowFamily(i);
                QApplication::processEvents();
                QList<QWidget *> widgets = form.Families()[i]->findChildren<QWidget *>();
                widgets.prepend(form.Families()[i]);
                for (QWidget *widget : widgets) {
                    if (!widget->isVisibleTo(&form))
                        continue;
                    const Fit fit = fitOf(widget);
                    if (fit.room < 0)
                        continue;
                    ++checked;
                    if (fit.text > fit.room)
                        clipped << QStringLiteral("%1 in style %2: caption %3 px, room %4 px")
                                       .arg(widget->objectName())
                                       .arg(int(style))
                                       .arg(fit.text)
                                       .arg(fit.room);
                }
            }
        }
        QVERIFY2(checked > 50, qPrintable(QString::number(checked)));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    tst_GalleryText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gallery_text.moc"
