#include "TGalleryForm.h"

#include "Exception.h"
#include "GalleryFamilies.h"
#include "GalleryFamily.h"
#include "GalleryFlow.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"
#include "TzynRadioButton.h"

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

    // The families stand on the frame itself, above the area that marks their place, so that
    // the frame's style reaches the controls in them.
    for (const GalleryFamilyRow &row : GalleryFamilies()) {
        GalleryFamily *family = row.create(m_frame);
        family->Load(QLatin1String(row.name));
        family->Attach(m_frame);
        family->raise();
        m_families.append(family);
    }
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

void TGalleryForm::ArrangeFamilies()
{
    QList<QSize> sizes;
    for (const GalleryFamily *family : m_families)
        sizes.append(family->size());
    const QList<QRect> places = FlowFamilies(sizes, m_area->geometry(), kFamilyGap);
    // Through the control's bounds, so that its anchor rules follow the new place.
    for (int i = 0; i < m_families.size(); ++i)
        m_families[i]->setBounds(
            places[i].x(), places[i].y(), places[i].width(), places[i].height());
}

bool TGalleryForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        ArrangeFamilies();
    return TForm::eventFilter(watched, event);
}
