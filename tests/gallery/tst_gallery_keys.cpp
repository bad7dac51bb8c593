// The gallery's window driven by a real keyboard (xdotool under a window manager): the focus
// starts on the checked style button, the arrows move the style check, Enter from a check box
// clicks the default button and Escape the cancel button, Ctrl+Tab turns the page.

#include "GalleryPages.h"
#include "SkinClasses.h"
#include "TApplication.h"
#include "TGalleryForm.h"
#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynCheckBox.h"
#include "TzynForm.h"
#include "TzynRadioButton.h"
#include "TzynTabControlTopPanel.h"

#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTimeout = 15000;

// Types keys through the X server, as a keyboard would, into the focused window.
bool xkey(const QString &keys)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), { QStringLiteral("key"), keys });
    if (!process.waitForStarted())
        return false;
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000))
        return false;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

template <class T> T *part(QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no component %s", name);
    return found;
}

} // namespace

class tst_GalleryKeys : public QObject {
    Q_OBJECT
    std::unique_ptr<TGalleryForm> form;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), { QStringLiteral("version") }) == 0,
            "xdotool is needed");
        TLayoutLoader::registerFrameworkClasses();
        registerSkinClasses();
        form = std::make_unique<TGalleryForm>();
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get(), kTimeout));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get(), kTimeout));
    }

    void cleanupTestCase() { form.reset(); }

    void focusStartsOnTheCheckedStyle()
    {
        TzynRadioButton *deepBlue = form->StyleButton(TzynUIStyle::DeepBlue);
        QVERIFY(deepBlue->Checked());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), deepBlue, kTimeout);
    }

    void arrowsMoveTheStyle()
    {
        TzynRadioButton *deepBlue = form->StyleButton(TzynUIStyle::DeepBlue);
        TzynRadioButton *protein = form->StyleButton(TzynUIStyle::Protein);
        deepBlue->setFocus();
        QVERIFY(xkey(QStringLiteral("Right")));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), protein, kTimeout);
        QVERIFY(protein->Checked());
        QVERIFY(!deepBlue->Checked());
        // The check's click chose the style.
        QCOMPARE(form->Frame()->UIStyle(), TzynUIStyle::Protein);
        QVERIFY(xkey(QStringLiteral("Left")));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), deepBlue, kTimeout);
        QCOMPARE(form->Frame()->UIStyle(), TzynUIStyle::DeepBlue);
        // Tab leaves the row at once: the other style buttons are no stops.
        QVERIFY(xkey(QStringLiteral("Tab")));
        QTRY_VERIFY_WITH_TIMEOUT(QApplication::focusWidget() != deepBlue, kTimeout);
        QVERIFY(!qobject_cast<TzynRadioButton *>(QApplication::focusWidget())
            || QApplication::focusWidget()->parentWidget() != deepBlue->parentWidget());
    }

    void enterAndEscapeReachTheDialogButtons()
    {
        form->ShowFamily(0);
        auto *check = part<TzynCheckBox>(form.get(), "CheckBox1");
        auto *ok = part<TzynButton>(form.get(), "OkButton");
        auto *cancel = part<TzynButton>(form.get(), "CancelButton");
        QVERIFY(ok->Default());
        QSignalSpy okClicks(ok, &TControl::OnClick);
        QSignalSpy cancelClicks(cancel, &TControl::OnClick);
        check->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(check->hasFocus(), kTimeout);
        const bool checked = check->Checked();
        QVERIFY(xkey(QStringLiteral("Return")));
        QTRY_COMPARE_WITH_TIMEOUT(okClicks.count(), 1, kTimeout);
        QCOMPARE(check->Checked(), checked);
        check->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(check->hasFocus(), kTimeout);
        QVERIFY(xkey(QStringLiteral("Escape")));
        QTRY_COMPARE_WITH_TIMEOUT(cancelClicks.count(), 1, kTimeout);
        QCOMPARE(okClicks.count(), 1);
    }

    void ctrlTabTurnsThePage()
    {
        form->ShowFamily(0);
        auto *check = part<TzynCheckBox>(form.get(), "CheckBox1");
        check->setFocus();
        QTRY_VERIFY_WITH_TIMEOUT(check->hasFocus(), kTimeout);
        GalleryPages *pages = form->Pages();
        QVERIFY(xkey(QStringLiteral("ctrl+Tab")));
        QTRY_COMPARE_WITH_TIMEOUT(pages->ActivePage(), pages->Page(1), kTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(pages->Strip()->hasFocus(), kTimeout);
        QVERIFY(xkey(QStringLiteral("Left")));
        QTRY_COMPARE_WITH_TIMEOUT(pages->ActivePage(), pages->Page(0), kTimeout);
        QVERIFY(xkey(QStringLiteral("ctrl+Next")));
        QTRY_COMPARE_WITH_TIMEOUT(pages->ActivePage(), pages->Page(1), kTimeout);
        QVERIFY(xkey(QStringLiteral("ctrl+shift+Tab")));
        QTRY_COMPARE_WITH_TIMEOUT(pages->ActivePage(), pages->Page(0), kTimeout);
    }
};

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    tst_GalleryKeys test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_gallery_keys.moc"
