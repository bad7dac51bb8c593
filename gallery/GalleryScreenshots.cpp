#include "GalleryScreenshots.h"

#include "GalleryAboutForm.h"
#include "GalleryFamilies.h"
#include "GalleryFamily.h"
#include "TGalleryForm.h"
#include "TToolBar.h"
#include "TToolButton.h"
#include "TzynComboBox.h"
#include "TzynForm.h"
#include "TzynPageControl.h"
#include "TzynTabControl.h"
#include "TzynTabControlTopPanel.h"
#include "TzynTabSheet.h"
#include "ZYNThemes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QEnterEvent>
#include <QEventLoop>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

// How long the window manager and the repaints get after each change before a picture.
constexpr int kSettleMs = 300;

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

QString styleLabel(TzynUIStyle style)
{
    return style == TzynUIStyle::Custom ? QStringLiteral("Custom (the gallery's sample skin)")
                                        : styleName(style);
}

// One picture of the set: the family it belongs to ("" for the window's popups), the style and
// what it shows beyond the family's page ("" for the page itself).
struct Shot {
    QImage image;
    QString family;
    TzynUIStyle style;
    QString variant;
};

// What the screen shows of a rectangle in global coordinates.
QImage grab(QScreen *screen, const QRect &bounds)
{
    const QRect area = screen->geometry();
    return screen
        ->grabWindow(
            0, bounds.x() - area.x(), bounds.y() - area.y(), bounds.width(), bounds.height())
        .toImage();
}

// The pictures side by side at a scale, in a grid of the given columns, each with its label
// beneath.
QImage contactSheet(const QList<QImage> &shots, const QStringList &labels, int columns, qreal scale)
{
    constexpr int margin = 12, labelHeight = 22;
    QSize cell;
    for (const QImage &shot : shots)
        cell = cell.expandedTo((QSizeF(shot.size()) * scale).toSize());
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
        if (shots[i].isNull())
            continue;
        const QPoint at(margin + (i % columns) * (cell.width() + margin),
            margin + (i / columns) * (cell.height() + labelHeight + margin));
        painter.drawImage(QRect(at, (QSizeF(shots[i].size()) * scale).toSize()), shots[i]);
        painter.drawText(QRect(at.x(), at.y() + cell.height() + 2, cell.width(), labelHeight - 2),
            Qt::AlignLeft | Qt::AlignVCenter, labels[i]);
    }
    return sheet;
}

// Takes the pictures of one style and keeps them.
class ShotTaker {
public:
    ShotTaker(TGalleryForm &form, const QString &dir)
        : m_form(form)
        , m_dir(dir)
        , m_screen(form.screen())
    {
    }

    const QList<Shot> &Shots() const { return m_shots; }
    // The pictures of the states sheet and their labels, a row of them per style.
    const QList<QImage> &States() const { return m_states; }
    const QStringList &StateLabels() const { return m_stateLabels; }
    int StatesPerStyle() const { return m_statesPerStyle; }
    QString Error() const { return m_error; }

    // The window (and a popup over it), saved as "gallery-<Style>-<name>.png".
    bool Take(TzynUIStyle style, const QString &family, const QString &variant,
        const QWidget *popup = nullptr)
    {
        settle(kSettleMs);
        QRect bounds = m_form.frameGeometry();
        if (popup)
            bounds = bounds.united(popup->frameGeometry());
        // What lies off the screen would come out black: a cut picture is no screenshot.
        if (!m_screen->geometry().contains(bounds)) {
            m_error = QStringLiteral("the screen (%1x%2 at %3 %) is too small for the window "
                                     "(%4x%5): give it a larger screen")
                          .arg(m_screen->geometry().width())
                          .arg(m_screen->geometry().height())
                          .arg(qRound(m_screen->devicePixelRatio() * 100))
                          .arg(bounds.width())
                          .arg(bounds.height());
            return false;
        }
        const QImage image = grab(m_screen, bounds);
        QString name = styleName(style);
        for (const QString &part : { family, variant }) {
            if (!part.isEmpty())
                name += QLatin1Char('-') + part;
        }
        QStringList files = { QStringLiteral("gallery-%1.png").arg(name) };
        if (family == QLatin1String(GalleryFamilies().front().name) && variant.isEmpty())
            files << QStringLiteral("gallery-%1.png").arg(styleName(style));
        for (const QString &file : files) {
            const QString path = QDir(m_dir).filePath(file);
            if (image.isNull() || !image.save(path)) {
                m_error = QStringLiteral("cannot write %1").arg(path);
                return false;
            }
        }
        m_shots.append({ image, family, style, variant });
        return true;
    }

