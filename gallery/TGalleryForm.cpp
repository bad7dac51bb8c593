#include "TGalleryForm.h"

#include "Exception.h"
#include "GalleryFamilies.h"
#include "GalleryFamily.h"
#include "GalleryPages.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynRadioButton.h"
#include "TzynTabSheet.h"

#include <QEvent>
#include <QMetaEnum>

namespace {

constexpr int kFamilyGap = 8;

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

QList<TzynUIStyle> TGalleryForm::Styles()
{
    using S = TzynUIStyle;
    return { S::Custom, S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass };
}

void TGalleryForm::Loaded()
{
    m_frame = component<TzynForm>(this, QStringLiteral("zynForm1"));
    m_area = component<TzynImagePanel>(this, QStringLiteral("FamilyArea"));
    for (TzynUIStyle style : Styles())
        m_styleButtons.append(
            component<TzynRadioButton>(this, QStringLiteral("Style") + styleName(style)));

    // The page control stands on the frame itself, above the area that marks its place, so
    // that the frame's style reaches it; its pages pass the style into the families.
    m_pages = new GalleryPages(m_frame);
    m_pages->setObjectName(QStringLiteral("FamilyPages"));
    for (const GalleryFamilyRow &row : GalleryFamilies()) {
        auto *page = new TzynTabSheet(m_pages);
        page->setObjectName(QStringLiteral("Page") + QLatin1String(row.name));
        GalleryFamily *family = row.create(page);
        family->Load(QLatin1String(row.name));
        family->Attach(m_frame);
        page->setCaption(family->Caption().trimmed());
        family->setBounds(kFamilyGap, kFamilyGap, family->width(), family->height());
        m_families.append(family);
    }
    m_pages->raise();
    ShowFamily(0);
    m_area->installEventFilter(this);
    ArrangeFamilies();
    TForm::Loaded();
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
    m_frame->setUIStyle(style);
}

void TGalleryForm::StyleButtonClick(QObject *Sender)
{
    const int index = m_styleButtons.indexOf(qobject_cast<TzynRadioButton *>(Sender));
    if (index >= 0)
        ChooseStyle(Styles().at(index));
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
