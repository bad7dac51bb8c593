#include "GalleryAboutForm.h"

#include "Exception.h"
#include "GalleryCustomSkin.h"
#include "TGalleryForm.h"
#include "TzynForm.h"
#include "TzynImagePanel.h"

GalleryAboutForm::GalleryAboutForm(QWidget *parent)
    : TForm(parent)
{
    // Its own window, over the gallery's, which waits while it is open.
    setWindowFlag(Qt::Window);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    loadLayout(QStringLiteral(":/gallery/layouts/About.layout"));
}

void GalleryAboutForm::Loaded()
{
    m_frame = findChild<TzynForm *>(QStringLiteral("AboutFrame"));
    m_version = findChild<TzynImagePanel *>(QStringLiteral("AboutVersion"));
    if (!m_frame || !m_version)
        throw Exception(QStringLiteral("The About box's layout is incomplete"));
    m_version->setCaption(
        QStringLiteral("Skin library version %1").arg(TGalleryForm::LibraryVersion()));
    TForm::Loaded();
}

QString GalleryAboutForm::VersionText() const
{
    return m_version->Caption();
}

void GalleryAboutForm::ShowInStyle(TzynUIStyle style)
{
    if (style == TzynUIStyle::Custom) {
        GalleryCustomSkin skin(m_frame);
        skin.Apply();
    } else {
        m_frame->setUIStyle(style);
    }
    Show();
    // Over the middle of the gallery's window.
    if (QWidget *owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void GalleryAboutForm::OkClick(QObject *)
{
    close();
}