    // Every page of the family's page controls and every tab of its tab controls but the one
    // shown, each as a picture; then the first ones again.
    bool TakeInnerPages(TzynUIStyle style, GalleryFamily *family, const QString &name)
    {
        for (TzynPageControl *pages : family->findChildren<TzynPageControl *>()) {
            TzynTabSheet *first = pages->ActivePage();
            for (int i = 0; i < pages->PageCount(); ++i) {
                TzynTabSheet *page = pages->Page(i);
                if (page == first || !page->TabVisible())
                    continue;
                pages->setActivePage(page);
                if (!Take(style, name, plain(page->Caption())))
                    return false;
            }
            pages->setActivePage(first);
        }
        for (TzynTabControl *tabs : family->findChildren<TzynTabControl *>()) {
            const int first = tabs->TabIndex();
            for (int i = 0; i < tabs->Tabs().size(); ++i) {
                if (i == first)
                    continue;
                tabs->Strip()->setTabIndex(i, true);
                if (!Take(style, name, plain(tabs->Tabs().at(i))))
                    return false;
            }
            tabs->Strip()->setTabIndex(first, true);
        }
        return true;
    }

    // A family that asks for the focus to be seen ("FocusShown" names a control) with that
    // control focused from the keyboard.
    bool TakeFocused(TzynUIStyle style, GalleryFamily *family, const QString &name)
    {
        const QString focused = family->property("FocusShown").toString();
        auto *control = focused.isEmpty() ? nullptr : family->findChild<QWidget *>(focused);
        if (!control)
            return true;
        m_form.activateWindow();
        waitUntil([&] { return m_form.isActiveWindow(); }, 5000);
        control->setFocus(Qt::TabFocusReason);
        const bool ok = Take(style, name, QStringLiteral("focused"));
        control->clearFocus();
        return ok;
    }

    // The Edit menu open with an item selected.
    bool TakeMenu(TzynUIStyle style)
    {
        TToolBar *bar = m_form.Frame()->MenuBar();
        if (!bar || bar->ButtonCount() < 2)
            return true;
        TToolButton *edit = bar->Buttons(1);
        edit->ShowDropDown();
        QMenu *popup = edit->DropDown();
        if (!popup)
            return true;
        const QList<QAction *> actions = popup->actions();
        if (actions.size() > 3)
            popup->setActiveAction(actions[3]);
        const bool ok = Take(style, QString(), QStringLiteral("menu-open"), popup);
        popup->close();
        return ok;
    }

    // The About box over the window.
    bool TakeAbout(TzynUIStyle style)
    {
        GalleryAboutForm *box = m_form.OpenAbout();
        waitUntil([&] { return box->windowHandle() && box->windowHandle()->isExposed(); }, 5000);
        const bool ok = Take(style, QString(), QStringLiteral("about"), box);
        // No event loop deletes it here: deleting it takes its pending deletion with it.
        delete box;
        return ok;
    }

