#pragma once

#include "TzynCustomPanel.h"
#include "TzynSkinned.h"

// A container with a flat one-pixel frame in BorderColor and a caption set into its top edge,
// over its own colour or, when transparent, the parent's background. The client area is the
// whole control: a child aligned to the client covers frame and caption. It passes a UI style
// on to the skinned controls placed on it.
//
// Caption is the group box's own text; the panel's window text is one blank, so that the
// panel base draws no text of its own.
class TzynCustomGroupBox : public TzynSkinned<TzynCustomPanel>, public TzynBorderColored {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
public:
    explicit TzynCustomGroupBox(QWidget *parent = nullptr);

    QString Caption() const override { return m_caption; }
    void setCaption(const QString &caption) override;
    TColor BorderColor() const override { return m_borderColor; }
    void setBorderColor(TColor color) override;

    // Where the check and radio groups lay out their items.
    QRect ItemsRect() const;

    void UpdateChildrenUIStyle(TzynUIStyle style) override;

    // The border and the caption colour of the owner's style; the colour stays the parent's.
    void InitialStyle(TzynUIStyle style) override;

protected:
    // Enabling or disabling the group box itself (through the property, a QWidget pointer or a
    // connected slot) does the same to every direct child control, also to children that were
    // disabled on their own. A change that only follows an enclosing control leaves the
    // children's own states alone, as Qt does.
    void changeEvent(QEvent *event) override;
    void paintPanel(QPainter &canvas) override;
    void fontChanged() override;

private:
    QString m_caption;
    TColor m_borderColor = Colors::clBlack;
    // The group box's own enabled state when it last passed it on to its children.
    bool m_ownEnabled = true;
};
