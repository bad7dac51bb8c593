#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <functional>

class Exception;

// The application object: its title, the one application-wide message hook, and the error
// box that reports an exception escaping any handler, after which the program carries on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    // Decides for one input event on its way to a widget: true drops the event.
    using MessageHook = std::function<bool(QObject *receiver, QEvent *event)>;

    TApplication(int &argc, char **argv);
    ~TApplication() override;

    static TApplication *instance();

    // The title names the program to the desktop: the main form's native window title, which
    // the task bar and the window switcher show, is the title rather than the form's caption.
    QString Title() const { return m_title; }
    void setTitle(const QString &title);

    // The first form created becomes the main form; it stays so until it is destroyed.
    QWidget *MainForm() const { return m_mainForm; }
    void registerForm(QWidget *form);

    // There is one hook: whoever takes it first keeps it until it releases it. Returns false
    // when another owner already holds it.
    bool takeMessageHook(QObject *owner, MessageHook hook);
    void releaseMessageHook(QObject *owner);
    QObject *messageHookOwner() const { return m_hookOwner; }

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the error box for an exception: error icon, the title as caption, the message with
    // "." appended by the usual rule. A cancellation (EAbort) is not shown.
    void ShowException(const std::exception &error);
    // The text the error box shows for a message.
    static QString errorBoxText(const QString &message);

Q_SIGNALS:
    // Emitted after an error box has been dismissed (observed by tests).
    void exceptionShown(const QString &text);

private:
    class HookFilter;
    HookFilter *m_hookFilter;
    QObject *m_hookOwner = nullptr;
    MessageHook m_hook;
    QString m_title;
    QPointer<QWidget> m_mainForm;
};
