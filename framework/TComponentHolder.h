#pragma once

class QObject;

// A non-visual component that holds components of its own: the layout loader hands it each
// component written inside it (a menu item inside a menu or another item), right after
// creating it and telling it Loading(). Found with dynamic_cast.
class TComponentHolder {
public:
    virtual ~TComponentHolder() = default;

    // Takes the component, or returns false when it cannot hold one of its kind (the layout
    // is then refused).
    virtual bool InsertComponent(QObject *component) = 0;
};
