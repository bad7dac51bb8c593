// The side channel in a real window with a real pointer: moved over the strip it slides out,
// it stays out while the pointer is on it, slides back in once the pointer has left, stays out
// while pinned, and counts the pointer on its exact left edge as outside.

#include "TForm.h"
#include "TzynButton.h"
#include "TzynSideChannel.h"

#include <QCursor>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using Channel = TzynSideChannel;

class tst_SideChannelWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void slidesOutOnHoverAndBackOnLeaving();
    void pinnedStaysOutWhenThePointerLeaves();
    void exactLeftEdgeCountsAsOutside();
    void clickModeIgnoresHover();

private:
    // Moves the real pointer to a point of a widget; the X server reports the motion.
    static void pointTo(QWidget *widget, QPoint at)
    {
        QCursor::setPos(widget->mapToGlobal(at));
        QTest::qWait(50);
    }

    TForm *m_form = nullptr;
    Channel *m_channel = nullptr;
};

void tst_SideChannelWindow::init()
{
    m_form = new TForm;
    m_form->resize(400, 300);
    m_channel = new Channel(m_form);
    m_channel->setFullWidth(200);
    // The pointer starts away from the channel.
    QCursor::setPos(QPoint(0, 0));
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    QCOMPARE(m_channel->width(), 10);
}

void tst_SideChannelWindow::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void tst_SideChannelWindow::slidesOutOnHoverAndBackOnLeaving()
{
    QSignalSpy popped(m_channel, &Channel::OnPop);
    QSignalSpy pushed(m_channel, &Channel::OnPush);
    pointTo(m_channel->SideBar(), QPoint(4, 100));
    pointTo(m_channel->SideBar(), QPoint(5, 110));
    QTRY_COMPARE_WITH_TIMEOUT(popped.count(), 1, 10000);
    QCOMPARE(m_channel->width(), 200);
    QVERIFY(m_channel->PinButton()->isVisible());

    // On the channel it stays out past several hide checks.
    pointTo(m_channel, QPoint(120, 150));
    QTest::qWait(4 * Channel::HideInterval);
    QCOMPARE(m_channel->width(), 200);
    QCOMPARE(pushed.count(), 0);

    // Off it, it slides back in.
    pointTo(m_form, QPoint(350, 150));
    QTRY_COMPARE_WITH_TIMEOUT(pushed.count(), 1, 10000);
    QCOMPARE(m_channel->width(), 10);
    QCOMPARE(popped.count(), 1);
}

void tst_SideChannelWindow::pinnedStaysOutWhenThePointerLeaves()
{
    pointTo(m_channel->SideBar(), QPoint(4, 100));
    pointTo(m_channel->SideBar(), QPoint(5, 110));
    QTRY_COMPARE_WITH_TIMEOUT(m_channel->width(), 200, 10000);
    QTRY_VERIFY(m_channel->PinButton()->isVisible());
    QTest::mouseClick(m_channel->PinButton(), Qt::LeftButton);
    QVERIFY(m_channel->StayOn());
    pointTo(m_form, QPoint(350, 150));
    QTest::qWait(4 * Channel::HideInterval);
    QCOMPARE(m_channel->width(), 200);
    // Unpinned, the next check finds the pointer outside.
    QTest::mouseClick(m_channel->PinButton(), Qt::LeftButton);
    pointTo(m_form, QPoint(360, 150));
    QTRY_COMPARE_WITH_TIMEOUT(m_channel->width(), 10, 10000);
}

void tst_SideChannelWindow::exactLeftEdgeCountsAsOutside()
{
    m_channel->setQuickMove(true);
    pointTo(m_channel->SideBar(), QPoint(4, 100));
    pointTo(m_channel->SideBar(), QPoint(5, 110));
    QTRY_COMPARE_WITH_TIMEOUT(m_channel->width(), 200, 10000);
    QSignalSpy pushed(m_channel, &Channel::OnPush);
    // Column 0 of the channel is its left edge: not strictly inside.
    pointTo(m_channel, QPoint(0, 150));
    QTRY_COMPARE_WITH_TIMEOUT(pushed.count(), 1, 10000);
    QCOMPARE(m_channel->width(), 10);
}

void tst_SideChannelWindow::clickModeIgnoresHover()
{
    m_channel->setPopupMode(zyn::zynMouseClick);
    m_channel->setQuickMove(true);
    pointTo(m_channel->SideBar(), QPoint(4, 100));
    pointTo(m_channel->SideBar(), QPoint(5, 110));
    QTest::qWait(300);
    QCOMPARE(m_channel->width(), 10);
    QTest::mouseClick(m_channel->BarButton(), Qt::LeftButton, {}, QPoint(4, 50));
    QCOMPARE(m_channel->width(), 200);
}

QTEST_MAIN(tst_SideChannelWindow)
#include "tst_sidechannel_window.moc"
