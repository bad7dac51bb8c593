#include "TGalleryForm.h"

#include "Exception.h"
#include "GalleryAboutForm.h"
#include "GalleryCustomSkin.h"
#include "GalleryFamilies.h"
#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "TFont.h"
#include "TMenuItem.h"
#include "TzynCheckBox.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynRadioButton.h"
#include "TzynTabSheet.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMetaEnum>
#include <QShortcut>

#ifndef SKIN_LIBRARY_VERSION
#define SKIN_LIBRARY_VERSION "unknown"
#endif

namespace {

// The space between a page's edge and its family, and between the style buttons.
constexpr int kFamilyGap = 6;
constexpr int kStyleGap = 10;

template <class T> T *component(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        throw Exception(QStringLiteral("The gallery's layout has no component %1").arg(name));
    return found;
}

QString styleName(TzynUIStyle style)
{
    return QLatin1String(QMetaEnum::fromType<TzynUIStyle>().valueToKey(int(style)));
}

} // namespace

TGalleryForm::TGalleryForm(QWidget *parent)
    : TForm(parent)
{
    loadLayout(QStringLiteral(":/gallery/layouts/SkinGallery.layout"));
}

TGalleryForm::~TGalleryForm()
{
    delete m_customSkin;
}

QList<TzynUIStyle> TGalleryForm::Styles()
{
    using S = TzynUIStyle;
    return { S::Custom, S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass };
}

QString TGalleryForm::LibraryVersion()
{
    return QStringLiteral(SKIN_LIBRARY_VERSION);
}

void TGalleryForm::Loaded()
{
    m_frame = component<TzynForm>(this, QStringLiteral("zynForm1"));
    m_area = component<TzynImagePanel>(this, QStringLiteral("FamilyArea"));
    m_disabledSwitch = component<TzynCheckBox>(this, QStringLiteral("DisabledSwitch"));
    for (TzynUIStyle style : Styles())
        m_styleButtons.append(
            component<TzynRadioButton>(this, QStringLiteral("Style") + styleName(style)));
    m_style = m_frame->UIStyle();
    m_customSkin = new GalleryCustomSkin(m_frame);

    // The page control stands on the frame itself, above the area that marks its place, so
    // that the frame's style reaches it; its pages pass the style into the families. Each
    // family fills its page: its controls follow the page's size by their anchors.
    m_pages = new GalleryPages(m_frame);
    m_pages->setObjectName(QStringLiteral("FamilyPages"));
    for (const GalleryFamilyRow &row : GalleryFamilies()) {
        auto *page = new TzynTabSheet(m_pages);
        page->setObjectName(QStringLiteral("Page") + QLatin1String(row.name));
        page->setContentsMargins(kFamilyGap, kFamilyGap, kFamilyGap, kFamilyGap);
        GalleryFamily *family = row.create(page);
        family->Load(QLatin1String(row.name));
        family->Attach(m_frame);
        page->setCaption(QLatin1String(row.tab));
        family->setAlign(Fw::alClient);
        m_families.append(family);
        for (QWidget *control : family->findChildren<QWidget *>()) {
            if (control->testAttribute(Qt::WA_ForceDisabled))
                m_disabledByLayout.append(control);
        }
    }
    m_pages->raise();
    ShowFamily(0);
    m_area->installEventFilter(this);
    ArrangeFamilies();
    arrangeStyleRow();
    keepMinimumSize();
    alignCustomTitleButtons();
    wireMenu();
    wirePageKeys();
    TForm::Loaded();
}

void TGalleryForm::arrangeStyleRow()
{
    int x = m_styleButtons.first()->x();
    for (TzynRadioButton *button : std::as_const(m_styleButtons)) {
        const QFontMetrics metrics(button->Font()->toQFont());
        const int mark = std::max(button->PictureWidth(), 16);
        const int width = mark + 6 + metrics.horizontalAdvance(button->Caption()) + 4;
        button->setBounds(x, button->y(), width, button->height());
        x += width + kStyleGap;
    }
}

void TGalleryForm::keepMinimumSize()
{
    Constraints()->setMinWidth(MinimumSize().width());
    Constraints()->setMinHeight(MinimumSize().height());
}

