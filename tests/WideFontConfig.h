#pragma once

// The two font configurations the font tests compare: the test run's own (only the faces the
// guide depends on) and a wide one, the same file without its choice of faces and read after
// the machine's own rules, so that every installed face and every face preference of the
// machine (the CJK faces' among them) is in play.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>

inline QString ownFontConfig()
{
    return QStringLiteral(GUIDE_SOURCE_DIR "/scripts/fonts.conf");
}

// Writes the wide configuration into the folder; returns its path, or an empty string.
inline QString writeWideFontConfig(const QDir &folder)
{
    QFile own(ownFontConfig());
    if (!own.open(QIODevice::ReadOnly))
        return {};
    QString wide = QString::fromUtf8(own.readAll());
    const qsizetype before = wide.size();
    wide.remove(QRegularExpression(QStringLiteral("<selectfont>.*</selectfont>"),
        QRegularExpression::DotMatchesEverythingOption));
    if (wide.size() == before)
        return {};
    wide.replace(QStringLiteral("<fontconfig>"),
        QStringLiteral(
            "<fontconfig>\n  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>"));
    const QString path = folder.filePath(QStringLiteral("wide-fonts.conf"));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(wide.toUtf8()) < 0)
        return {};
    return path;
}

// Runs this test program once more, as a child under the font configuration, with the
// arguments; returns what the child printed, or a null string when it did not end well.
inline QString runSelfUnder(const QString &fontConfig, const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), fontConfig);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0) {
        qWarning("child ended with %d", child.exitCode());
        return {};
    }
    return QString::fromLatin1(child.readAllStandardOutput());
}
