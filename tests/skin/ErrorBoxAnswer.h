#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Runs an action that shows a modal error box, answers the box and returns its text; a box
// without the error icon is marked in the text, so that a test comparing texts notices it.
inline QString answerErrorBox(const std::function<void()> &action)
{
    QString text;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        if (box->icon() != QMessageBox::Critical)
            text.prepend(QStringLiteral("(not an error box) "));
        box->button(QMessageBox::Ok)->click();
    });
    action();
    return text;
}

// A host window with a chosen border style.
inline TForm *formWithBorder(Fw::TBorderStyle style)
{
    auto *form = new TForm;
    form->setBorderStyle(style);
    return form;
}
