#pragma once

#include "TControlBase.h"

#include <QWebEngineView>

// The page view: an embedded web view that is only asked to navigate. Loading, rendering and
// following links inside pages are its own business, within the limits its page (TWebPage)
// keeps: local files only from the guide's folders, and no page that can hang the view.
class TWebBrowser : public TControlBase<QWebEngineView> {
    Q_OBJECT
    T_CONTROL_PROPERTIES
public:
    explicit TWebBrowser(QWidget *parent = nullptr);

    // Starts loading a local file (full path) or an address and returns at once. A missing
    // file is not an error here: the view shows a notice that names the file and its folder
    // (TWebPage).
    void Navigate(const QString &address);

    // The folders whose files local pages may show and read (TWebPage); none by default.
    void setLocalFolders(const QStringList &folders);
};

// Registers the page view with the layout loader.
void registerWebClasses();
