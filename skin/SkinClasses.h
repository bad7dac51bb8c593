#pragma once

#include <QList>

class QWidget;

// A component class of the skin library as the layout loader knows it.
struct SkinClass {
    const char *name;
    // Builds one on a parent, as the layout loader does.
    QWidget *(*create)(QWidget *parent);
};

// Every component class of the skin library, in registration order.
const QList<SkinClass> &skinClasses();

// Registers the skin library's component classes with the layout loader.
void registerSkinClasses();
