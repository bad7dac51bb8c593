// The layout loader: values of every kind, nesting, file order, events, and the errors that
// name the file, the line and the item.

#include "TApplicationEvents.h"
#include "TCustomPanel.h"
#include "TForm.h"
#include "TImageList.h"
#include "TLayoutLoader.h"
#include "TLayoutStatus.h"
#include "TTreeView.h"

#include <QSignalSpy>
#include <QTest>

class TTestForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    int clicks = 0;
    QObject *lastSender = nullptr;

public Q_SLOTS:
    void PanelClick(QObject *Sender)
    {
        ++clicks;
        lastSender = Sender;
    }
    void WrongArguments(int) { }
};

// A component with a list of texts and a reference that may name a component further down; it
// notes when the loader tells it that loading starts and ends.
class TListHolder : public TCustomPanel, public TLayoutStatus {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ Lines WRITE setLines)
    Q_PROPERTY(TListHolder *Buddy READ Buddy WRITE setBuddy)
public:
    using TCustomPanel::TCustomPanel;
    static inline QStringList log;

    QStringList Lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }
    TListHolder *Buddy() const { return m_buddy; }
    void setBuddy(TListHolder *buddy) { m_buddy = buddy; }

    void Loading() override
    {
        log << QStringLiteral("loading %1 with %2 lines").arg(objectName()).arg(m_lines.size());
    }
    void Loaded() override
    {
        log << QStringLiteral("loaded %1, buddy %2")
                   .arg(objectName(), m_buddy ? m_buddy->objectName() : QStringLiteral("none"));
    }

private:
    QStringList m_lines;
    TListHolder *m_buddy = nullptr;
};

class TestLayoutLoader : public QObject {
    Q_OBJECT

    static QString wrap(const QString &body)
    {
        return QStringLiteral("object Form1: TTestForm\n") + body + QStringLiteral("end\n");
    }

private Q_SLOTS:
    void initTestCase()
    {
        TLayoutLoader::registerFrameworkClasses();
        TLayoutLoader::registerClass<TListHolder>(QStringLiteral("TListHolder"));
    }

