#pragma once

#include "TForm.h"
#include "ZYNThemes.h"

#include <QList>
#include <QPointer>

class GalleryAboutForm;
class GalleryCustomSkin;
class GalleryFamily;
class GalleryPages;
class TzynCheckBox;
class TzynForm;
class TzynImagePanel;
class TzynRadioButton;

// The skin gallery's window: a skinned frame with a row of six style buttons and a switch that
// disables the families' controls, and an area holding a page control with one page per family
// of skinned controls, each family in its own group box filling its page, built from the layout
// description "SkinGallery.layout" and the families' own layouts. Choosing a style sets the
// frame's UIStyle; the frame pushes it on to everything inside. Choosing Custom, which the frame
// does not push, gives the controls that take pictures in Custom the gallery's own sample skin.
class TGalleryForm : public TForm {
    Q_OBJECT
public:
    explicit TGalleryForm(QWidget *parent = nullptr);
    ~TGalleryForm() override;

    // The style buttons in their row order: Custom, MacOS, WinXP, DeepBlue, Protein, BlueGlass.
    static QList<TzynUIStyle> Styles();
    // The smallest size of the window: every page's tab shows and no control is clipped.
    static QSize MinimumSize() { return QSize(640, 480); }
    // The built-in style whose looks Custom starts from, for the controls that take no
    // pictures in Custom, so that Custom looks the same whatever style came before it.
    static constexpr TzynUIStyle CustomBase = TzynUIStyle::DeepBlue;
    // The version of the skin library that the gallery shows.
    static QString LibraryVersion();

    TzynForm *Frame() const { return m_frame; }
    TzynImagePanel *FamilyArea() const { return m_area; }
    TzynRadioButton *StyleButton(TzynUIStyle style) const;
    TzynCheckBox *DisabledSwitch() const { return m_disabledSwitch; }
    const QList<GalleryFamily *> &Families() const { return m_families; }
    // The page control whose pages hold the families, in the order of the family table.
    GalleryPages *Pages() const { return m_pages; }
    // Shows the page of the family at that index.
    void ShowFamily(int index);
    // What a click on that style's button does.
    void ChooseStyle(TzynUIStyle style);
    TzynUIStyle ChosenStyle() const { return m_style; }
    // Disables (or enables again) every control of every family, so that the disabled look of
    // each can be seen; the page tabs stay usable. Controls that are disabled by their layout
    // stay disabled when the switch is turned off.
    void SetFamiliesDisabled(bool disabled);
    bool FamiliesDisabled() const;

    // Opens the About box in the window's style; it deletes itself when it is closed.
    GalleryAboutForm *OpenAbout();

    // Fits the page control to the area again (after its size changed).
    void ArrangeFamilies();

public Q_SLOTS:
    void StyleButtonClick(QObject *Sender);
    void DisabledSwitchClick(QObject *Sender);
    void ShowAbout();

protected:
    void Loaded() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Places the style buttons one after another, each as wide as its caption needs.
    void arrangeStyleRow();
    void wireMenu();
    // Gives the window its own minimum size again: each style's title bar sets one of its own.
    void keepMinimumSize();
    // Sets the custom title-bar buttons in line with the style's own buttons, see-through at
    // their corners.
    void alignCustomTitleButtons();
    // Ctrl+Tab and Ctrl+Page Down show the next page, Ctrl+Shift+Tab and Ctrl+Page Up the
    // previous one.
    void wirePageKeys();

    TzynForm *m_frame = nullptr;
    TzynImagePanel *m_area = nullptr;
    TzynCheckBox *m_disabledSwitch = nullptr;
    QList<TzynRadioButton *> m_styleButtons;
    QList<GalleryFamily *> m_families;
    // The controls that their layouts disable, which the Disabled switch leaves disabled.
    QList<QPointer<QWidget>> m_disabledByLayout;
    GalleryPages *m_pages = nullptr;
    GalleryCustomSkin *m_customSkin = nullptr;
    TzynUIStyle m_style = TzynUIStyle::DeepBlue;
};
