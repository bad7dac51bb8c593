#include "TApplicationEvents.h"

#include "TApplication.h"

#include <QList>
#include <QPointer>

namespace {
QList<TApplicationEvents *> &components()
{
    static QList<TApplicationEvents *> list;
    return list;
}
} // namespace

TApplicationEvents::TApplicationEvents(QObject *owner)
    : QObject(owner)
{
    components().append(this);
}

TApplicationEvents::~TApplicationEvents()
{
    components().removeOne(this);
}

bool TApplicationEvents::installDispatcher()
{
    TApplication *app = TApplication::instance();
    if (!app)
        return false;
    if (app->messageHookOwner())
        return app->messageHookOwner()->objectName()
            == QLatin1String("ApplicationEventsDispatcher");
    auto *owner = new QObject(app);
    owner->setObjectName(QStringLiteral("ApplicationEventsDispatcher"));
    return app->takeMessageHook(owner, [](QObject *receiver, QEvent *event) {
        TMsg msg { receiver, event };
        const QList<TApplicationEvents *> list = components();
        for (TApplicationEvents *component : list) {
            bool handled = false;
            Q_EMIT component->OnMessage(msg, handled);
            if (handled)
                return true;
        }
        return false;
    });
}
