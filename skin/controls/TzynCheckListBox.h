#pragma once

#include "TzynCustomListBox.h"
#include "TzynSkinned.h"

// The skinned check list box: a list whose items carry check marks drawn from the style's
// "CHECKLIST" pictures (11 by 11, at the left of each row), framed by a flat one-pixel line in
// BorderColor, and bindable to a skinned vertical scroll bar as the list box is. A click on
// a row's mark (in any column of a list laid out in columns) or the space key toggles that
// item's mark and raises OnClickCheck.
class TzynCheckListBox : public TzynStyled<TzynSkinned<TzynCustomListBox>> {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(Fw::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
public:
    // The mark area at the left of each row and the size of a mark picture.
    static constexpr int MarkAreaWidth = 14;
    static constexpr int MarkSize = 11;
    // The mark stands this far from the row's left, clear of the list's border, and a row
    // leaves at least MarkAir pixels above and below it.
    static constexpr int MarkLeft = 2;
    static constexpr int MarkAir = 2;

    explicit TzynCheckListBox(QWidget *parent = nullptr);

    // Besides the style, its border takes the colour of the owner's frame.
    void InitialStyle(TzynUIStyle style) override;
    TColor BorderColor() const { return border().color(); }
    void setBorderColor(TColor color) { border().setColor(color); }
    // Always one pixel, always a single line: writes keep it so.
    int BorderWidth() const { return 1; }
    void setBorderWidth(int) { border().setWidth(1); }
    Fw::TBorderStyle BorderStyle() const { return Fw::bsSingle; }
    // The style is fixed: a write changes nothing.
    void setBorderStyle(Fw::TBorderStyle) { }

    bool Checked(int index) const;
    void setChecked(int index, bool checked);
    // The theme picture for a mark in the list's present state.
    QString MarkPictureName(bool checked) const;
    // Where the mark area and the mark go in a row's rectangle (viewport coordinates).
    QRect MarkArea(const QRect &row) const;
    QPoint MarkOrigin(const QRect &row) const;

Q_SIGNALS:
    void OnClickCheck(QObject *Sender);

protected:
    void ApplyUIStyle(TzynUIStyle style) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void toggle(int index);
};
