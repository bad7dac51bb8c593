// Every property that a class a layout may name publishes can be given a value from a layout:
// a published property of a type the loader does not know (an enumeration declared under
// another name than moc sees, say) would be refused at load time, so it is caught here for all
// registered classes at once.

#include "SkinClasses.h"
#include "TLayoutLoader.h"

#include <QMetaProperty>
#include <QSet>
#include <QTest>
#include <QWidget>

class TestPublished : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPublishedPropertyCanBeLoaded()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        QStringList refused;
        int checked = 0;
        for (const QString &name : TLayoutLoader::registeredClasses()) {
            QWidget root;
            QObject *component = TLayoutLoader::create(name, &root, &root);
            QVERIFY2(component, qPrintable(name));
            const QMetaObject *meta = component->metaObject();
            // Published properties are those our classes declare, not Qt's own.
            const QMetaObject *qtBase = meta;
            while (qtBase && !QByteArray(qtBase->className()).startsWith('Q'))
                qtBase = qtBase->superClass();
            for (int i = qtBase ? qtBase->propertyCount() : 0; i < meta->propertyCount(); ++i) {
                const QMetaProperty prop = meta->property(i);
                ++checked;
                if (!TLayoutLoader::canLoad(prop))
                    refused << QStringLiteral("%1.%2 (%3)")
                                   .arg(name, QString::fromLatin1(prop.name()),
                                       QString::fromLatin1(prop.typeName()));
            }
        }
        QVERIFY(checked > 100);
        // Every class of the skin's registry, and the menu, can be placed by a layout under
        // its own class name.
        for (const SkinClass &skin : skinClasses())
            QVERIFY2(
                TLayoutLoader::isClassRegistered(QString::fromLatin1(skin.name())), skin.name());
        QVERIFY(TLayoutLoader::isClassRegistered(QStringLiteral("TzynMainMenu")));
        QVERIFY2(refused.isEmpty(), qPrintable(refused.join(QStringLiteral(", "))));
    }

    // A property declared again further down hides the base's: a write through a base pointer
    // or the base's meta-object would then bypass what the class does with it.
    void everyPropertyIsPublishedOnce()
    {
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        QStringList twice;
        for (const QString &name : TLayoutLoader::registeredClasses()) {
            QWidget root;
            QObject *component = TLayoutLoader::create(name, &root, &root);
            QVERIFY2(component, qPrintable(name));
            const QMetaObject *meta = component->metaObject();
            QSet<QByteArray> seen;
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QByteArray prop = meta->property(i).name();
                if (seen.contains(prop))
                    twice << QStringLiteral("%1.%2").arg(name, QString::fromLatin1(prop));
                seen.insert(prop);
            }
        }
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestPublished)
#include "tst_published.moc"
