#include "GalleryScreenshots.h"

#include "GalleryFamilies.h"
#include "TGalleryForm.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynForm.h"
#include "ZYNThemes.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QMetaEnum>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

// Runs the event loop for a while, so that the window manager and the repaints catch up.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()> &condition, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        settle(50);
    }
    return true;
}

QString styleName(TzynUIStyle style)
{
    return QLatin1String(QMetaEnum::fromType<TzynUIStyle>().valueToKey(int(style)));
}

// Pictures at a third of their size, one column per style and one row per family, each with
// its name beneath.
QImage contactSheet(const QList<QImage> &shots, const QStringList &names, int columns)
{
    constexpr int margin = 12, labelHeight = 22;
    QSize cell;
    for (const QImage &shot : shots)
        cell = cell.expandedTo(shot.size() / 3);
    const int rows = (int(shots.size()) + columns - 1) / columns;
    QImage sheet(margin + columns * (cell.width() + margin),
        margin + rows * (cell.height() + labelHeight + margin), QImage::Format_RGB32);
    sheet.fill(QColor(0x40, 0x40, 0x40));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int i = 0; i < shots.size(); ++i) {
        const QPoint at(margin + (i % columns) * (cell.width() + margin),
            margin + (i / columns) * (cell.height() + labelHeight + margin));
        painter.drawImage(QRect(at, shots[i].size() / 3), shots[i]);
        painter.drawText(QRect(at.x(), at.y() + cell.height() + 2, cell.width(), labelHeight - 2),
            Qt::AlignLeft | Qt::AlignVCenter, names[i]);
    }
    return sheet;
}

} // namespace

int WriteGalleryScreenshots(TGalleryForm &form, const QString &dir, QString *error)
{
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return 1;
    };
    if (!QDir().mkpath(dir))
        return fail(QStringLiteral("cannot make the folder %1").arg(dir));
    form.Show();
    if (!waitUntil([&] { return form.windowHandle() && form.windowHandle()->isExposed(); }, 20000))
        return fail(QStringLiteral("the window was never shown"));
    QScreen *screen = form.screen();
    // The pointer away from the window, so that no control is shown hot.
    QCursor::setPos(screen, screen->geometry().bottomRight());
    settle(800);

    // Family by family (one page each), every style: "gallery-<Style>.png" is the first page,
    // "gallery-<Style>-<Family>.png" each page.
    QList<QImage> shots;
    QStringList names;
    const QList<TzynUIStyle> styles = TGalleryForm::Styles();
    for (int f = 0; f < form.Families().size(); ++f) {
        form.ShowFamily(f);
        const QString family = QLatin1String(GalleryFamilies().at(size_t(f)).name);
        for (TzynUIStyle style : styles) {
            form.ChooseStyle(style);
            settle(400);
            const QRect bounds = form.frameGeometry();
            const QImage shot
                = screen
                      ->grabWindow(0, bounds.x() - screen->geometry().x(),
                          bounds.y() - screen->geometry().y(), bounds.width(), bounds.height())
                      .toImage();
            QStringList files = { QDir(dir).filePath(
                QStringLiteral("gallery-%1-%2.png").arg(styleName(style), family)) };
            if (f == 0)
                files << QDir(dir).filePath(QStringLiteral("gallery-%1.png").arg(styleName(style)));
            for (const QString &file : files) {
                if (shot.isNull() || !shot.save(file))
                    return fail(QStringLiteral("cannot write %1").arg(file));
            }
            shots.append(shot);
            names.append(QStringLiteral("%1: %2").arg(family,
                style == TzynUIStyle::Custom ? QStringLiteral("Custom (the frame pushes nothing)")
                                             : styleName(style)));
        }
    }
    // One more in the last style, with the Edit menu open and an item selected.
    if (TToolBar *bar = form.Frame()->MenuBar(); bar && bar->ButtonCount() > 1) {
        TToolButton *edit = bar->Buttons(1);
        edit->ShowDropDown();
        if (QMenu *popup = edit->DropDown()) {
            const QList<QAction *> actions = popup->actions();
            if (actions.size() > 3)
                popup->setActiveAction(actions[3]);
            settle(500);
            const QRect bounds = form.frameGeometry().united(popup->geometry());
            const QImage shot
                = screen
                      ->grabWindow(0, bounds.x() - screen->geometry().x(),
                          bounds.y() - screen->geometry().y(), bounds.width(), bounds.height())
                      .toImage();
            popup->close();
            const QString file = QDir(dir).filePath(QStringLiteral("gallery-menu-open.png"));
            if (shot.isNull() || !shot.save(file))
                return fail(QStringLiteral("cannot write %1").arg(file));
        }
    }
    const QString sheetFile = QDir(dir).filePath(QStringLiteral("gallery-contact-sheet.png"));
    if (!contactSheet(shots, names, int(styles.size())).save(sheetFile))
        return fail(QStringLiteral("cannot write %1").arg(sheetFile));
    form.close();
    // The same set at 200 % into "<dir>/200": the scale belongs to the process, so the gallery
    // runs once more at a device pixel ratio of 2, where the pictures' twins are drawn.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        QProcess again;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        again.setProcessEnvironment(environment);
        again.setProcessChannelMode(QProcess::ForwardedChannels);
        again.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--screenshots"), QDir(dir).filePath(QStringLiteral("200")) });
        if (!again.waitForFinished(-1) || again.exitStatus() != QProcess::NormalExit
            || again.exitCode() != 0)
            return fail(QStringLiteral("the screenshots at 200 % failed"));
    }
    return 0;
}
