#pragma once

#include <QString>

// The skin components' report of a misuse at design time: a modal box with the error icon and
// an OK button. The property that was being set is left unchanged by the caller.
class TzynErrorBox {
public:
    static void Show(const QString &text);
};
