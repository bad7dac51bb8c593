// The side channel without a pointer: sliding in 15-pixel steps to exact end widths, jumping
// with QuickMove, the pin, the 50-pixel minimum while out, the strict-inside rule of the hide
// check, and the colours a style push gives it.

#include "SkinClasses.h"
#include "TForm.h"
#include "TLayoutLoader.h"
#include "TzynButton.h"
#include "TzynForm.h"
#include "TzynSideChannel.h"
#include "ZYNStylePropagation.h"

#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using S = TzynUIStyle;
using Channel = TzynSideChannel;

class tst_SideChannel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void constructionPushesIn();
    void slidesInStepsToExactEndWidths();
    void quickMoveJumps();
    void pinnedStaysOutAndTheTimerFollowsThePin();
    void refusesBelowFiftyWhileOut();
    void refusalReadsTheWidthOnCanResizeLeftAndNeedsNoScreen();
    void alignAndWidthFromALayout();
    void userResizeWhileOutBecomesTheFullWidth();
    void strictlyInside();
    void sideBarWidthPushesIn();
    void dockedRightFollowsTheParentsEdge();
    void stylePushColoursBarAndChannel();
    void stripAndEdgeTakeTheStylesColours();
};

void tst_SideChannel::constructionPushesIn()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    QCOMPARE(channel->SideBarWidth(), 10);
    QCOMPARE(channel->width(), 10);
    QVERIFY(!channel->IsOut());
    QVERIFY(!channel->PinButton()->isVisibleTo(channel));
    QVERIFY(!channel->IsHideTimerActive());
    QCOMPARE(channel->Align(), Fw::alLeft);
    QCOMPARE(channel->height(), 300); // docked over the parent's height
    QCOMPARE(channel->BarButton()->size(), QSize(8, 172));
    QCOMPARE(channel->Color(), Colors::clBtnFace);
    QCOMPARE(channel->SideBarColor(), Colors::clBtnFace);
}

void tst_SideChannel::slidesInStepsToExactEndWidths()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    channel->setFullWidth(200); // 10 + 190: not a multiple of 15 away
    channel->setCaption(QStringLiteral("Tools"));
    QList<int> widths;
    connect(channel, &TControl::OnResize, [&] { widths << channel->width(); });
    QSignalSpy popped(channel, &Channel::OnPop);
    channel->PopOut(false);
    QVERIFY(channel->IsMoving());
    QVERIFY(channel->PinButton()->isVisible());
    QVERIFY(popped.wait(10000));
    QCOMPARE(channel->width(), 200);
    QVERIFY(!channel->IsMoving());
    QVERIFY(channel->IsHideTimerActive());
    QCOMPARE(channel->CaptionPanel()->Caption(), QStringLiteral("Tools"));
    // 25, 40, ... 190 then exactly 200.
    QCOMPARE(widths.first(), 25);
    for (int i = 1; i < widths.size() - 1; ++i)
        QCOMPARE(widths[i] - widths[i - 1], 15);
    QCOMPARE(widths.last(), 200);
    QCOMPARE(channel->FullWidth(), 200);

    widths.clear();
    QSignalSpy pushed(channel, &Channel::OnPush);
    channel->PushIn(false);
    QVERIFY(pushed.wait(10000));
    QCOMPARE(channel->width(), 10);
    QCOMPARE(widths.first(), 185);
    QCOMPARE(widths.last(), 10);
    QVERIFY(!channel->PinButton()->isVisible());
    QCOMPARE(channel->CaptionPanel()->Caption(), QString());
    QVERIFY(!channel->IsHideTimerActive());
    QCOMPARE(channel->FullWidth(), 200); // sliding in is no user resize
}

void tst_SideChannel::quickMoveJumps()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    channel->setFullWidth(160);
    int resizes = 0;
    connect(channel, &TControl::OnResize, [&] { ++resizes; });
    QSignalSpy popped(channel, &Channel::OnPop);
    channel->PopOut(true);
    QCOMPARE(popped.count(), 1); // at once, not later
    QCOMPARE(channel->width(), 160);
    QVERIFY(resizes <= 1);
}

void tst_SideChannel::pinnedStaysOutAndTheTimerFollowsThePin()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    channel->setFullWidth(150);
    channel->setStayOn(true);
    QTRY_COMPARE_WITH_TIMEOUT(channel->width(), 150, 10000);
    QVERIFY(channel->PinButton()->isChecked());
    QVERIFY(!channel->IsHideTimerActive());
    // Unpinning by the button starts the timer that will push the channel in.
    channel->PinButton()->click();
    QVERIFY(!channel->StayOn());
    QVERIFY(channel->IsHideTimerActive());
    channel->PinButton()->click();
    QVERIFY(channel->StayOn());
    QVERIFY(!channel->IsHideTimerActive());

    // StayOn off pushes in at once, and a pushed-in channel has no timer running.
    QSignalSpy pushed(channel, &Channel::OnPush);
    channel->setStayOn(false);
    QCOMPARE(channel->width(), 10);
    QCOMPARE(pushed.count(), 1);
    // No check is due, so none can push it a second time.
    QVERIFY(!channel->IsHideTimerActive());
    QCOMPARE(pushed.count(), 1);
}

