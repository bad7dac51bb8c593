#pragma once

class QEvent;
class QObject;

// One input event on its way to its receiver, as the application-wide hook sees it.
struct TMsg {
    QObject *receiver = nullptr;
    QEvent *event = nullptr;
};
