#pragma once

#include <QString>

// The publisher's online services. Three addresses sit on the root path of the link-redirect
// service and differ only in the key after "?@"; the fourth is the home page, with no path.
// The host names are build settings.
namespace Links {
QString newsAndForum();
QString courses();
QString consultation();
QString homePage();
} // namespace Links

// Hands an address to the desktop's browser. The result is ignored: if nothing can open it,
// the program carries on without a message of its own.
void OpenLink(const QString &address);
