#include "TToolBar.h"

#include "TImageList.h"
#include "TProperty.h"
#include "TToolButton.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

constexpr int kEdge = 2;
constexpr int kGapWidth = 8;

QString withoutMnemonic(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                plain += caption[++i];
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

// A one-pixel edge around r (exclusive right and bottom): light on top and left, dark on the
// bottom and right; swapped for a sunken edge.
void drawEdge(QPainter &canvas, const QRect &r, bool sunken)
{
    const QColor light = toQColor(Colors::clBtnHighlight);
    const QColor dark = toQColor(Colors::clBtnShadow);
    const QColor &topLeft = sunken ? dark : light;
    const QColor &bottomRight = sunken ? light : dark;
    canvas.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    canvas.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    canvas.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    canvas.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

TToolBar::TToolBar(QWidget *parent)
    : TControl(parent)
{
    qRegisterMetaType<TToolButton *>();
    qRegisterMetaType<TToolBar *>();
    setBounds(0, 0, 150, 29);
    setAlign(Fw::alTop);
}

TToolBar::~TToolBar()
{
    // The buttons are freed by QWidget's destructor, after this one: by then the bar is no
    // longer a TToolBar, so they must not call back into it (their QPointer is cleared only
    // later still, by QObject's destructor). Every child that holds the bar lets go, listed
    // or not.
    for (TToolButton *button : findChildren<TToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (button->m_bar.data() == this)
            button->m_bar = nullptr;
    }
    for (const QPointer<TToolButton> &button : std::as_const(m_buttons)) {
        if (button && button->m_bar.data() == this)
            button->m_bar = nullptr;
    }
    m_buttons.clear();
}

void TToolBar::setFlat(bool value)
{
    if (!AssignIfChanged(m_flat, value))
        return;
    update();
    for (TToolButton *button : findChildren<TToolButton *>(Qt::FindDirectChildrenOnly))
        button->update();
}

void TToolBar::setShowCaptions(bool value)
{
    if (!AssignIfChanged(m_showCaptions, value))
        return;
    ArrangeButtons();
}

void TToolBar::setTransparent(bool value)
{
    if (!AssignIfChanged(m_transparent, value))
        return;
    update();
}

void TToolBar::setImages(TImageList *images)
{
    if (m_images == images)
        return;
    m_images = images;
    ArrangeButtons();
}

void TToolBar::setHotImages(TImageList *images)
{
    if (m_hotImages == images)
        return;
    m_hotImages = images;
    update();
}

void TToolBar::setButtonWidth(int width)
{
    if (width <= 0 || !AssignIfChanged(m_buttonWidth, width))
        return;
    ArrangeButtons();
}

void TToolBar::setButtonHeight(int height)
{
    if (height <= 0 || !AssignIfChanged(m_buttonHeight, height))
        return;
    ArrangeButtons();
}

void TToolBar::setIndent(int indent)
{
    if (!AssignIfChanged(m_indent, indent))
        return;
    ArrangeButtons();
}

void TToolBar::setEdgeBorders(Fw::TEdgeBorders borders)
{
    if (!AssignIfChanged(m_edgeBorders, borders))
        return;
    ArrangeButtons();
    update();
}

int TToolBar::ButtonCount() const
{
    return int(m_buttons.size());
}

TToolButton *TToolBar::Buttons(int index) const
{
    return m_buttons.value(index).data();
}

int TToolBar::IndexOf(const TToolButton *button) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i] == button)
            return i;
    }
    return -1;
}

void TToolBar::InsertButton(TToolButton *button, int index)
{
    if (!button)
        return;
    const int current = IndexOf(button);
    if (current >= 0)
        m_buttons.removeAt(current);
    m_buttons.insert(qBound(0, index, ButtonCount()), button);
    ArrangeButtons();
}

void TToolBar::RemoveButton(TToolButton *button)
{
    const int index = IndexOf(button);
    if (index < 0)
        return;
    m_buttons.removeAt(index);
    ArrangeButtons();
}

TImageList *TToolBar::ImagesFor(Fw::TCustomDrawState state) const
{
    if ((state & Fw::cdsHot) && m_hotImages)
        return m_hotImages.data();
    return m_images.data();
}

