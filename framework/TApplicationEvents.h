#pragma once

#include "TMsg.h"

#include <QObject>

// Publishes the application-wide message hook as the OnMessage event. A dispatcher takes the
// application's one hook at start-up (installDispatcher), before any window exists, and
// shows every input event to each live TApplicationEvents component in creation order;
// the first one that sets Handled drops the event.
class TApplicationEvents : public QObject {
    Q_OBJECT
public:
    explicit TApplicationEvents(QObject *owner = nullptr);
    ~TApplicationEvents() override;

    // Takes the application's hook for the dispatcher; false if someone else holds it.
    static bool installDispatcher();

Q_SIGNALS:
    void OnMessage(TMsg &Msg, bool &Handled);
};
