#pragma once

#include "TForm.h"
#include "ZYNThemes.h"

#include <QList>

class GalleryFamily;
class GalleryPages;
class TzynForm;
class TzynImagePanel;
class TzynRadioButton;

// The skin gallery's window: a skinned frame with a row of six style buttons and an area
// holding a page control with one page per family of skinned controls, each family in its own
// group box, built from the layout description "SkinGallery.layout" and the families' own
// layouts. Choosing a style sets the frame's UIStyle; the frame pushes it on to everything
// inside.
class TGalleryForm : public TForm {
    Q_OBJECT
public:
    explicit TGalleryForm(QWidget *parent = nullptr);

    // The style buttons in their row order: Custom, MacOS, WinXP, DeepBlue, Protein, BlueGlass.
    static QList<TzynUIStyle> Styles();

    TzynForm *Frame() const { return m_frame; }
    TzynImagePanel *FamilyArea() const { return m_area; }
    TzynRadioButton *StyleButton(TzynUIStyle style) const;
    const QList<GalleryFamily *> &Families() const { return m_families; }
    // The page control whose pages hold the families, in the order of the family table.
    GalleryPages *Pages() const { return m_pages; }
    // Shows the page of the family at that index.
    void ShowFamily(int index);
    // What a click on that style's button does.
    void ChooseStyle(TzynUIStyle style);

    // Fits the page control to the area again (after its size changed).
    void ArrangeFamilies();

public Q_SLOTS:
    void StyleButtonClick(QObject *Sender);

protected:
    void Loaded() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TzynForm *m_frame = nullptr;
    TzynImagePanel *m_area = nullptr;
    QList<TzynRadioButton *> m_styleButtons;
    QList<GalleryFamily *> m_families;
    GalleryPages *m_pages = nullptr;
};