void TGalleryForm::alignCustomTitleButtons()
{
    // A custom button keeps its pictures and its Top in every style, while the bars differ in
    // height and their buttons in size and place: its middle goes where the close button's is.
    // Each style sets its buttons' transparency; the gallery's arrow is always see-through at
    // its corners, which are in the key colour.
    TzynTitleBarButtons *buttons = m_frame->TitleBarButtons();
    const TzynTitleBarButton *close = nullptr;
    for (int i = 0; i < buttons->Count() && !close; ++i) {
        if (buttons->Items(i)->ButtonType() == zynClose)
            close = buttons->Items(i);
    }
    if (!close)
        return;
    for (int i = 0; i < buttons->Count(); ++i) {
        TzynTitleBarButton *button = buttons->Items(i);
        if (button->ButtonType() != zynCustom)
            continue;
        button->setTop(
            close->Top() + (close->PicNormal()->height() - button->PicNormal()->height()) / 2);
        button->setTransparent(true);
    }
}

void TGalleryForm::wireMenu()
{
    if (auto *exit = findChild<TMenuItem *>(QStringLiteral("FileExit")))
        connect(exit, &TMenuItem::OnClick, this, [this] { close(); });
    if (auto *about = findChild<TMenuItem *>(QStringLiteral("HelpAbout")))
        connect(about, &TMenuItem::OnClick, this, [this] { ShowAbout(); });
}

void TGalleryForm::wirePageKeys()
{
    // The pages from the keyboard, wherever the focus is in the window: the next and the
    // previous one, round the end.
    const auto step = [this](int by) {
        const int count = m_pages->PageCount();
        ShowFamily((m_pages->CurrentTabIndex() + by + count) % count);
    };
    const QList<QPair<QKeySequence, int>> keys = { { QKeySequence(Qt::CTRL | Qt::Key_Tab), 1 },
        { QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1 },
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1 },
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1 },
        { QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1 } };
    for (const auto &[key, by] : keys) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [step, by = by] { step(by); });
    }
    m_pages->setHint(QStringLiteral("Ctrl+Tab or Ctrl+Page Down: next page; "
                                    "Ctrl+Shift+Tab or Ctrl+Page Up: previous page"));
    m_pages->setShowHint(true);
}

void TGalleryForm::ShowAbout()
{
    OpenAbout();
}

GalleryAboutForm *TGalleryForm::OpenAbout()
{
    auto *box = new GalleryAboutForm(this);
    box->ShowInStyle(m_style);
    return box;
}

TzynRadioButton *TGalleryForm::StyleButton(TzynUIStyle style) const
{
    const int index = Styles().indexOf(style);
    return index < 0 ? nullptr : m_styleButtons.value(index);
}

void TGalleryForm::ChooseStyle(TzynUIStyle style)
{
    if (TzynRadioButton *button = StyleButton(style))
        button->setChecked(true);
    // The frame's push passes over controls in Custom: those the sample skin gave pictures
    // take the new style first.
    if (style != TzynUIStyle::Custom) {
        m_customSkin->Remove(style);
    } else if (m_style != TzynUIStyle::Custom) {
        // The frame pushes nothing for Custom: what takes no pictures in Custom would keep
        // the looks of whatever style came before. Custom starts from one base instead.
        m_frame->setUIStyle(CustomBase);
    }
    m_frame->setUIStyle(style);
    if (style == TzynUIStyle::Custom)
        m_customSkin->Apply();
    m_style = style;
    arrangeStyleRow();
    keepMinimumSize();
    alignCustomTitleButtons();
}

void TGalleryForm::StyleButtonClick(QObject *Sender)
{
    const int index = m_styleButtons.indexOf(qobject_cast<TzynRadioButton *>(Sender));
    if (index >= 0)
        ChooseStyle(Styles().at(index));
}

void TGalleryForm::DisabledSwitchClick(QObject *)
{
    SetFamiliesDisabled(m_disabledSwitch->Checked());
}

void TGalleryForm::SetFamiliesDisabled(bool disabled)
{
    if (m_disabledSwitch->Checked() != disabled)
        m_disabledSwitch->setChecked(disabled);
    // A group box gives its own enabled state to each control on it, so enabling a family
    // again enables all of them: those that their layout disables are disabled once more.
    for (GalleryFamily *family : std::as_const(m_families))
        family->setEnabled(!disabled);
    if (!disabled) {
        for (const QPointer<QWidget> &control : std::as_const(m_disabledByLayout)) {
            if (control)
                control->setEnabled(false);
        }
    }
}

bool TGalleryForm::FamiliesDisabled() const
{
    return m_disabledSwitch->Checked();
}

void TGalleryForm::ShowFamily(int index)
{
    if (TzynTabSheet *page = m_pages->Page(index))
        m_pages->setActivePage(page);
}

void TGalleryForm::ArrangeFamilies()
{
    // Through the control's bounds, so that its anchor rules follow the new place.
    const QRect area = m_area->geometry();
    m_pages->setBounds(area.x(), area.y(), area.width(), area.height());
}

bool TGalleryForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        ArrangeFamilies();
    return TForm::eventFilter(watched, event);
}
