// The gifcodec command-line tool: output formats, exit status and the --strict switch.
#include "GifStreamBuilder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status;
    QByteArray out;
    QByteArray err;
};

Run gifcodec(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(GIFCODEC_PATH), args);
    process.waitForFinished(120000);
    return { process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError() };
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestGifcodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void info();
    void decodeWritesOwnPixelsPerFrame();
    void encodeThenDecode();
    void strictFailsOnDamage();
    void emptyFileIsNoGif();
    void strictFailsWhereTheFileEnds();
    void manyLargeFramesAreWalkedOneAtATime();
    void usage();

private:
    QTemporaryDir m_dir;
};

void TestGifcodec::info()
{
    const QList<QRgb> four = { qRgb(1, 2, 3), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255) };
    const QString path = m_dir.filePath(QStringLiteral("a.gif"));
    writeFile(path,
        GifStreamBuilder()
            .header()
            .screen(9, 7, four, 1)
            .loop(4)
            .graphicControl(12, 2, 2)
            .frame(1, 2, 3, 2, GifStreamBuilder::lzw({ 0, 1, 2, 3, 0, 1 }, 2))
            .frame(0, 0, 2, 2, GifStreamBuilder::lzw({ 0, 1, 1, 0 }, 2),
                { qRgb(0, 0, 0), qRgb(9, 9, 9) }, true)
            .comment({ "x", "y" })
            .trailer()
            .bytes());
    const Run run = gifcodec({ QStringLiteral("info"), path });
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out,
        QByteArray("gif version=89a screen=9x7 background=ff0000 looping=1 repeat=4 frames=2 "
                   "comment_lines=2\n"
                   "frame 0 left=1 top=2 size=3x2 interlaced=0 local_table=0 colors=4 "
                   "transparent=00ff00 delay_ms=120 disposal=2 corrupted=0\n"
                   "frame 1 left=0 top=0 size=2x2 interlaced=1 local_table=1 colors=2 "
                   "transparent=none delay_ms=0 disposal=0 corrupted=0\n"));
}

void TestGifcodec::decodeWritesOwnPixelsPerFrame()
{
    const QString path = m_dir.filePath(QStringLiteral("b.gif"));
    writeFile(path,
        GifStreamBuilder()
            .header()
            .screen(4, 4, { qRgb(10, 20, 30), qRgb(40, 50, 60) })
            .frame(2, 2, 2, 1, GifStreamBuilder::lzw({ 1, 0 }, 2))
            .trailer()
            .bytes());
    const QString out = m_dir.filePath(QStringLiteral("frames"));
    const Run run = gifcodec({ QStringLiteral("decode"), path, out });
    QCOMPARE(run.status, 0);
    QFile ppm(out + QStringLiteral("/frame-0.ppm"));
    QVERIFY(ppm.open(QIODevice::ReadOnly));
    QCOMPARE(ppm.readAll(), QByteArray("P6\n2 1\n255\n\x28\x32\x3c\x0a\x14\x1e"));
}

void TestGifcodec::encodeThenDecode()
{
    const QString in1 = m_dir.filePath(QStringLiteral("in1.ppm"));
    const QString in2 = m_dir.filePath(QStringLiteral("in2.ppm"));
    QByteArray p1("P6\n3 2\n255\n");
    for (int i = 0; i < 6; ++i)
        p1 += QByteArray(1, char(i * 40)) + QByteArray(1, char(255 - i)) + QByteArray(1, char(i));
    writeFile(in1, p1);
    writeFile(in2, QByteArray("P6\n1 1\n255\n\x07\x08\x09"));
    const QString gif = m_dir.filePath(QStringLiteral("out.gif"));
    QCOMPARE(gifcodec({ QStringLiteral("encode"), gif, in1, in2 }).status, 0);
    const Run info = gifcodec({ QStringLiteral("info"), gif });
    QVERIFY(info.out.contains("frames=2"));
    const QString out = m_dir.filePath(QStringLiteral("round"));
    QCOMPARE(gifcodec({ QStringLiteral("decode"), gif, out }).status, 0);
    QFile f1(out + QStringLiteral("/frame-0.ppm"));
    QVERIFY(f1.open(QIODevice::ReadOnly));
    QCOMPARE(f1.readAll(), p1);
}

