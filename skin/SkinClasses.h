#pragma once

#include <QList>

class QMetaObject;
class QWidget;

// A component class of the skin library as the layout loader knows it: its meta-object (the
// name a layout uses is the class's own, className()) and how one is built on a parent.
struct SkinClass {
    const QMetaObject *meta;
    QWidget *(*create)(QWidget *parent);

    const char *name() const;
};

// Every component class of the skin library, in registration order: the one list that the
// loader's registration, the contract test and the published-property checks go over.
const QList<SkinClass> &skinClasses();

// The registered class of that name, or null.
const SkinClass *findSkinClass(const char *name);

// Registers the skin library's component classes with the layout loader.
void registerSkinClasses();
