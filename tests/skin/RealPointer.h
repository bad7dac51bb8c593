#pragma once

#include <QPoint>
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

// The xdotool words that move the pointer to p and give the window a moment to see it.
inline QStringList pointerMoveTo(const QPoint &p)
{
    return { QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
        QStringLiteral("sleep"), QStringLiteral("0.2") };
}

// The xdotool words of a drag the window manager follows: press at from, move to `to` in eight
// steps (the first ones start a move or resize, the window follows the later ones), release.
inline QStringList pointerDrag(const QPoint &from, const QPoint &to)
{
    QStringList args = pointerMoveTo(from);
    args << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("sleep")
         << QStringLiteral("0.2");
    constexpr int steps = 8;
    for (int i = 1; i <= steps; ++i)
        args << pointerMoveTo(from + (to - from) * i / steps);
    args << QStringLiteral("sleep") << QStringLiteral("0.3") << QStringLiteral("mouseup")
         << QStringLiteral("1") << QStringLiteral("sleep") << QStringLiteral("0.3");
    return args;
}