    // The first combo box's list open, on the page that holds it.
    bool TakeComboList(TzynUIStyle style)
    {
        auto *combo = m_form.findChild<TzynComboBox *>(QStringLiteral("GalleryCombo"));
        if (!combo)
            return true;
        const QList<QPair<TzynPageControl *, TzynTabSheet *>> shown = showPageOf(combo);
        static_cast<QComboBox *>(combo)->showPopup();
        QWidget *list = combo->view()->window();
        waitUntil([&] { return list->isVisible(); }, 5000);
        const bool ok = Take(style, QString(), QStringLiteral("combo-open"), list);
        static_cast<QComboBox *>(combo)->hidePopup();
        for (const auto &[pages, page] : shown)
            pages->setActivePage(page);
        return ok;
    }

    // The looks a person meets on the focus page, control by control: the default button, then
    // a push button, a check box and a radio button each as it stands, under the pointer,
    // pressed and focused. The pointer and the press are given to the control as events, so
    // that no click follows and nothing depends on where the real pointer is.
    void TakeStates(TzynUIStyle style, GalleryFamily *family)
    {
        const auto find = [family](const char *name) {
            return family->findChild<QWidget *>(QLatin1String(name));
        };
        QWidget *save = find("FocusSave");
        if (!save)
            return;
        const int before = int(m_states.size());
        m_form.activateWindow();
        waitUntil([&] { return m_form.isActiveWindow(); }, 5000);
        if (QWidget *edit = find("FocusEdit"))
            edit->setFocus(Qt::OtherFocusReason);
        addState(style, QStringLiteral("default"), save);
        const QList<QPair<const char *, QString>> controls
            = { { "FocusOther", QStringLiteral("button") },
                  { "FocusCheck", QStringLiteral("check box") },
                  { "FocusRadio1", QStringLiteral("radio") } };
        for (const auto &[name, kind] : controls) {
            QWidget *control = find(name);
            if (!control)
                continue;
            addState(style, kind, control);
            const QPointF centre = QRectF(control->rect()).center();
            QEnterEvent enter(
                centre, control->mapTo(control->window(), centre), control->mapToGlobal(centre));
            QCoreApplication::sendEvent(control, &enter);
            addState(style, kind + QStringLiteral(", hover"), control);
            QMouseEvent press(QEvent::MouseButtonPress, centre, control->mapToGlobal(centre),
                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(control, &press);
            addState(style, kind + QStringLiteral(", pressed"), control);
            // Away first, then released: a release off the control clicks nothing.
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(control, &leave);
            const QPointF outside(-20, -20);
            QMouseEvent release(QEvent::MouseButtonRelease, outside, control->mapToGlobal(outside),
                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(control, &release);
            control->setFocus(Qt::TabFocusReason);
            addState(style, kind + QStringLiteral(", focused"), control);
            control->clearFocus();
        }
        m_statesPerStyle = int(m_states.size()) - before;
    }

private:
    // The control as it paints now, with a few pixels of what surrounds it.
    void addState(TzynUIStyle style, const QString &label, QWidget *control)
    {
        settle(50);
        QWidget *parent = control->parentWidget();
        m_states << parent->grab(control->geometry().adjusted(-4, -4, 4, 4)).toImage();
        m_stateLabels << QStringLiteral("%1: %2").arg(styleName(style), label);
    }

    static QString plain(QString caption)
    {
        return caption.remove(QLatin1Char('&')).remove(QLatin1Char(' '));
    }

    // Shows the family page, and the inner page, that hold the control; returns the page
    // controls with the pages they showed before.
    QList<QPair<TzynPageControl *, TzynTabSheet *>> showPageOf(QWidget *control)
    {
        QList<QPair<TzynPageControl *, TzynTabSheet *>> shown;
        for (QWidget *w = control; w; w = w->parentWidget()) {
            auto *sheet = qobject_cast<TzynTabSheet *>(w);
            if (!sheet)
                continue;
            if (auto *pages = qobject_cast<TzynPageControl *>(sheet->parentWidget())) {
                shown.append({ pages, pages->ActivePage() });
                pages->setActivePage(sheet);
            }
        }
        return shown;
    }

    TGalleryForm &m_form;
    QString m_dir;
    QScreen *m_screen;
    QList<Shot> m_shots;
    QList<QImage> m_states;
    QStringList m_stateLabels;
    int m_statesPerStyle = 0;
    QString m_error;
};

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

    const QList<TzynUIStyle> styles = TGalleryForm::Styles();
    ShotTaker taker(form, dir);
    for (TzynUIStyle style : styles) {
        form.ChooseStyle(style);
        for (int f = 0; f < form.Families().size(); ++f) {
            const QString family = QLatin1String(GalleryFamilies().at(size_t(f)).name);
            form.ShowFamily(f);
            if (!taker.Take(style, family, QString())
                || !taker.TakeInnerPages(style, form.Families().at(f), family)
                || !taker.TakeFocused(style, form.Families().at(f), family))
                return fail(taker.Error());
            form.SetFamiliesDisabled(true);
            const bool ok = taker.Take(style, family, QStringLiteral("disabled"));
            form.SetFamiliesDisabled(false);
            if (!ok)
                return fail(taker.Error());
        }
        if (!taker.TakeMenu(style) || !taker.TakeComboList(style) || !taker.TakeAbout(style))
            return fail(taker.Error());
        for (int f = 0; f < form.Families().size(); ++f) {
            if (QLatin1String(GalleryFamilies().at(size_t(f)).name) == QLatin1String("Focus")) {
                form.ShowFamily(f);
                taker.TakeStates(style, form.Families().at(f));
            }
        }
    }
    form.ShowFamily(0);

    // A sheet per family: a column per style, a row per picture of the family (its page, its
    // inner pages, disabled); the popups have a sheet of their own.
    QStringList families;
    for (const GalleryFamilyRow &row : GalleryFamilies())
        families << QLatin1String(row.name);
    families << QString();
    for (const QString &family : std::as_const(families)) {
        QStringList variants;
        for (const Shot &shot : taker.Shots()) {
            if (shot.family == family && !variants.contains(shot.variant))
                variants << shot.variant;
        }
        QList<QImage> images;
        QStringList labels;
        for (const QString &variant : std::as_const(variants)) {
            for (TzynUIStyle style : styles) {
                QImage image;
                for (const Shot &shot : taker.Shots()) {
                    if (shot.family == family && shot.variant == variant && shot.style == style)
                        image = shot.image;
                }
                images << image;
                labels << (variant.isEmpty()
                        ? styleLabel(style)
                        : QStringLiteral("%1: %2").arg(styleLabel(style), variant));
            }
        }
        const QString file
            = QDir(dir).filePath(QStringLiteral("gallery-sheet-%1.png")
                                     .arg(family.isEmpty() ? QStringLiteral("popups") : family));
        if (!contactSheet(images, labels, int(styles.size()), 0.5).save(file))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }

    // The states sheet: a row per style, the controls' looks enlarged twice so that a focus
    // rectangle's dots and a picture's edge can be seen.
    if (taker.StatesPerStyle() > 0) {
        const QString file = QDir(dir).filePath(QStringLiteral("gallery-sheet-states.png"));
        if (!contactSheet(taker.States(), taker.StateLabels(), taker.StatesPerStyle(), 2.0)
                 .save(file))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }

    // The overview: every family's page in every style, at a third.
    QList<QImage> overview;
    QStringList names;
    for (const QString &family : std::as_const(families)) {
        if (family.isEmpty())
            continue;
        for (TzynUIStyle style : styles) {
            for (const Shot &shot : taker.Shots()) {
                if (shot.family == family && shot.variant.isEmpty() && shot.style == style) {
                    overview << shot.image;
                    names << QStringLiteral("%1: %2").arg(family, styleLabel(style));
                }
            }
        }
    }
    const QString sheetFile = QDir(dir).filePath(QStringLiteral("gallery-contact-sheet.png"));
    if (!contactSheet(overview, names, int(styles.size()), 1.0 / 3).save(sheetFile))
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
