#pragma once

#include "TControlBase.h"
#include "TStrings.h"
#include "TzynSkinned.h"
#include "ZYNLooks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>

#include <functional>
class TzynMenuRowDelegate;

// The combo box repainted after Qt's own painting: its drop-down button (where Qt's style puts
// it) filled with ButtonColor, or with the MacOS button picture, and carrying a small triangle
// in ArrowColor (white-shadowed grey when disabled), and the flat two-line border of the
// skinned views round it. Editable (csDropDown) or a list to pick from (csDropDownList).
class TzynCustomComboBox : public TzynStyled<TzynSkinned<TControlBase<QComboBox>>> {
    Q_OBJECT
public:
    enum TComboBoxStyle { csDropDown, csDropDownList };
    Q_ENUM(TComboBoxStyle)
    enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
    Q_ENUM(TEditCharCase)

    explicit TzynCustomComboBox(QWidget *parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    TColor ButtonColor() const { return m_buttonColor; }
    void setButtonColor(TColor color);
    TColor ArrowColor() const { return m_arrowColor; }
    void setArrowColor(TColor color);

    TComboBoxStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void setStyle(TComboBoxStyle style);
    TEditCharCase CharCase() const { return m_charCase; }
    void setCharCase(TEditCharCase charCase);
    int DropDownCount() const { return maxVisibleItems(); }
    void setDropDownCount(int count) { setMaxVisibleItems(count); }
    int ItemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    // The lines to pick from; edits change them in place and keep the current one.
    TStrings *Items() const { return m_items; }
    // Copies the lines into Items.
    void setItems(const QStringList &items) { m_items->setLines(items); }
    int ItemIndex() const { return currentIndex(); }
    void setItemIndex(int index) { setCurrentIndex(index); }
    QString Text() const { return currentText(); }
    void setText(const QString &text);

    // Qt's style decides where the drop-down button is.
    QRect ButtonRect() const;
    // The triangle's top-left corner for a button rectangle: centred across the button, half
    // the button's height down from the control's top.
    static QPoint ArrowOrigin(const QRect &button);
    // The drop-down button's look: pressed while the list is open, under the pointer (anywhere
    // on a list-style box, on the button of an editable one), or normal.
    TzynPictureState ButtonState() const;

Q_SIGNALS:
    void OnChange(QObject *Sender);
    void OnClick(QObject *Sender);
    void OnDropDown(QObject *Sender);
    void OnCloseUp(QObject *Sender);
    T_CONTROL_EVENTS

protected:
    // Custom included: the combo box takes the style's colours, and a style without colours
    // gives black.
    void ApplyUIStyle(TzynUIStyle style) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void colorChanged() override;
    void showPopup() override;
    void hidePopup() override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void SkinStateChanged(TzynSkinState) override { update(); }

private:
    void setPointerOnButton(bool on);
    QString cased(const QString &text) const;
    TStrings::Store itemStore();
    void assignItems(const QStringList &items);
    void editItems(const std::function<void()> &edit);
    // Raises OnChange, then OnClick, held back while Qt handled an event of the box.
    void raiseHeldBack();

    TColor m_borderColor = Colors::clBlack;
    TColor m_buttonColor = Colors::clBtnFace;
    TColor m_arrowColor = Colors::clBlack;
    TEditCharCase m_charCase = ecNormal;
    QPointer<QLineEdit> m_casedEdit;
    TStrings *m_items;
    int m_itemHeight = 16;
    int m_eventDepth = 0;
    bool m_changeHeldBack = false;
    bool m_clickHeldBack = false;
    bool m_pickPending = false;
    bool m_editingItems = false;
    bool m_pointerOnButton = false;
    bool m_popupOpen = false;
    TzynMenuRowDelegate *m_rowDelegate = nullptr;
};
