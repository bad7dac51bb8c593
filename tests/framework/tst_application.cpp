// The application object: the error box for exceptions that escape a handler, its text rule,
// and the one application-wide message hook with the application-events component.

#include "Exception.h"
#include "TApplication.h"
#include "TApplicationEvents.h"
#include "TForm.h"
#include "TLayoutLoader.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

// A form whose creation handler fails.
class TFailingForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    bool created = false;

public Q_SLOTS:
    void FormCreate(QObject *)
    {
        created = true;
        throw Exception(QStringLiteral("The start page is not there"));
    }
};

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

    void firstFormIsTheMainFormAndCarriesTheTitle()
    {
        TApplication *app = TApplication::instance();
        app->setTitle(QStringLiteral("Veltrix考试Lumora"));
        QVERIFY(!app->MainForm());
        TForm first;
        TForm second;
        QWidget host;
        TForm child(&host);
        QCOMPARE(app->MainForm(), &first);
        // The task bar and the window switcher read the native title: the application's title
        // for the main form, whatever its caption says; other forms show their caption.
        first.setCaption(QStringLiteral("会计从业资格考试-会计基础"));
        second.setCaption(QStringLiteral("Second"));
        QCOMPARE(first.windowTitle(), QStringLiteral("Veltrix考试Lumora"));
        QCOMPARE(first.Caption(), QStringLiteral("会计从业资格考试-会计基础"));
        QCOMPARE(second.windowTitle(), QStringLiteral("Second"));
        app->setTitle(QStringLiteral("Renamed"));
        QCOMPARE(first.windowTitle(), QStringLiteral("Renamed"));
        app->setTitle(QStringLiteral("Veltrix考试Lumora"));
    }

    void mainFormEndsWithItsWindow()
    {
        // The previous test's main form is gone: the next form created takes its place.
        TForm next;
        QCOMPARE(TApplication::instance()->MainForm(), &next);
    }

    void failingCreateHandlerIsReportedAndTheFormStays()
    {
        TLayoutLoader::registerClass<TFailingForm>(QStringLiteral("TFailingForm"));
        QTemporaryFile layout;
        QVERIFY(layout.open());
        layout.write("object Form1: TFailingForm\n  Caption = 'x'\n  OnCreate = FormCreate\nend\n");
        layout.close();
        QSignalSpy shown(TApplication::instance(), &TApplication::exceptionShown);
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        dismissNextBox(&title, &text, &icon);
        TFailingForm form;
        form.loadLayout(layout.fileName()); // does not throw
        QVERIFY(form.created);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(text, QStringLiteral("The start page is not there."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(form.Caption(), QStringLiteral("x"));
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
