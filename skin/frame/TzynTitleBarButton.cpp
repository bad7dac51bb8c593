#include "TzynTitleBarButton.h"

#include "TBitmap.h"
#include "TPicture.h"
#include "TProperty.h"
#include "TzynErrorBox.h"
#include "TzynTitleBarButtons.h"

#include <QMenu>

TzynTitleBarButton::TzynTitleBarButton(TzynTitleBarButtons *collection)
    : QObject(collection)
    , m_collection(collection)
    , m_picNormal(new TPicture(this))
    , m_picMouseOn(new TPicture(this))
    , m_picMouseDown(new TPicture(this))
{
    for (TPicture *picture : { m_picNormal, m_picMouseOn, m_picMouseDown })
        connect(picture, &TPicture::OnChange, this, [this] { Changed(); });
}

TzynTitleBar *TzynTitleBarButton::TitleBar() const
{
    return m_collection ? m_collection->Owner() : nullptr;
}

int TzynTitleBarButton::Index() const
{
    return m_collection ? m_collection->IndexOf(this) : -1;
}

void TzynTitleBarButton::Changed()
{
    if (m_collection)
        m_collection->Update();
}

void TzynTitleBarButton::setVisible(bool visible)
{
    if (AssignIfChanged(m_visible, visible))
        Changed();
}

void TzynTitleBarButton::setButtonType(TzynTitleBarBtnType type)
{
    if (type == zynControlBox && m_collection) {
        for (int i = 0; i < m_collection->Count(); ++i) {
            // The button itself does not conflict with the value it already has.
            if (m_collection->Items(i) != this && m_collection->Items(i)->m_type == zynControlBox) {
                TzynErrorBox::Show(QStringLiteral(
                    "Sorry, only one button's ButtonType property can be \"zynControlBox\""));
                return;
            }
        }
    }
    m_type = type;
    LoadStylePictures();
    Changed();
}

void TzynTitleBarButton::setTransparent(bool transparent)
{
    if (AssignIfChanged(m_transparent, transparent))
        Changed();
}

void TzynTitleBarButton::setTop(int top)
{
    if (AssignIfChanged(m_top, top))
        Changed();
}

void TzynTitleBarButton::setUIStyle(TzynUIStyle style)
{
    m_style = style;
    LoadStylePictures();
}

void TzynTitleBarButton::setPicNormal(const TPicture *picture)
{
    m_picNormal->assign(picture);
    Changed();
}

void TzynTitleBarButton::setPicMouseOn(const TPicture *picture)
{
    m_picMouseOn->assign(picture);
    Changed();
}

void TzynTitleBarButton::setPicMouseDown(const TPicture *picture)
{
    m_picMouseDown->assign(picture);
    Changed();
}

void TzynTitleBarButton::loadPictures(
    TzynThemeEntry normal, TzynThemeEntry mouseOn, TzynThemeEntry mouseDown)
{
    const std::pair<TPicture *, TzynThemeEntry> pictures[]
        = { { m_picNormal, normal }, { m_picMouseOn, mouseOn }, { m_picMouseDown, mouseDown } };
    for (const auto &[picture, entry] : pictures) {
        auto bitmap = std::make_unique<TBitmap>();
        LoadThemeBitmap(*bitmap, GetThemeResName(m_style, entry));
        picture->setGraphic(std::move(bitmap));
    }
}

void TzynTitleBarButton::LoadStylePictures()
{
    if (m_style == TzynUIStyle::Custom)
        return;
    using E = TzynThemeEntry;
    m_transparent = GetThemeBool(m_style, E::TitleButtonTransparent) != 0;
    switch (m_type) {
    case zynMax:
        UpdateMaxPictures();
        break;
    case zynMin:
        loadPictures(E::TitleMinNormalImage, E::TitleMinMouseOnImage, E::TitleMinMouseDownImage);
        break;
    case zynClose:
        loadPictures(
            E::TitleCloseNormalImage, E::TitleCloseMouseOnImage, E::TitleCloseMouseDownImage);
        break;
    case zynHelp:
        loadPictures(E::TitleHelpNormalImage, E::TitleHelpMouseOnImage, E::TitleHelpMouseDownImage);
        break;
    case zynControlBox:
        loadPictures(E::TitleControlBoxNormalImage, E::TitleControlBoxMouseOnImage,
            E::TitleControlBoxMouseDownImage);
        break;
    case zynCustom:
        Changed();
        return;
    }
    m_top = GetThemeInt(m_style, E::TitleButtonTop);
    Changed();
}

void TzynTitleBarButton::UpdateMaxPictures()
{
    if (m_style == TzynUIStyle::Custom || m_type != zynMax)
        return;
    using E = TzynThemeEntry;
    // Both ways: a restored window shows the maximise pictures again.
    if (m_collection && m_collection->WindowMaximized())
        loadPictures(
            E::TitleRestoreNormalImage, E::TitleRestoreMouseOnImage, E::TitleRestoreMouseDownImage);
    else
        loadPictures(E::TitleMaxNormalImage, E::TitleMaxMouseOnImage, E::TitleMaxMouseDownImage);
}

void TzynTitleBarButton::PerformAction()
{
    Q_EMIT Triggered(this);
}

void TzynTitleBarButton::Assign(const TzynTitleBarButton *source)
{
    if (!source || source == this)
        return;
    setVisible(source->m_visible);
    setButtonType(source->m_type);
    setTransparent(source->m_transparent);
    setTop(source->m_top);
    setUIStyle(source->m_style);
    setPicNormal(source->m_picNormal);
    setPicMouseOn(source->m_picMouseOn);
    setPicMouseDown(source->m_picMouseDown);
    m_controlBoxMenu = source->m_controlBoxMenu;
    m_hint = source->m_hint;
}

QString TzynTitleBarButton::ShownHint() const
{
    if (!m_hint.isEmpty())
        return m_hint;
    switch (m_type) {
    case zynMax:
        return m_collection && m_collection->WindowMaximized() ? tr("Restore") : tr("Maximise");
    case zynMin:
        return tr("Minimise");
    case zynClose:
        return tr("Close");
    case zynHelp:
        return tr("Help");
    case zynControlBox:
        return tr("Window menu");
    case zynCustom:
        break;
    }
    return QString();
}
