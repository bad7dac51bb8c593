#pragma once

#include <QObject>

class QWidget;

// Qt has no dialog keys: a form does not offer Enter, Escape and accelerator characters to its
// buttons when the focused control leaves them. One dispatcher per window watches the key
// presses that reach the window unhandled and offers them to the skinned buttons on it, in
// creation order, until one takes the key.
class TzynDialogKeys : public QObject {
    Q_OBJECT
public:
    // Gives the window its dispatcher unless it has one.
    static void attach(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TzynDialogKeys(QWidget *window);
};
