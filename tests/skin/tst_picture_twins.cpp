// Every picture the program ships has a twin for high-density screens beside it
// (NAME@2x.ext), painted by the same tool at exactly twice the width and height. The logo's
// twin is read by the program's own GIF decoder, as the program reads it.

#include "TGIFImage.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QTest>

class tst_PictureTwins : public QObject {
    Q_OBJECT

private slots:
    void everyPictureHasItsTwin_data();
    void everyPictureHasItsTwin();
    void noTwinWithoutItsPicture();
};

namespace {

const QString sources = QStringLiteral(GUIDE_SOURCE_DIR);

// The folders whose pictures are drawn by the artwork tools (the gallery's sample skin too); the
// contact sheet is a preview for the eye, not a picture the program draws.
const QStringList pictureFolders = { QStringLiteral("resources/themes"),
    QStringLiteral("resources/glyphs"), QStringLiteral("resources/icons"),
    QStringLiteral("resources/logo"), QStringLiteral("gallery/skin") };

bool isPicture(const QFileInfo &file)
{
    static const QStringList kinds = { "bmp", "png", "gif" };
    return kinds.contains(file.suffix().toLower())
        && file.fileName() != QLatin1String("contact-sheet.png");
}

QString twinPath(const QFileInfo &file)
{
    return file.dir().filePath(file.completeBaseName() + QStringLiteral("@2x.") + file.suffix());
}

QSize pictureSize(const QString &path)
{
    if (path.endsWith(QLatin1String(".gif"))) {
        TGIFImage gif;
        gif.loadFromFile(path);
        return QSize(gif.width(), gif.height());
    }
    QImageReader reader(path);
    return reader.size();
}

} // namespace

void tst_PictureTwins::everyPictureHasItsTwin_data()
{
    QTest::addColumn<QString>("path");
    int count = 0;
    for (const QString &folder : pictureFolders) {
        QDirIterator it(
            sources + QLatin1Char('/') + folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            if (!isPicture(file) || file.completeBaseName().endsWith(QLatin1String("@2x")))
                continue;
            QTest::newRow(qPrintable(folder + QLatin1Char('/') + file.fileName()))
                << file.filePath();
            ++count;
        }
    }
    QVERIFY2(count > 270, "the pictures were not found");
}

void tst_PictureTwins::everyPictureHasItsTwin()
{
    QFETCH(QString, path);
    const QString twin = twinPath(QFileInfo(path));
    QVERIFY2(QFileInfo::exists(twin), qPrintable(twin + " is missing"));
    const QSize one = pictureSize(path), two = pictureSize(twin);
    QVERIFY(one.isValid());
    QCOMPARE(two, one * 2);
}

void tst_PictureTwins::noTwinWithoutItsPicture()
{
    // A twin left behind by a renamed or removed picture would be shipped for nothing.
    for (const QString &folder : pictureFolders) {
        QDirIterator it(
            sources + QLatin1Char('/') + folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            const QString base = file.completeBaseName();
            if (!base.endsWith(QLatin1String("@2x")))
                continue;
            // The program's icon file has its twin as a PNG.
            bool found = false;
            for (const QString &suffix : { file.suffix(), QStringLiteral("ico") })
                found = found
                    || QFileInfo::exists(file.dir().filePath(base.chopped(3) + '.' + suffix));
            QVERIFY2(found, qPrintable(file.filePath() + " has no picture"));
        }
    }
}

QTEST_GUILESS_MAIN(tst_PictureTwins)
#include "tst_picture_twins.moc"
