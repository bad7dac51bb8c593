#pragma once

#include "TzynGroupBox.h"

class TzynForm;

// One family of controls in the gallery: a skinned group box on a page of the gallery's page
// control, whose contents come from the family's own layout description
// (":/gallery/layouts/<name>.layout", rooted at the family's class, whose handlers it wires).
// The page passes the style into the group box, the group box into the controls placed on it;
// a control inside a further container of the family is restyled only when that container
// passes the style on itself (tab and page controls, check groups).
class GalleryFamily : public TzynGroupBox {
    Q_OBJECT
public:
    explicit GalleryFamily(QWidget *parent = nullptr);

    // Loads the family's layout onto this group box, then lets the family find its parts;
    // throws ELayoutError.
    void Load(const QString &name);
    // Called once the family is loaded on the window's frame, for families that listen to
    // the frame itself (the title bar's events).
    virtual void Attach(TzynForm *frame);

    // The resource path of a family's layout description.
    static QString LayoutPath(const QString &name);

protected:
    // After the layout: bind the components the family's code uses.
    virtual void Loaded() { }

    // A component of the family's layout by name; throws Exception when it is missing.
    template <class T> T *Part(const char *name) const
    {
        T *found = findChild<T *>(QLatin1String(name));
        if (!found)
            missingPart(name);
        return found;
    }

private:
    [[noreturn]] void missingPart(const char *name) const;
};
