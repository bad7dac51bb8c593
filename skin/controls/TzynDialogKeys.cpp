#include "TzynDialogKeys.h"

#include "TzynCustomButton.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

TzynDialogKeys::TzynDialogKeys(QWidget *window)
    : QObject(window)
{
    window->installEventFilter(this);
}

void TzynDialogKeys::attach(QWidget *window)
{
    if (!window || window->findChild<TzynDialogKeys *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new TzynDialogKeys(window);
}

bool TzynDialogKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || watched != parent())
        return false;
    auto *window = static_cast<QWidget *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    const int code = key->key();
    const bool dialogKey
        = code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape;
    const QString text = key->text();
    QChar ch;
    if (!dialogKey) {
        // Alt+letter arrives with the letter as its key; plain characters carry their text.
        if (key->modifiers().testFlag(Qt::AltModifier) && code >= Qt::Key_0 && code <= Qt::Key_Z)
            ch = QChar(code);
        else if (!key->modifiers().testFlag(Qt::ControlModifier) && text.size() == 1
            && text.at(0).isPrint())
            ch = text.at(0);
        if (ch.isNull())
            return false;
    }
    const QList<TzynCustomButton *> buttons = window->findChildren<TzynCustomButton *>();
    for (const QPointer<TzynCustomButton> button : buttons) {
        if (!button || button->window() != window)
            continue;
        const bool handled
            = dialogKey ? button->DialogKey(code, key->modifiers()) : button->DialogChar(ch);
        if (handled) {
            key->accept();
            return true;
        }
    }
    return false;
}