    void readsListsAndLaterReferencesThenReportsLoaded()
    {
        TListHolder::log.clear();
        TTestForm form;
        TLayoutLoader().loadFromText(&form, wrap(QStringLiteral(R"(
  object H1: TListHolder
    Lines = ('one' 'two' +
      'three' '')
    Buddy = H2
  end
  object H2: TListHolder
    Lines = ()
    Buddy = H1
  end
)")),
            QStringLiteral("lists"));
        auto *h1 = form.findChild<TListHolder *>(QStringLiteral("H1"));
        auto *h2 = form.findChild<TListHolder *>(QStringLiteral("H2"));
        QCOMPARE(h1->Lines(), QStringList({ "one", "twothree", "" }));
        QCOMPARE(h2->Lines(), QStringList());
        QCOMPARE(h1->Buddy(), h2);
        QCOMPARE(h2->Buddy(), h1);
        // Told before the first property, and only once every reference is set, in creation
        // order.
        QCOMPARE(TListHolder::log,
            QStringList({ "loading H1 with 0 lines", "loading H2 with 0 lines",
                "loaded H1, buddy H2", "loaded H2, buddy H1" }));
    }

    void loadsEveryKindOfValue()
    {
        TTestForm form;
        TLayoutLoader loader;
        loader.loadFromText(&form, wrap(QStringLiteral(R"(
  Caption = 'It''s ' +
    '会计基础'
  Width = 400
  Height = 300
  Color = clMoneyGreen
  Font.Name = '宋体'
  Font.Height = -14
  Font.Style = [fsBold, fsItalic]
  Position = poDesktopCenter
  object ImageList1: TImageList
    Width = 8
  end
  object Panel1: TPanel
    Left = 10
    Top = 20
    Width = 100
    Height = 50
    Anchors = [akLeft, akTop, akRight]
    Color = 15198183
    Cursor = crHandPoint
    OnClick = PanelClick
    object Tree1: TTreeView
      Align = alClient
      Images = ImageList1
      Items = <
        item
          Text = 'a'
          ImageIndex = 1
          Items = <
            item
              Text = 'a1'
            end
            item
              Text = 'a2'
            end>
        end
        item
          Text = 'b'
        end>
    end
  end
)")),
            QStringLiteral("test.layout"));
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
        QCOMPARE(form.Caption(), QStringLiteral("It's 会计基础"));
        QCOMPARE(form.windowTitle(), form.Caption());
        QCOMPARE(form.Color(), 0xC0DCC0);
        QCOMPARE(form.Font()->Name(), QStringLiteral("宋体"));
        QCOMPARE(form.Font()->Height(), -14);
        QCOMPARE(form.Font()->Style(), Fw::TFontStyles(Fw::fsBold | Fw::fsItalic));
        QCOMPARE(form.Position(), Fw::poDesktopCenter);

        auto *panel = form.findChild<TCustomPanel *>(QStringLiteral("Panel1"));
        QVERIFY(panel);
        QCOMPARE(panel->parentWidget(), &form);
        QCOMPARE(panel->geometry(), QRect(10, 20, 100, 50));
        QCOMPARE(panel->Anchors(), Fw::TAnchors(Fw::akLeft | Fw::akTop | Fw::akRight));
        QCOMPARE(panel->Color(), 15198183);
        QCOMPARE(panel->Cursor(), Fw::crHandPoint);
        QCOMPARE(panel->cursor().shape(), Qt::PointingHandCursor);

        auto *images = form.findChild<TImageList *>(QStringLiteral("ImageList1"));
        QVERIFY(images);
        QCOMPARE(images->parent(), &form);
        QCOMPARE(images->Width(), 8);

        auto *tree = form.findChild<TTreeView *>(QStringLiteral("Tree1"));
        QVERIFY(tree);
        QCOMPARE(tree->parentWidget(), panel);
        QCOMPARE(tree->geometry(), panel->rect());
        QCOMPARE(tree->Images(), images);
        QCOMPARE(tree->Items()->Count(), 4);
        const QStringList order = { "a", "a1", "a2", "b" };
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tree->Items()->Item(i)->Text(), order[i]);
        QCOMPARE(tree->Items()->Item(0)->ImageIndex(), 1);
        QCOMPARE(tree->Items()->Item(1)->Level(), 1);

        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form.clicks, 1);
        QCOMPARE(form.lastSender, panel);
    }

    void appliesPropertiesInFileOrder()
    {
        // Setting a font value ends following the parent's font; the order decides.
        TTestForm a;
        TLayoutLoader().loadFromText(&a,
            wrap(QStringLiteral("object P: TPanel\n Font.Height = -20\n ParentFont = True\nend\n")),
            QStringLiteral("a"));
        TTestForm b;
        TLayoutLoader().loadFromText(&b,
            wrap(QStringLiteral("object P: TPanel\n ParentFont = True\n Font.Height = -20\nend\n")),
            QStringLiteral("b"));
        auto *pa = a.findChild<TCustomPanel *>(QStringLiteral("P"));
        auto *pb = b.findChild<TCustomPanel *>(QStringLiteral("P"));
        QVERIFY(pa->ParentFont());
        QCOMPARE(pa->Font()->Height(), a.Font()->Height());
        QVERIFY(!pb->ParentFont());
        QCOMPARE(pb->Font()->Height(), -20);
    }

