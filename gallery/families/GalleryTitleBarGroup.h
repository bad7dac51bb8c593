#pragma once

#include "GalleryFamily.h"

class TzynImagePanel;
class TzynListBox;

// The window's own title bar carries a button of every type; this family explains them and
// shows the last thing the title bar did: a help or custom button clicked, the window
// maximised, restored or minimised.
class GalleryTitleBarGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryTitleBarGroup(QWidget *parent = nullptr);

    void Attach(TzynForm *frame) override;
    QString LastEvent() const;

public Q_SLOTS:
    void HelpButtonClick(QObject *Sender, int ButtonIndex);
    void CustomButtonClick(QObject *Sender, int ButtonIndex);

protected:
    void Loaded() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report(const QString &text);

    TzynImagePanel *m_label = nullptr;
    // Every report so far, the latest first.
    TzynListBox *m_log = nullptr;
    QWidget *m_host = nullptr;
};
