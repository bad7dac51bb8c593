// The faces behind the layouts' face names, and that the machine's other faces change nothing:
// every mapped face carries its own fallback chain, so Chinese inside Latin-face text comes
// from the Song face, a line that mixes the two is as high as a Latin line, and the main window
// comes out pixel for pixel the same under the test run's font configuration and under one that
// also admits every face installed here (the CJK faces of a Chinese desktop among them).

#include "../WideFontConfig.h"
#include "MainWindowLayout.h"
#include "TApplication.h"
#include "TFont.h"
#include "TzynForm.h"
#include "TzynListBox.h"
#include "TzynMemo.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <cstdio>

namespace {

const QString songFace = QStringLiteral("AR PL UMing CN");

QImage textPicture(const QFont &font, const QString &text)
{
    QImage image(200, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(2, 22, text);
    return image;
}

// Run as a child of the test: draws the main window and reports what faces it could see.
int renderMainWindow(const QString &file)
{
    MainWindowLayout window;
    window.showAt(QSize(991, 660));
    if (!window.grabFrame().save(file))
        return 1;
    const QStringList families = QFontDatabase::families();
    const qsizetype cjk = std::count_if(families.cbegin(), families.cend(), [](const QString &f) {
        return f.contains(QStringLiteral("CJK")) || f.contains(QStringLiteral("WenQuanYi"));
    });
    std::printf("families %lld cjk %lld\n", static_cast<long long>(families.size()),
        static_cast<long long>(cjk));
    return 0;
}

struct Rendered {
    QImage image;
    int families = 0;
    int cjk = 0;
};

Rendered renderUnder(const QString &fontConfig, const QString &file)
{
    Rendered result;
    const QString printed = runSelfUnder(fontConfig, { QStringLiteral("--render"), file });
    if (printed.isNull())
        return result;
    const auto m = QRegularExpression(QStringLiteral("families (\\d+) cjk (\\d+)")).match(printed);
    result.families = m.captured(1).toInt();
    result.cjk = m.captured(2).toInt();
    result.image = QImage(file).convertToFormat(QImage::Format_RGB32);
    return result;
}

} // namespace

class tst_FontConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Chinese in Latin-face text is drawn by the Song face itself, not by whatever face the
    // machine would pick for the missing characters.
    void latinFacesFallBackToTheSongFace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Tahoma") << QStringLiteral("Tahoma");
        QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif");
    }
    void latinFacesFallBackToTheSongFace()
    {
        QFETCH(QString, name);
        const QStringList chain = TFont::mapFamilies(name);
        QCOMPARE(chain.value(1), songFace);
        QStringList substitutes = QFont::substitutes(name);
        QCOMPARE(substitutes.size(), chain.size());
        for (qsizetype i = 0; i < chain.size(); ++i)
            QCOMPARE(substitutes[i].toLower(), chain[i].toLower());
        for (int height : { -11, -12, -14 }) {
            for (bool bold : { false, true }) {
                TFont font;
                font.setName(name);
                font.setHeight(height);
                font.setStyle(bold ? Fw::TFontStyles(Fw::fsBold) : Fw::TFontStyles());
                QFont song(songFace);
                song.setPixelSize(-height);
                song.setBold(bold);
                song.setHintingPreference(QFont::PreferFullHinting);
                const QString chinese = QStringLiteral("会计基础重点总结");
                QCOMPARE(textPicture(font.toQFont(), chinese), textPicture(song, chinese));
            }
        }
        QCOMPARE(TFont::mapFamilies(QStringLiteral("宋体")).value(0), songFace);
        QCOMPARE(TFont::mapFamilies(QStringLiteral("Arial")), QStringList({ "Arial" }));
    }

    void mixedLinesKeepTheLatinPitch_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("height");
        for (const char *name : { "Tahoma", "MS Sans Serif" })
            for (int height : { -11, -12, -13, -14 })
                QTest::addRow("%s %d", name, height) << QString::fromLatin1(name) << height;
    }
    void mixedLinesKeepTheLatinPitch()
    {
        QFETCH(QString, name);
        QFETCH(int, height);
        const QStringList lines = { QStringLiteral("Ledger and journal"),
            QStringLiteral("Ledger 总账 and 日记账"), QStringLiteral("会计基础") };

        TzynMemo memo;
        memo.Font()->setName(name);
        memo.Font()->setHeight(height);
        memo.resize(300, 200);
        memo.Lines()->setText(lines.join(QLatin1Char('\n')));
        memo.show();
        QTextDocument *document = memo.document();
        QCOMPARE(document->blockCount(), 3);
        // The pitch: each block is one line, laid out one below the other.
        const qreal latin = document->firstBlock().layout()->lineAt(0).height();
        QVERIFY(latin > 0);
        for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
            QCOMPARE(block.layout()->lineCount(), 1);
            QCOMPARE(block.layout()->lineAt(0).height(), latin);
        }
        QCOMPARE(
            document->documentLayout()->blockBoundingRect(document->firstBlock().next()).height(),
            latin);

        TzynListBox list;
        list.Font()->setName(name);
        list.Font()->setHeight(height);
        list.resize(300, 200);
        for (const QString &line : lines)
            list.Items()->Add(line);
        list.show();
        QCOMPARE(list.count(), 3);
        for (int row = 1; row < 3; ++row)
            QCOMPARE(list.visualItemRect(list.item(row)).height(),
                list.visualItemRect(list.item(0)).height());
    }

    // The test run's configuration admits only the faces the program depends on; the other
    // admits everything installed, with the machine's own rules (the CJK faces' preferences
    // among them). The window must not notice.
    void mainWindowIsTheSameWithOtherFacesInstalled()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString own = ownFontConfig();
        const QString wideFile = writeWideFontConfig(QDir(dir.path()));
        QVERIFY(!wideFile.isEmpty());

        const Rendered narrow = renderUnder(own, dir.filePath(QStringLiteral("own.png")));
        const Rendered all = renderUnder(wideFile, dir.filePath(QStringLiteral("wide.png")));
        QVERIFY(!narrow.image.isNull());
        QVERIFY(!all.image.isNull());
        QVERIFY2(all.families > narrow.families,
            qPrintable(
                QStringLiteral("%1 against %2 families").arg(all.families).arg(narrow.families)));
        QCOMPARE(narrow.cjk, 0);
        if (all.cjk == 0)
            qInfo("no CJK face other than the Song face is installed here: the comparison shows "
                  "only that the other installed faces change nothing");
        QCOMPARE(all.image.size(), narrow.image.size());
        if (all.image != narrow.image) {
            const QString keep = QDir::tempPath() + QStringLiteral("/fontconfig-window-");
            narrow.image.save(keep + QStringLiteral("own.png"));
            all.image.save(keep + QStringLiteral("wide.png"));
            QFAIL(qPrintable(
                QStringLiteral("the window differs; see %1own.png and %1wide.png").arg(keep)));
        }
    }
};

int main(int argc, char *argv[])
{
    UseLargeOffscreenScreen();
    TApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--render") == 0)
        return renderMainWindow(QString::fromLocal8Bit(argv[2]));
    tst_FontConfig test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fontconfig.moc"