void tst_SideChannel::refusesBelowFiftyWhileOut()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    channel->setFullWidth(150);
    channel->setQuickMove(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    channel->PopOut(true);
    int asked = 0;
    connect(channel, &TControl::OnCanResize, [&](QObject *, int &, int &, bool &) { ++asked; });
    channel->setBounds(channel->Left(), channel->Top(), 49, channel->Height());
    QCOMPARE(channel->width(), 150);
    QCOMPARE(asked, 1); // the program's check is still asked first
    channel->setBounds(channel->Left(), channel->Top(), 50, channel->Height());
    QCOMPARE(channel->width(), 50);
    // While in, the side bar's width is allowed.
    channel->PushIn(true);
    QCOMPARE(channel->width(), 10);
}

void tst_SideChannel::refusalReadsTheWidthOnCanResizeLeftAndNeedsNoScreen()
{
    // The window is never shown: the channel is out all the same, pinned.
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    channel->setFullWidth(150);
    channel->setQuickMove(true);
    channel->setStayOn(true);
    QVERIFY(channel->IsOut());
    channel->setBounds(channel->Left(), channel->Top(), 40, channel->Height());
    QCOMPARE(channel->width(), 150);

    // The program's handler widens a narrow request: the width it leaves is allowed.
    int given = 0;
    connect(channel, &TControl::OnCanResize, [&](QObject *, int &width, int &, bool &) {
        if (given)
            width = given;
    });
    given = 80;
    channel->setBounds(channel->Left(), channel->Top(), 40, channel->Height());
    QCOMPARE(channel->width(), 80);
    // It narrows a wide one below the minimum: refused, the bounds stay.
    given = 30;
    channel->setBounds(channel->Left(), channel->Top(), 120, channel->Height());
    QCOMPARE(channel->width(), 80);
    // Pushed in, the side bar's width is no user resize.
    given = 0;
    channel->setStayOn(false);
    QCOMPARE(channel->width(), 10);
}

void tst_SideChannel::alignAndWidthFromALayout()
{
    TLayoutLoader::registerFrameworkClasses();
    registerSkinClasses();
    for (const QString &edge : { QStringLiteral("zynRight"), QStringLiteral("alRight"),
             QStringLiteral("zynLeft"), QStringLiteral("alLeft") }) {
        TForm form;
        form.resize(400, 300);
        TLayoutLoader().loadFromText(&form,
            QStringLiteral("object Form1: TForm\n"
                           "  object Channel1: TzynSideChannel\n"
                           "    Align = %1\n"
                           "    Width = 200\n"
                           "  end\n"
                           "end\n")
                .arg(edge),
            QStringLiteral("channel.layout"));
        auto *channel = form.findChild<Channel *>(QStringLiteral("Channel1"));
        QVERIFY(channel);
        const bool right = edge.endsWith(QLatin1String("Right"));
        QCOMPARE(channel->ChannelAlign(), right ? zyn::zynRight : zyn::zynLeft);
        QCOMPARE(channel->Align(), right ? Fw::alRight : Fw::alLeft);
        // Collapsed to its strip, it reads its full width.
        QCOMPARE(channel->width(), 10);
        QCOMPARE(channel->property("Width").toInt(), 200);
        QCOMPARE(channel->Width(), 200);
        QCOMPARE(channel->geometry().right(), right ? 399 : 9);
    }
    // Other edges are still no value of Align for a channel.
    TForm form;
    QVERIFY_THROWS_EXCEPTION(ELayoutError,
        TLayoutLoader().loadFromText(&form,
            QStringLiteral("object Form1: TForm\n"
                           "  object Channel1: TzynSideChannel\n"
                           "    Align = zynTop\n"
                           "  end\n"
                           "end\n"),
            QStringLiteral("channel.layout")));
}

void tst_SideChannel::userResizeWhileOutBecomesTheFullWidth()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    channel->setFullWidth(150);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    channel->PopOut(true);
    channel->setBounds(channel->Left(), channel->Top(), 220, channel->Height());
    QCOMPARE(channel->FullWidth(), 220);
    // The published Width is the full width: writing it moves nothing.
    channel->setWidth(180);
    QCOMPARE(channel->width(), 220);
    QCOMPARE(channel->FullWidth(), 180);
    channel->setWidth(220);
    channel->PushIn(true);
    channel->PopOut(true);
    QCOMPARE(channel->width(), 220);
}

