#include "GalleryCustomSkin.h"

#include "TBitmap.h"
#include "TPicture.h"
#include "TzynButton.h"
#include "TzynForm.h"
#include "TzynProgressBar.h"
#include "TzynSideChannel.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarSection.h"
#include "TzynTitleBarSections.h"

#include <QDir>
#include <QRegularExpression>

namespace {

const QColor kAmber(0xF2, 0xB3, 0x3D);
const QColor kLeafDark(0x1F, 0x4D, 0x2C);
const QColor kMeadow(0xE4, 0xF4, 0xDC);

void setPicture(TPicture *target, const QString &name)
{
    target->setGraphic(std::make_unique<TBitmap>(ThemeImage(name)));
}

// The sizes in which the skin has push-button pictures, smallest area first.
QList<QSize> buttonSizes()
{
    static const QList<QSize> sizes = [] {
        QList<QSize> found;
        const QRegularExpression pattern(
            QStringLiteral("^GALLERY_BUTTON_(\\d+)X(\\d+)_NORMAL\\.bmp$"));
        for (const QString &file : QDir(QStringLiteral(":/themes")).entryList()) {
            const QRegularExpressionMatch match = pattern.match(file);
            if (match.hasMatch())
                found.append(QSize(match.captured(1).toInt(), match.captured(2).toInt()));
        }
        std::sort(found.begin(), found.end(), [](const QSize &a, const QSize &b) {
            return a.width() * a.height() < b.width() * b.height();
        });
        return found;
    }();
    return sizes;
}

} // namespace

GalleryCustomSkin::GalleryCustomSkin(TzynForm *frame)
    : m_frame(frame)
{
}

QString GalleryCustomSkin::ButtonPicture(const QSize &size, const QString &state)
{
    const QList<QSize> sizes = buttonSizes();
    if (sizes.isEmpty())
        return QString();
    QSize chosen = sizes.last();
    for (const QSize &candidate : sizes) {
        if (candidate.width() >= size.width() && candidate.height() >= size.height()) {
            chosen = candidate;
            break;
        }
    }
    return QStringLiteral("GALLERY_BUTTON_%1X%2_%3")
        .arg(chosen.width())
        .arg(chosen.height())
        .arg(state);
}

void GalleryCustomSkin::SkinButton(TzynButton *button)
{
    button->setUIStyle(TzynUIStyle::Custom);
    button->setPicNormalResName(ButtonPicture(button->size(), QStringLiteral("NORMAL")));
    button->setPicMouseOnResName(ButtonPicture(button->size(), QStringLiteral("MOUSEON")));
    button->setPicMouseDownResName(ButtonPicture(button->size(), QStringLiteral("MOUSEDOWN")));
    // The pictures' corners, in their top-left colour, let the page show through.
    button->setTransparent(true);
}

void GalleryCustomSkin::SkinProgressBar(TzynProgressBar *bar)
{
    bar->setUIStyle(TzynUIStyle::Custom);
    TPicture picture;
    setPicture(&picture,
        bar->Orientation() == zynVertical ? QStringLiteral("GALLERY_PROGRESSBAR_V")
                                          : QStringLiteral("GALLERY_PROGRESSBAR"));
    bar->setPicture(&picture);
    bar->setColor(fromQColor(kMeadow));
    bar->setBorderColor(fromQColor(kLeafDark));
}

void GalleryCustomSkin::Apply()
{
    if (m_applied)
        return;
    m_applied = true;
    m_frame->setColor(fromQColor(kMeadow));
    m_frame->setBorderColor(fromQColor(kLeafDark));
    m_frame->setMenuBarColor(fromQColor(kMeadow));
    skinTitleBar();
    for (TzynButton *button : m_frame->findChildren<TzynButton *>()) {
        // A button in Custom keeps its own look; the side channel's strip is part of it.
        if (button->UIStyle() == TzynUIStyle::Custom
            || qobject_cast<TzynSideChannel *>(button->parentWidget()->parentWidget()))
            continue;
        SkinButton(button);
        m_skinned.append(button);
    }
    for (TzynProgressBar *bar : m_frame->findChildren<TzynProgressBar *>()) {
        if (bar->UIStyle() == TzynUIStyle::Custom)
            continue;
        SkinProgressBar(bar);
        m_skinned.append(bar);
    }
    m_frame->update();
}

void GalleryCustomSkin::skinTitleBar()
{
    TzynTitleBar *bar = m_frame->TitleBar();
    TzynTitleBarSections *sections = bar->Sections();
    sections->Clear();
    auto add = [&](const char *name, TzynTitleBarSection::TzynTitleBarAlign align) {
        TzynTitleBarSection *section = sections->Add();
        TPicture picture;
        setPicture(&picture, QLatin1String(name));
        section->setPicture(&picture);
        if (align == TzynTitleBarSection::zynClient) {
            section->setAlign(align);
            section->setStretch(true);
        } else {
            section->setAutoSize(true);
            if (align != TzynTitleBarSection::zynLeft)
                section->setAlign(align);
        }
    };
    add("GALLERY_TITLE_LEFT", TzynTitleBarSection::zynLeft);
    add("GALLERY_TITLE_RIGHT", TzynTitleBarSection::zynRight);
    add("GALLERY_TITLE_CLIENT", TzynTitleBarSection::zynClient);

    TzynTitleBarButtons *buttons = m_frame->TitleBarButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TzynTitleBarButton *button = buttons->Items(i);
        const char *type = nullptr;
        switch (button->ButtonType()) {
        case zynClose:
            type = "CLOSE";
            break;
        case zynMax:
            type = "MAX";
            break;
        case zynMin:
            type = "MIN";
            break;
        case zynHelp:
            type = "HELP";
            break;
        case zynControlBox:
            type = "CTLBOX";
            break;
        default:
            // The custom button keeps the pictures its layout gave it.
            continue;
        }
        button->setUIStyle(TzynUIStyle::Custom);
        button->setTransparent(true);
        const QString base = QStringLiteral("GALLERY_TITLEBTN_%1_").arg(QLatin1String(type));
        TPicture picture;
        setPicture(&picture, base + QStringLiteral("NORMAL"));
        button->setPicNormal(&picture);
        setPicture(&picture, base + QStringLiteral("MOUSEON"));
        button->setPicMouseOn(&picture);
        setPicture(&picture, base + QStringLiteral("MOUSEDOWN"));
        button->setPicMouseDown(&picture);
    }
    bar->update();
}

void GalleryCustomSkin::Remove(TzynUIStyle style)
{
    if (!m_applied)
        return;
    m_applied = false;
    TzynTitleBarButtons *buttons = m_frame->TitleBarButtons();
    for (int i = 0; i < buttons->Count(); ++i) {
        if (buttons->Items(i)->ButtonType() != zynCustom)
            buttons->Items(i)->setUIStyle(style);
    }
    for (const QPointer<QWidget> &control : std::as_const(m_skinned)) {
        if (auto *button = qobject_cast<TzynButton *>(control.data()))
            button->setUIStyle(style);
        else if (auto *bar = qobject_cast<TzynProgressBar *>(control.data()))
            bar->setUIStyle(style);
    }
    m_skinned.clear();
}
