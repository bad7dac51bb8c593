#pragma once

#include "ZYNThemes.h"

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;
class TzynButton;
class TzynForm;
class TzynProgressBar;

// The gallery's sample Custom skin (drawn by tools/galleryskin, shipped as "GALLERY_..." theme
// bitmaps). The frame pushes nothing when it is set to Custom, and a control in Custom keeps
// whatever pictures and colours its own properties hold; so choosing Custom hands these
// pictures to the controls that take pictures in Custom: the frame's title bar and its buttons,
// the push buttons (by resource name, in the picture size nearest to each button's) and the
// progress bars, and gives the frame the skin's colours. Leaving Custom gives the controls it
// skinned the next style before the frame pushes that style, since the push passes over
// controls in Custom.
class GalleryCustomSkin {
public:
    explicit GalleryCustomSkin(TzynForm *frame);

    // Skins every control under the frame that takes pictures in Custom, except those that
    // are in Custom already (they keep their own look).
    void Apply();
    // Gives the controls that Apply skinned the style back.
    void Remove(TzynUIStyle style);
    bool Applied() const { return m_applied; }

    // The name of the skin's push-button picture for a button of that size and state
    // ("NORMAL", "MOUSEON", "MOUSEDOWN"): the smallest picture that covers the button, else
    // the largest.
    static QString ButtonPicture(const QSize &size, const QString &state);
    // Skins one push button, or one progress bar (for controls made after Apply).
    static void SkinButton(TzynButton *button);
    static void SkinProgressBar(TzynProgressBar *bar);

private:
    void skinTitleBar();

    TzynForm *m_frame;
    QList<QPointer<QWidget>> m_skinned;
    bool m_applied = false;
};
