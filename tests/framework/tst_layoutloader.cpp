// The layout loader: values of every kind, nesting, file order, events, and the errors that
// name the file, the line and the item.

#include "TApplicationEvents.h"
#include "TCustomPanel.h"
#include "TForm.h"
#include "TImageList.h"
#include "TLayoutLoader.h"
#include "TLayoutStatus.h"
#include "TTreeView.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
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

// A component that reports a misuse as the skin components do: through the loader while a
// load is in progress, else it would show a box. Its reports are noted here.
class TReporting : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(int Mood READ Mood WRITE setMood)
public:
    using TCustomPanel::TCustomPanel;
    static inline QStringList reports;

    int Mood() const { return m_mood; }
    void setMood(int mood)
    {
        if (mood > 10)
            throw Exception(QStringLiteral("too happy"));
        if (mood < 0) {
            reports << QStringLiteral("where: ") + TLayoutLoader::currentPosition();
            if (!TLayoutLoader::failLoad(QStringLiteral("Sorry, a mood cannot be negative")))
                reports << QStringLiteral("box shown");
            return;
        }
        m_mood = mood;
    }

private:
    int m_mood = 0;
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
        TLayoutLoader::registerClass<TReporting>(QStringLiteral("TReporting"));
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
        QTest::newRow("number for bool") << "  object P: TPanel\n    ParentFont = 3\n  end\n"
                                         << 3 << "P.ParentFont: expected True or False";
        QTest::newRow("number too large") << "  Width = 99999999999999999999\n  Height = 3\n"
                                          << 2 << "99999999999999999999: the number is too large";
        QTest::newRow("number without digits") << "  Width = $\n  Height = 3\n"
                                               << 2 << "$: a number needs digits";
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
            QVERIFY2(!error.message().contains(QLatin1Char('\n')), qPrintable(error.message()));
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

    // Deep nesting overflowed the stack at about 15,000 levels; it is refused at 101.
    void refusesNestingBeyondTheLimit()
    {
        auto nested = [](int levels) {
            QString text;
            for (int i = 0; i < levels; ++i)
                text += QStringLiteral("object P%1: TPanel\n").arg(i);
            for (int i = 0; i < levels; ++i)
                text += QStringLiteral("end\n");
            return wrap(text);
        };
        TTestForm ok;
        TLayoutLoader().loadFromText(&ok, nested(99), QStringLiteral("deep"));
        QVERIFY(ok.findChild<TCustomPanel *>(QStringLiteral("P98")));
        for (int levels : { 100, 20000 }) {
            TTestForm form;
            try {
                TLayoutLoader().loadFromText(&form, nested(levels), QStringLiteral("deep"));
                QFAIL("accepted");
            } catch (const ELayoutError &error) {
                QCOMPARE(error.line(), 102);
                QVERIFY2(error.message().contains(QStringLiteral("more than 100 levels deep")),
                    qPrintable(error.message()));
            }
        }
    }

    // Names are kept in a table: many components load, and a repeated name is still found
    // however far apart the two are, also one that the root held before loading.
    void findsRepeatedNamesAmongManyComponents()
    {
        QString text;
        for (int i = 0; i < 5000; ++i)
            text += QStringLiteral("object P%1: TPanel\nend\n").arg(i);
        TTestForm form;
        TLayoutLoader().loadFromText(&form, wrap(text), QStringLiteral("many"));
        QCOMPARE(form.findChildren<TCustomPanel *>().size(), 5000);

        TTestForm again;
        try {
            TLayoutLoader().loadFromText(
                &again, wrap(text + QStringLiteral("object P7: TPanel\nend\n")), "many");
            QFAIL("accepted");
        } catch (const ELayoutError &error) {
            QCOMPARE(error.line(), 10002);
        }
        TTestForm holding;
        (new QObject(&holding))->setObjectName(QStringLiteral("Helper"));
        QVERIFY_THROWS_EXCEPTION(ELayoutError,
            TLayoutLoader().loadFromText(&holding,
                wrap(QStringLiteral("object Helper: TPanel\nend\n")), QStringLiteral("x")));
    }

    // A huge name or number is quoted in part: the message stays short.
    void capsQuotedInput()
    {
        const QString huge(1 << 20, QLatin1Char('x'));
        const QString bodies[] = {
            QStringLiteral("  object %1: TNoSuchThing\n  end\n").arg(huge),
            QStringLiteral("  object P: T%1\n  end\n").arg(huge),
            QStringLiteral("  %1 = 3\n").arg(huge),
            QStringLiteral("  Width = %1\n").arg(QString(1 << 20, QLatin1Char('9'))),
            QStringLiteral("  Caption = '%1\n").arg(huge),
        };
        for (const QString &body : bodies) {
            TTestForm form;
            try {
                TLayoutLoader().loadFromText(&form, wrap(body), QStringLiteral("big.layout"));
                QFAIL("accepted");
            } catch (const ELayoutError &error) {
                QVERIFY2(error.message().size() < 700, qPrintable(error.message().left(700)));
                QVERIFY(error.message().startsWith(QStringLiteral("big.layout:2: ")));
                QVERIFY(error.message().contains(QStringLiteral(" characters)")));
            }
        }
    }

    // A component's report of a misuse while loading fails a load that nobody watches, at
    // the line being applied, instead of waiting on a box; an error a setter raises carries
    // the line as well.
    void misuseWhileLoadingFailsTheLoadAtItsLine()
    {
        QVERIFY(!TLayoutLoader::userPresent());
        TReporting::reports.clear();
        TTestForm form;
        try {
            TLayoutLoader().loadFromText(&form,
                wrap(QStringLiteral("  object R: TReporting\n    Mood = 1\n    Mood = -1\n"
                                    "  end\n")),
                QStringLiteral("Unit5.layout"));
            QFAIL("accepted");
        } catch (const ELayoutError &error) {
            QCOMPARE(error.message(),
                QStringLiteral("Unit5.layout:4: R.Mood: Sorry, a mood cannot be negative"));
        }
        QCOMPARE(TReporting::reports, QStringList({ "where: Unit5.layout:4" }));
        try {
            TLayoutLoader().loadFromText(&form,
                wrap(QStringLiteral("  object S: TReporting\n\n    Mood = 99\n  end\n")),
                QStringLiteral("Unit6.layout"));
            QFAIL("accepted");
        } catch (const ELayoutError &error) {
            QCOMPARE(error.message(), QStringLiteral("Unit6.layout:4: S.Mood: too happy"));
        }
        // Outside a load there is no place and nothing to fail.
        QVERIFY(TLayoutLoader::currentPosition().isEmpty());
        QVERIFY(!TLayoutLoader::failLoad(QStringLiteral("x")));
    }

    void refusesAUtf16File()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wide.layout"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString text = wrap(QString());
        file.write("\xFF\xFE");
        file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        file.close();
        TTestForm form;
        try {
            TLayoutLoader().load(&form, path);
            QFAIL("accepted");
        } catch (const ELayoutError &error) {
            QVERIFY2(
                error.message().contains(QStringLiteral("UTF-16")), qPrintable(error.message()));
        }
        // With a UTF-8 byte order mark the file loads.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\xEF\xBB\xBF" + text.toUtf8());
        file.close();
        TLayoutLoader().load(&form, path);
        QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    }
};

QTEST_MAIN(TestLayoutLoader)
#include "tst_layoutloader.moc"
