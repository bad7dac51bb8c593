// Writing a published property the value it already holds changes nothing on screen: a layout
// or a program that sets what is already there must not cost a repaint. The sweep covers every
// class a layout may place and every property the class publishes itself (not Qt's), object
// properties (fonts, pictures, constraints) included, which are written back with themselves.

#include "PaintCounter.h"
#include "SkinClasses.h"
#include "TFont.h"
#include "TLayoutLoader.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace {

// Setters that deliberately act again on an unchanged value, with the reason.
const QSet<QByteArray> &exceptions()
{
    static const QSet<QByteArray> list = {
        // Naming a picture, even the empty name a styled button reads back, turns the button
        // Custom: that is how a layout gives a button pictures of its own.
        "TzynButton.PicNormalResName",
        "TzynButton.PicMouseOnResName",
        "TzynButton.PicMouseDownResName",
        // Selecting a tab activates it again, current or not, and raises OnTabActive and
        // OnChange, as a program that re-selects the tab to have its page shown expects.
        "TzynTabControl.TabIndex",
    };
    return list;
}

// Watches a widget and everything inside it.
void watchTree(PaintCounter &counter, QWidget *root)
{
    counter.watch(root);
    const QList<QWidget *> inside = root->findChildren<QWidget *>();
    for (QWidget *child : inside)
        counter.watch(child);
}

int totalPaints(const PaintCounter &counter)
{
    int sum = 0;
    for (int n : counter.paints)
        sum += n;
    return sum;
}

} // namespace

class TestSetters : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
    }

    void writingTheCurrentValueRepaintsNothing()
    {
        QStringList repainted;
        int written = 0;
        for (const QString &name : TLayoutLoader::registeredClasses()) {
            QWidget window;
            window.resize(420, 300);
            // The control sits in a box of its own; beside it, a marker whose paint shows that
            // the window has drawn whatever was due.
            QWidget box(&window);
            box.setGeometry(0, 0, 300, 300);
            QWidget marker(&window);
            marker.setGeometry(380, 10, 10, 10);
            QObject *component = TLayoutLoader::create(name, &window, &box);
            QVERIFY2(component, qPrintable(name));
            auto *control = qobject_cast<QWidget *>(component);
            if (control) {
                control->ensurePolished();
                control->show();
            }
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(flushPaints(&window));

            const QMetaObject *meta = component->metaObject();
            const QMetaObject *qtBase = meta;
            while (qtBase && !QByteArray(qtBase->className()).startsWith('Q'))
                qtBase = qtBase->superClass();
            for (int i = qtBase ? qtBase->propertyCount() : 0; i < meta->propertyCount(); ++i) {
                const QMetaProperty prop = meta->property(i);
                if (!prop.isWritable() || !prop.isReadable())
                    continue;
                const QByteArray key = meta->className() + QByteArray(".") + prop.name();
                if (exceptions().contains(key))
                    continue;
                QCoreApplication::processEvents();
                PaintCounter counter;
                watchTree(counter, control ? control : &box);
                PaintCounter markerPaints;
                markerPaints.watch(&marker);

                const QVariant current = prop.read(component);
                QVERIFY2(prop.write(component, current), key.constData());
                ++written;
                // A font is also given an equal copy of itself. (Pictures have no equality
                // of content, so only themselves count as equal.)
                if (auto *font = current.value<TFont *>()) {
                    TFont copy;
                    copy.assign(font);
                    QVERIFY2(prop.write(component, QVariant::fromValue(&copy)), key.constData());
                }
                QCoreApplication::processEvents();
                // Whatever the write made due is painted in the same pass as the marker.
                marker.update();
                QVERIFY2(
                    QTest::qWaitFor([&] { return markerPaints.of(&marker) > 0; }), key.constData());
                if (totalPaints(counter) > 0) {
                    qInfo("repainted: %s", key.constData());
                    repainted << QString::fromLatin1(key);
                }
            }
        }
        QVERIFY(written > 100);
        QVERIFY2(repainted.isEmpty(), qPrintable(repainted.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestSetters)
#include "tst_setters.moc"