void TestGifcodec::strictFailsOnDamage()
{
    const QByteArray data = GifStreamBuilder::lzw(std::vector<uchar>(100, 1), 2);
    const QString path = m_dir.filePath(QStringLiteral("cut.gif"));
    writeFile(path,
        GifStreamBuilder()
            .header()
            .screen(10, 10, GifStreamBuilder::greyTable(4))
            .frame(0, 0, 10, 10, data.left(data.size() - 2))
            .bytes());
    Run run = gifcodec({ QStringLiteral("info"), path });
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("corrupted=1"));
    run = gifcodec({ QStringLiteral("--strict"), QStringLiteral("info"), path });
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err,
        QStringLiteral("frame 0 at byte %1: data ends inside the image\n")
            .arg(QFileInfo(path).size())
            .toLatin1());
    QVERIFY(run.out.isEmpty());
}

void TestGifcodec::emptyFileIsNoGif()
{
    const QString path = m_dir.filePath(QStringLiteral("empty.gif"));
    writeFile(path, QByteArray());
    const QStringList modes[] = { {}, { QStringLiteral("--strict") } };
    for (const QStringList &mode : modes) {
        for (const QStringList &command : { QStringList { QStringLiteral("info"), path },
                 QStringList { QStringLiteral("decode"), path, m_dir.filePath("none") } }) {
            const Run run = gifcodec(mode + command);
            QCOMPARE(run.status, 1);
            QCOMPARE(
                run.err, QByteArray("at byte 0: the stream is empty, there is no GIF header\n"));
            QVERIFY(run.out.isEmpty());
        }
    }
}

void TestGifcodec::strictFailsWhereTheFileEnds()
{
    // Two whole frames; the file ends where the third frame's descriptor would start.
    const QByteArray data = GifStreamBuilder::lzw({ 0, 1, 2, 3 }, 2);
    const QByteArray bytes = GifStreamBuilder()
                                 .header()
                                 .screen(2, 2, GifStreamBuilder::greyTable(4))
                                 .frame(0, 0, 2, 2, data)
                                 .graphicControl(10)
                                 .frame(0, 0, 2, 2, data)
                                 .bytes();
    const QString path = m_dir.filePath(QStringLiteral("no-trailer.gif"));
    writeFile(path, bytes);
    Run run = gifcodec({ QStringLiteral("info"), path });
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("frames=2"));
    run = gifcodec({ QStringLiteral("--strict"), QStringLiteral("info"), path });
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err,
        QStringLiteral("at byte %1: data ends before the trailer\n").arg(bytes.size()).toLatin1());
}

void TestGifcodec::manyLargeFramesAreWalkedOneAtATime()
{
    // Six 8192 x 8192 frames of a few bytes each: more than an image may hold decoded at
    // once, so the tool must release each frame before it decodes the next.
    GifStreamBuilder builder;
    builder.header().screen(8192, 8192, GifStreamBuilder::greyTable(4));
    const QByteArray data = GifStreamBuilder::lzw(std::vector<uchar>(100, 1), 2);
    for (int i = 0; i < 6; ++i)
        builder.frame(0, 0, 8192, 8192, data);
    const QString path = m_dir.filePath(QStringLiteral("large.gif"));
    writeFile(path, builder.trailer().bytes());
    const Run run = gifcodec({ QStringLiteral("info"), path });
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.count("size=8192x8192"), 6);
    QCOMPARE(run.out.count("corrupted=1"), 6);
}

void TestGifcodec::usage()
{
    QCOMPARE(gifcodec({}).status, 1);
    const QString path = m_dir.filePath(QStringLiteral("bad.gif"));
    writeFile(path, "GIF12a");
    const Run run = gifcodec({ QStringLiteral("info"), path });
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QByteArray("Unknown GIF version\n"));
}

QTEST_GUILESS_MAIN(TestGifcodec)
#include "tst_gifcodec.moc"
