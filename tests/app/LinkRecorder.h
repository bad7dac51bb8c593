#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes the addresses handed to the desktop (registered with QDesktopServices::setUrlHandler),
// so that no browser starts during the tests.
class LinkRecorder : public QObject {
    Q_OBJECT
public:
    QStringList opened;

Q_SIGNALS:
    void wasOpened();

public Q_SLOTS:
    void open(const QUrl &url)
    {
        opened << url.toString(QUrl::FullyEncoded);
        Q_EMIT wasOpened();
    }
};
