#pragma once

#include "GalleryFamily.h"

class TMenuItem;
class TzynImagePanel;
class TzynListBox;

// Two skinned tool bars (pictures with captions, and a row of grouped check buttons) and the
// window's menu at work: the family says which menu item or tool button was chosen last.
class GalleryToolBarsGroup : public GalleryFamily {
    Q_OBJECT
public:
    explicit GalleryToolBarsGroup(QWidget *parent = nullptr);

    void Attach(TzynForm *frame) override;
    QString LastCommand() const;

public Q_SLOTS:
    void ToolClick(QObject *Sender);

protected:
    void Loaded() override;

private:
    void listenTo(TMenuItem *item);
    void report(const QString &text);

    TzynImagePanel *m_label = nullptr;
    // Every report so far, the latest first.
    TzynListBox *m_log = nullptr;
};
