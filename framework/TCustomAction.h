#pragma once

#include "TImageList.h"

#include <QObject>
#include <QPointer>
#include <QString>

// A command that several controls can share: its caption, enabled state, hint and image (an
// index into the image list of the list the action belongs to). Controls linked to an action
// follow its changes and execute it when clicked.
class TCustomAction : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE setImageIndex)
    Q_PROPERTY(TImageList *Images READ Images WRITE setImages)
public:
    explicit TCustomAction(QObject *owner = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);
    int ImageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);
    // The image list of the action's list; null when it has none.
    TImageList *Images() const { return m_images.data(); }
    void setImages(TImageList *images);

    // Raises OnExecute; false when nothing handles it.
    bool Execute();

Q_SIGNALS:
    void OnExecute(QObject *Sender);
    void OnChange(QObject *Sender);

private:
    void changed();

    QString m_caption;
    bool m_enabled = true;
    QString m_hint;
    int m_imageIndex = -1;
    QPointer<TImageList> m_images;
};