    void refusesWhatItDoesNotKnow_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown property") << "  Width = 10\n  Bogus = 3\n"
                                          << 3 << "Form1.Bogus: unknown property Bogus";
        QTest::newRow("unknown sub-property") << "  Font.Colour = 3\n"
                                              << 2 << "Form1.Font.Colour: unknown property Colour";
        QTest::newRow("unknown class") << "  object X: TNoSuchThing\n  end\n"
                                       << 2 << "X: unknown class TNoSuchThing";
        QTest::newRow("unknown enum value") << "  Position = poNowhere\n"
                                            << 2 << "poNowhere is not a value";
        QTest::newRow("unknown flag") << "  Font.Style = [fsBold, fsShiny]\n"
                                      << 2 << "fsShiny is not a value";
        QTest::newRow("bad bool") << "  object P: TPanel\n    ParentFont = Maybe\n  end\n"
                                  << 3 << "P.ParentFont: Maybe is not True or False";
        QTest::newRow("bad colour") << "  Color = clPlaid\n"
                                    << 2 << "clPlaid is not a number or a colour name";
        QTest::newRow("string for number") << "  Width = 'wide'\n" << 2 << "expected a number";
        QTest::newRow("number beyond int") << "  Width = 5000000000\n"
                                           << 2 << "5000000000 is out of range for Width";
        QTest::newRow("number below int") << "  Left = -2147483649\n"
                                          << 2 << "-2147483649 is out of range for Left";
        QTest::newRow("unknown handler") << "  object P: TPanel\n    OnClick = Nobody\n  end\n"
                                         << 3 << "unknown handler Nobody";
        QTest::newRow("handler arguments")
            << "  object P: TPanel\n    OnClick = WrongArguments\n  end\n"
            << 3 << "does not take the arguments";
        QTest::newRow("missing component") << "  object T: TTreeView\n    Images = Nowhere\n  end\n"
                                           << 3 << "no component named Nowhere";
        QTest::newRow("later component missing")
            << "  object H: TListHolder\n    Buddy = Nobody\n  end\n  object P: TPanel\n  end\n"
            << 3 << "H.Buddy: no component named Nobody";
        QTest::newRow("unterminated list") << "  object H: TListHolder\n    Lines = ('a' 'b'\n"
                                           << 3 << "expected a quoted text or ')'";
        QTest::newRow("list of numbers") << "  object H: TListHolder\n    Lines = (1 2)\n  end\n"
                                         << 3 << "expected a quoted text";
        QTest::newRow("duplicate name") << "  object P: TPanel\n  end\n  object P: TPanel\n  end\n"
                                        << 4 << "already exists";
        QTest::newRow("unterminated string") << "  Caption = 'abc\n" << 2 << "unterminated string";
        QTest::newRow("read-only") << "  object L: TImageList\n    Count = 3\n  end\n"
                                   << 3 << "Count is read-only";
        QTest::newRow("picture class")
            << "  object L: TImageList\n    Bitmap = TNoPicture 'x.png'\n  end\n"
            << 3 << "unknown picture class TNoPicture";
        QTest::newRow("picture file")
            << "  object L: TImageList\n    Bitmap = TBitmap 'no/such.png'\n  end\n"
            << 3 << "L.Bitmap";
    }

    void refusesWhatItDoesNotKnow()
    {
        QFETCH(QString, body);
        QFETCH(int, line);
        QFETCH(QString, expected);
        TTestForm form;
        try {
            TLayoutLoader().loadFromText(&form, wrap(body), QStringLiteral("Unit9.layout"));
            QFAIL("the layout was accepted");
        } catch (const ELayoutError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Unit9.layout:%1: ").arg(line)),
                qPrintable(error.message()));
            QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
            QCOMPARE(error.line(), line);
        }
    }

    void refusesAWrongRootAndAMissingEnd()
    {
        TTestForm form;
        QVERIFY_THROWS_EXCEPTION(ELayoutError,
            TLayoutLoader().loadFromText(
                &form, QStringLiteral("object F: TTreeView\nend\n"), QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(ELayoutError,
            TLayoutLoader().loadFromText(
                &form, QStringLiteral("object F: TTestForm\n Width = 3\n"), QStringLiteral("x")));
    }

    void refusesAMissingFile()
    {
        TTestForm form;
        try {
            TLayoutLoader().load(&form, QStringLiteral(":/no/such.layout"));
            QFAIL("accepted");
        } catch (const ELayoutError &error) {
            QVERIFY(error.message().contains(QStringLiteral(":/no/such.layout")));
        }
    }
};

QTEST_MAIN(TestLayoutLoader)
#include "tst_layoutloader.moc"
