#pragma once

// Waiting on the real page view in tests: every wait runs the event loop until the page answers
// or a generous deadline passes, so a slow, loaded machine only takes longer.

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>

#include <functional>

namespace PageViewWaits {

constexpr int kTimeout = 90000;

// Runs the loop until the condition holds, re-testing it whenever the sender emits the signal.
// False when the generous deadline passes first.
template <class Sender, class Signal>
bool waitUntil(const Sender *sender, Signal signal, const std::function<bool()> &done)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(sender, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    deadline.start(kTimeout);
    loop.exec();
    return done();
}

inline QVariant runScript(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool finished = false;
    QEventLoop loop;
    QTimer::singleShot(kTimeout, &loop, &QEventLoop::quit);
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        finished = true;
        loop.quit();
    });
    if (!finished)
        loop.exec();
    return finished ? result : QVariant(QStringLiteral("script timed out"));
}

// Asks the page until the script gives the expected value: each question is answered by the
// page's own callback, so this waits on the page and not on a clock.
inline bool scriptBecomes(QWebEngineView *view, const QString &script, const QVariant &expected)
{
    const QDeadlineTimer deadline(kTimeout);
    while (!deadline.hasExpired()) {
        if (runScript(view, script) == expected)
            return true;
    }
    return false;
}

inline QWidget *inputWidget(QWebEngineView *view)
{
    if (view->focusProxy())
        return view->focusProxy();
    const QList<QWidget *> children = view->findChildren<QWidget *>();
    return children.isEmpty() ? nullptr : children.first();
}

} // namespace PageViewWaits