void tst_SideChannel::strictlyInside()
{
    const QRect r(100, 50, 40, 30); // right 140, bottom 80, both exclusive
    QVERIFY(Channel::StrictlyInside({ 101, 51 }, r));
    QVERIFY(Channel::StrictlyInside({ 139, 79 }, r));
    QVERIFY(!Channel::StrictlyInside({ 100, 60 }, r)); // the left edge
    QVERIFY(!Channel::StrictlyInside({ 120, 50 }, r)); // the top edge
    QVERIFY(!Channel::StrictlyInside({ 140, 60 }, r));
    QVERIFY(!Channel::StrictlyInside({ 120, 80 }, r));
}

void tst_SideChannel::sideBarWidthPushesIn()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    channel->setFullWidth(150);
    channel->PopOut(true);
    channel->setSideBarWidth(14);
    QCOMPARE(channel->width(), 14);
    QVERIFY(!channel->IsOut());
    // The pin button keeps to the caption panel's right edge.
    channel->PopOut(true);
    QTRY_COMPARE(channel->PinButton()->x(), channel->CaptionPanel()->width() - 20);
}

void tst_SideChannel::dockedRightFollowsTheParentsEdge()
{
    QWidget form;
    form.resize(400, 300);
    auto *channel = new Channel(&form);
    // Through the published Align: only the two edges.
    channel->setProperty("Align", QVariant::fromValue(Fw::alClient));
    QCOMPARE(channel->ChannelAlign(), zyn::zynLeft);
    QVERIFY(channel->setProperty("Align", QVariant::fromValue(Fw::alRight)));
    QCOMPARE(channel->ChannelAlign(), zyn::zynRight);
    channel->setFullWidth(150);
    QCOMPARE(channel->geometry().right(), 399);
    channel->PopOut(true);
    QCOMPARE(channel->geometry(), QRect(250, 0, 150, 300));
    QCOMPARE(channel->SideBar()->x(), 0); // the bar stays on the channel's left
}

void tst_SideChannel::stylePushColoursBarAndChannel()
{
    TForm host;
    auto *frame = new TzynForm(&host);
    frame->setUIStyle(S::Protein);
    auto *channel = new Channel(frame);
    channel->ensurePolished(); // the first style comes with the polish
    // Made on a frame: the frame's colour.
    QCOMPARE(channel->Color(), frame->Color());
    QCOMPARE(channel->SideBarColor(), frame->Color());
    ApplyUIStyleToChildren(frame, S::WinXP);
    const TColor control = GetThemeColor(S::WinXP, TzynThemeEntry::ControlColor);
    QCOMPARE(channel->Color(), control);
    QCOMPARE(channel->SideBarColor(), control);
    QCOMPARE(channel->CaptionPanel()->Color(), control);
}

// On screen: the strip's face shows the style's control colour (it differs between styles),
// and a one-pixel line of the style's border colour runs round the strip while in and round
// the whole panel while out, over the parts and over a control placed in the channel.
void tst_SideChannel::stripAndEdgeTakeTheStylesColours()
{
    TForm host;
    host.resize(400, 300);
    auto *frame = new TzynForm(&host);
    frame->setGeometry(0, 0, 400, 300);
    auto *channel = new Channel(frame);
    channel->setFullWidth(200);
    auto *inside = new TzynButton(channel);
    inside->setGeometry(20, 20, 60, 25);
    channel->ensurePolished();
    QMap<S, QRgb> faces;
    for (const S style : { S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass }) {
        ApplyUIStyleToChildren(frame, style);
        const QRgb border
            = toQColor(GetThemeColor(style, TzynThemeEntry::ControlBorderColor)).rgb();
        const QRgb face = toQColor(GetThemeColor(style, TzynThemeEntry::ControlColor)).rgb();
        channel->PushIn(true);
        QImage image = channel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int w = image.width(), h = image.height();
        QCOMPARE(w, channel->SideBarWidth());
        // The strip's face, away from its grip and arrows, is the style's colour.
        QCOMPARE(image.pixel(4, h / 4), face);
        faces.insert(style, image.pixel(4, h / 4));
        for (const QPoint &at :
            { QPoint(0, h / 3), QPoint(w - 1, h / 3), QPoint(w / 2, 0), QPoint(w / 2, h - 1) })
            QCOMPARE(image.pixel(at), border);

        channel->PopOut(true);
        image = channel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.width(), 200);
        for (const QPoint &at : { QPoint(0, h / 2), QPoint(199, h / 2), QPoint(100, 0),
                 QPoint(100, h - 1), QPoint(199, 8) })
            QCOMPARE(image.pixel(at), border);
        // Inside the line the panel is its own colour again.
        QCOMPARE(image.pixel(198, h / 2), toQColor(channel->Color()).rgb());
    }
    QVERIFY(faces.value(S::WinXP) != faces.value(S::MacOS));
    QVERIFY(faces.value(S::Protein) != faces.value(S::DeepBlue));
}

QTEST_MAIN(tst_SideChannel)
#include "tst_sidechannel.moc"