void TToolBar::ArrangeButtons()
{
    int x = m_indent + (m_edgeBorders & Fw::ebLeft ? kEdge : 0);
    const int y = m_edgeBorders & Fw::ebTop ? kEdge : 0;
    const int imageWidth = m_images ? m_images->Width() : 0;
    for (const QPointer<TToolButton> &button : std::as_const(m_buttons)) {
        // Only a button hidden on purpose takes no room; one not shown yet does.
        if (!button
            || (button->isHidden() && button->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            continue;
        int w = m_buttonWidth;
        switch (button->Style()) {
        case Fw::tbsSeparator:
        case Fw::tbsDivider:
            w = kGapWidth;
            break;
        default:
            if (button->AutoSize()) {
                w = 0;
                if (m_showCaptions && !button->Caption().isEmpty())
                    w = button->fontMetrics().horizontalAdvance(withoutMnemonic(button->Caption()))
                        + 14;
                if (m_images)
                    w = std::max(w, imageWidth + 7);
                w = std::max(w, 8);
            }
            if (button->Style() == Fw::tbsDropDown)
                w += TToolButton::DropDownWidth;
            break;
        }
        const QRect bounds(x, y, w, m_buttonHeight);
        if (button->geometry() != bounds)
            button->setGeometry(bounds);
        // The bar's own alignment pass re-applies its children's anchor rules when the bar
        // changes size: the rules must hold the place given here, not the button's first one.
        button->updateAnchorRules();
        x += w;
    }
}

void TToolBar::PaintButton(TToolButton *button, QPainter &canvas)
{
    const Fw::TCustomDrawState state = button->DrawState();
    // The hook may choose the font and text colour that the default drawing then uses.
    canvas.setFont(button->font());
    canvas.setPen(toQColor(Colors::clBtnText));
    if (CustomDrawButton(button, canvas, state))
        DefaultDrawButton(button, canvas, state);
}

bool TToolBar::CustomDraw(QPainter &canvas, const QRect &rect)
{
    bool defaultDraw = true;
    Q_EMIT OnCustomDraw(this, &canvas, rect, defaultDraw);
    return defaultDraw;
}

bool TToolBar::CustomDrawButton(TToolButton *button, QPainter &canvas, Fw::TCustomDrawState state)
{
    bool defaultDraw = true;
    Q_EMIT OnCustomDrawButton(this, button, &canvas, state, defaultDraw);
    return defaultDraw;
}

void TToolBar::DefaultDrawButton(TToolButton *button, QPainter &canvas, Fw::TCustomDrawState state)
{
    const QRect r = button->rect();
    switch (button->Style()) {
    case Fw::tbsSeparator:
        return;
    case Fw::tbsDivider: {
        const int x = r.width() / 2 - 1;
        canvas.fillRect(QRect(x, r.top() + 2, 1, r.height() - 4), toQColor(Colors::clBtnShadow));
        canvas.fillRect(
            QRect(x + 1, r.top() + 2, 1, r.height() - 4), toQColor(Colors::clBtnHighlight));
        return;
    }
    default:
        break;
    }
    const QColor textColor = canvas.pen().color();
    const bool sunken = state & (Fw::cdsSelected | Fw::cdsChecked);
    const bool dropDown = button->Style() == Fw::tbsDropDown;
    QRect face = r;
    if (dropDown)
        face.setWidth(r.width() - TToolButton::DropDownWidth);
    if (sunken || (state & Fw::cdsHot) || !m_flat) {
        drawEdge(canvas, face, sunken);
        if (dropDown)
            drawEdge(canvas, QRect(face.right() + 1, 0, TToolButton::DropDownWidth, r.height()),
                button->IsDroppedDown());
    }
    const int shift = sunken ? 1 : 0;
    const bool enabled = !(state & Fw::cdsDisabled);
    int textTop = -1;
    if (TImageList *images = ImagesFor(state); images && button->ImageIndex() >= 0) {
        QPixmap picture = QPixmap::fromImage(images->image(button->ImageIndex()));
        if (!enabled && !picture.isNull()) {
            QStyleOption option;
            option.initFrom(button);
            picture = button->style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
        }
        canvas.drawPixmap(
            face.left() + (face.width() - images->Width()) / 2 + shift, 2 + shift, picture);
        textTop = images->Height() + 4 + shift;
    }
    if (m_showCaptions && !button->Caption().isEmpty()) {
        const int flags = Qt::AlignHCenter | Qt::TextShowMnemonic | Qt::TextSingleLine
            | (textTop < 0 ? Qt::AlignVCenter : Qt::AlignTop);
        const QRect text = textTop < 0
            ? face.translated(shift, shift)
            : QRect(face.left() + shift, textTop, face.width(), r.height() - textTop);
        if (!enabled) {
            canvas.setPen(toQColor(Colors::clBtnHighlight));
            canvas.drawText(text.translated(1, 1), flags, button->Caption());
            canvas.setPen(toQColor(Colors::clGrayText));
        } else {
            canvas.setPen(textColor);
        }
        canvas.drawText(text, flags, button->Caption());
    }
    if (dropDown) {
        // A small triangle in the middle of the arrow part.
        const int cx = face.right() + 1 + TToolButton::DropDownWidth / 2 + shift;
        const int cy = r.height() / 2 + shift;
        const QColor color = enabled ? textColor : toQColor(Colors::clGrayText);
        for (int row = 0; row < 3; ++row)
            canvas.fillRect(QRect(cx - 2 + row, cy - 1 + row, 5 - 2 * row, 1), color);
    }
}

void TToolBar::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    if (!m_transparent)
        canvas.fillRect(rect(), toQColor(Color()));
    if (!CustomDraw(canvas, rect()))
        return;
    const QColor dark = toQColor(Colors::clBtnShadow);
    const QColor light = toQColor(Colors::clBtnHighlight);
    const int w = width(), h = height();
    if (m_edgeBorders & Fw::ebTop) {
        canvas.fillRect(QRect(0, 0, w, 1), dark);
        canvas.fillRect(QRect(0, 1, w, 1), light);
    }
    if (m_edgeBorders & Fw::ebBottom) {
        canvas.fillRect(QRect(0, h - 2, w, 1), dark);
        canvas.fillRect(QRect(0, h - 1, w, 1), light);
    }
    if (m_edgeBorders & Fw::ebLeft) {
        canvas.fillRect(QRect(0, 0, 1, h), dark);
        canvas.fillRect(QRect(1, 0, 1, h), light);
    }
    if (m_edgeBorders & Fw::ebRight) {
        canvas.fillRect(QRect(w - 2, 0, 1, h), dark);
        canvas.fillRect(QRect(w - 1, 0, 1, h), light);
    }
}

void TToolBar::resizeEvent(QResizeEvent *event)
{
    TControl::resizeEvent(event);
    ArrangeButtons();
}

void TToolBar::fontChanged()
{
    ArrangeButtons();
}
