#include "TApplication.h"

#include "Exception.h"
#include "TFont.h"

#include <QMessageBox>
#include <QPointer>

// Sees every event of the user-interface thread before its receiver does. Only input events
// are shown to the hook: they are what arrives through the desktop's queue, and keeping paints
// and timers out keeps the hook cheap.
class TApplication::HookFilter : public QObject {
public:
    explicit HookFilter(TApplication *app)
        : QObject(app)
        , m_app(app)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_app->m_hook || !isInputEvent(event->type()))
            return false;
        return m_app->m_hook(watched, event);
    }

private:
    static bool isInputEvent(QEvent::Type type)
    {
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }

    TApplication *m_app;
};

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_hookFilter(new HookFilter(this))
{
    TFont::registerSubstitutions();
    // Widgets that take no font from a layout use the forms' default face and its fallback
    // chain, not whatever face the desktop's configuration prefers.
    setFont(TFont().toQFont());
    installEventFilter(m_hookFilter);
}

TApplication::~TApplication() = default;

TApplication *TApplication::instance()
{
    return qobject_cast<TApplication *>(QCoreApplication::instance());
}

void TApplication::setTitle(const QString &title)
{
    m_title = title;
    if (m_mainForm && !title.isEmpty())
        m_mainForm->setWindowTitle(title);
}

void TApplication::registerForm(QWidget *form)
{
    if (m_mainForm || !form || form->parentWidget())
        return;
    m_mainForm = form;
    if (!m_title.isEmpty())
        form->setWindowTitle(m_title);
}

bool TApplication::takeMessageHook(QObject *owner, MessageHook hook)
{
    if (m_hookOwner)
        return false;
    m_hookOwner = owner;
    m_hook = std::move(hook);
    connect(owner, &QObject::destroyed, this, [this, owner] { releaseMessageHook(owner); });
    return true;
}

void TApplication::releaseMessageHook(QObject *owner)
{
    if (m_hookOwner != owner)
        return;
    m_hookOwner = nullptr;
    m_hook = nullptr;
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowException(error);
    } catch (...) {
        ShowException(Exception(QStringLiteral("Unknown error")));
    }
    return false;
}

QString TApplication::errorBoxText(const QString &message)
{
    if (message.isEmpty())
        return message;
    // The rule compares the last byte of the text as the Chinese code page stores it. A
    // Chinese character's trailing byte is always above '.', so only ASCII endings such as
    // '.', '!' or ',' (which sort at or before '.') get nothing added.
    const QChar last = message.back();
    const bool after = last.unicode() > 0x7F || last.toLatin1() > '.';
    return after ? message + QLatin1Char('.') : message;
}

void TApplication::ShowException(const std::exception &error)
{
    if (dynamic_cast<const EAbort *>(&error))
        return;
    const auto *own = dynamic_cast<const Exception *>(&error);
    const QString text = errorBoxText(own ? own->message() : QString::fromLocal8Bit(error.what()));
    QMessageBox box(QMessageBox::Critical, m_title, text, QMessageBox::Ok, activeWindow());
    box.exec();
    Q_EMIT exceptionShown(text);
}
