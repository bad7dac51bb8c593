#pragma once

#include <QProcess>
#include <QStringList>
#include <QTest>

// Runs one xdotool command chain, so that the window manager and the window see a real pointer.
// The test's own event loop keeps running meanwhile: the window sees the press and the first
// moves while they happen, as it would with a hand on the mouse.
inline bool xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForStarted())
        return false;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000))
        return false;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
