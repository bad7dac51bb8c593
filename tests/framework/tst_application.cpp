// The application object: the error box for exceptions that escape a handler, its text rule,
// and the one application-wide message hook with the application-events component.

#include "Exception.h"
#include "TApplication.h"
#include "TApplicationEvents.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class Thrower : public QObject {
    Q_OBJECT
public:
    std::function<void()> action;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User) {
            action();
            return true;
        }
        return QObject::event(e);
    }
};

class TestApplication : public QObject {
    Q_OBJECT

    // Closes the next modal box once it is up, remembering its title and text.
    void dismissNextBox(QString *title, QString *text, QMessageBox::Icon *icon)
    {
        auto *timer = new QTimer(this);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, this, [=] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                *title = box->windowTitle();
                *text = box->text();
                *icon = box->icon();
                box->accept();
                timer->deleteLater();
            }
        });
        timer->start();
    }

private Q_SLOTS:
    void errorBoxText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Bad value"
                                << "Bad value.";
        QTest::newRow("full stop") << "Bad value."
                                   << "Bad value.";
        QTest::newRow("exclamation") << "Bad value!"
                                     << "Bad value!";
        QTest::newRow("comma") << "a,"
                               << "a,";
        QTest::newRow("parenthesis") << "(a)"
                                     << "(a)";
        QTest::newRow("slash") << "a/"
                               << "a/.";
        QTest::newRow("digit") << "code 5"
                               << "code 5.";
        QTest::newRow("chinese") << "页面不存在"
                                 << "页面不存在.";
        QTest::newRow("chinese full stop") << "页面不存在。"
                                           << "页面不存在。.";
        QTest::newRow("empty") << ""
                               << "";
    }

    void errorBoxText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(TApplication::errorBoxText(message), shown);
    }

    void exceptionInAHandlerIsShownAndTheProgramCarriesOn()
    {
        TApplication *app = TApplication::instance();
        app->setTitle(QStringLiteral("Veltrix考试Lumora"));
        QSignalSpy shown(app, &TApplication::exceptionShown);
        Thrower thrower;
        thrower.action = [] { throw Exception(QStringLiteral("Navigation failed")); };
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        dismissNextBox(&title, &text, &icon);
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_COMPARE(shown.count(), 1);
        QCOMPARE(title, QStringLiteral("Veltrix考试Lumora"));
        QCOMPARE(text, QStringLiteral("Navigation failed."));
        QCOMPARE(icon, QMessageBox::Critical);

        // The loop still runs: the next event is delivered.
        int delivered = 0;
        thrower.action = [&] { ++delivered; };
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_COMPARE(delivered, 1);
    }

    void cancellationIsNotShown()
    {
        QSignalSpy shown(TApplication::instance(), &TApplication::exceptionShown);
        Thrower thrower;
        bool thrown = false;
        thrower.action = [&] {
            thrown = true;
            throw EAbort();
        };
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_VERIFY(thrown);
        QTest::qWait(50);
        QCOMPARE(shown.count(), 0);
    }

    void theHookHasOneOwner()
    {
        TApplication *app = TApplication::instance();
        QVERIFY(TApplicationEvents::installDispatcher());
        QObject *owner = app->messageHookOwner();
        QVERIFY(owner);
        QObject other;
        QVERIFY(!app->takeMessageHook(&other, [](QObject *, QEvent *) { return true; }));
        QCOMPARE(app->messageHookOwner(), owner);
        // Installing again is harmless.
        QVERIFY(TApplicationEvents::installDispatcher());
    }

    void onMessageCanDropInput()
    {
        QVERIFY(TApplicationEvents::installDispatcher());
        TApplicationEvents events;
        QWidget target;
        target.resize(50, 50);
        int seen = 0;
        connect(&events, &TApplicationEvents::OnMessage, this, [&](TMsg &msg, bool &handled) {
            if (msg.receiver != &target)
                return;
            ++seen;
            handled = msg.event->type() == QEvent::KeyPress;
        });
        class Counter : public QObject {
        public:
            int keys = 0;
            int releases = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                keys += e->type() == QEvent::KeyPress;
                releases += e->type() == QEvent::KeyRelease;
                return false;
            }
        } counter;
        target.installEventFilter(&counter);
        QTest::keyPress(&target, Qt::Key_A);
        QTest::keyRelease(&target, Qt::Key_A);
        QCOMPARE(seen, 2);
        QCOMPARE(counter.keys, 0);
        QCOMPARE(counter.releases, 1);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
