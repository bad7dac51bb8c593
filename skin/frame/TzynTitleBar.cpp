#include "TzynTitleBar.h"

#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TConstraints.h"
#include "TFont.h"
#include "TPicture.h"
#include "TProperty.h"
#include "TzynEdgeZones.h"
#include "TzynForm.h"
#include "TzynTitleBarButton.h"
#include "TzynTitleBarButtons.h"
#include "TzynTitleBarLayout.h"
#include "TzynTitleBarSection.h"
#include "TzynTitleBarSections.h"
#include "TzynWindowDrag.h"
#include "TzynWindowMenu.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include <cmath>

namespace {

// A section's picture as an image of its own size; null when it holds none.
QImage pictureImage(const TPicture *picture)
{
    return picture && !picture->isEmpty() ? GraphicImage(*picture->graphic()) : QImage();
}

// A button's picture as its cell shows it: over white, cut or padded to the size of the
// button's normal picture, and when the button is transparent without the colour of the
// cell's bottom-left pixel.
QImage buttonCell(const TPicture *picture, const QSize &cellSize, bool transparent)
{
    // The usual picture, an opaque bitmap of the cell's size, is its own cell, so that its
    // keyed form is prepared once and kept rather than composed and keyed on every paint.
    const auto *bitmap = dynamic_cast<const TBitmap *>(picture ? picture->graphic() : nullptr);
    if (bitmap && !bitmap->transparent() && bitmap->image().size() == cellSize
        && !bitmap->image().hasAlphaChannel()) {
        const QImage &image = bitmap->image();
        return transparent ? PreparedPicture(image, true, image.pixel(0, image.height() - 1), false)
                           : image;
    }
    QImage cell(cellSize, QImage::Format_ARGB32);
    cell.fill(Qt::white);
    {
        const QImage image = pictureImage(picture);
        QPainter cellCanvas(&cell);
        if (!image.isNull())
            cellCanvas.drawImage(0, 0, image);
    }
    if (transparent)
        cell = KeyedImage(cell, cell.pixel(0, cell.height() - 1));
    return cell;
}

// Bytes a character takes in the Chinese code page: one for ASCII, two otherwise.
int ansiBytes(QChar c)
{
    return c.unicode() < 0x80 ? 1 : 2;
}

} // namespace

TzynTitleBar::TzynTitleBar(QWidget *parent)
    : TCustomPanel(parent)
    , m_sections(new TzynTitleBarSections(this))
    , m_buttons(new TzynTitleBarButtons(this))
    , m_drag(new TzynWindowDrag(this))
{
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setBevelOuter(Fw::bvNone);
    connect(m_sections, &TzynTitleBarSections::OnUpdate, this, [this] { update(); });
    connect(m_buttons, &TzynTitleBarButtons::OnUpdate, this, [this] { update(); });
    connect(m_buttons, &TzynTitleBarButtons::ButtonTriggered, this, &TzynTitleBar::performAction);
    for (TzynTitleBarBtnType type : { zynControlBox, zynClose, zynMax, zynMin })
        m_buttons->Add()->setButtonType(type);
    m_buttons->markAsDefault();
    setAlign(Fw::alTop);
    Font()->setColor(Colors::clWhite);
    Font()->setName(QStringLiteral("Tahoma"));
    Font()->setStyle(Fw::fsBold);
    // A bar is created by its frame, which is its owner as well as its parent.
    TakeOwnerStyle(parent);
}

TzynTitleBar::~TzynTitleBar() = default;

QWidget *TzynTitleBar::ParentForm() const
{
    // A frame that is still being built is not yet on its form.
    if (TzynForm *frame = ParentFrame(); frame && frame->IsConstructing())
        return nullptr;
    QWidget *form = window();
    return form != this ? form : nullptr;
}

TzynForm *TzynTitleBar::ParentFrame() const
{
    return qobject_cast<TzynForm *>(parentWidget());
}

void TzynTitleBar::setAutoSize(bool value)
{
    m_autoSize = value;
    if (m_sections->Count() == 0) {
        m_autoSize = false;
    } else if (m_autoSize) {
        // Switching it off keeps the height the bar has.
        const int h = m_sections->Items(0)->Picture()->height();
        if (h != height())
            setHeight(h);
    }
    update();
}

void TzynTitleBar::setUIStyle(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    m_style = style;
    m_sections->Clear();
    if (style == TzynUIStyle::Custom) {
        update();
        return;
    }
    auto addSection = [&](E entry, TzynTitleBarAlign align, bool autoSize) {
        TzynTitleBarSection *section = m_sections->Add();
        TBitmap bitmap;
        LoadThemeBitmap(bitmap, GetThemeResName(style, entry));
        TPicture picture;
        picture.setGraphic(bitmap.clone());
        section->setPicture(&picture);
        if (autoSize)
            section->setAutoSize(true);
        if (align != zynLeft)
            section->setAlign(align);
    };
    addSection(E::TitleLeftImage, zynLeft, true);
    addSection(E::TitleRightImage, zynRight, true);
    addSection(E::TitleClientImage, zynClient, false);
    m_sections->markAsDefault();
    m_leftBtnXOffset = GetThemeInt(style, E::TitleLeftBtnXOffset);
    m_rightBtnXOffset = GetThemeInt(style, E::TitleRightBtnXOffset);
    if (QWidget *form = ParentForm()) {
        if (TzynForm *frame = ParentFrame(); frame && frame->HostForm() == form)
            frame->LimitHostMinSize(GetThemeInt(style, E::FormMinWidth), -1);
        else if (TControlCore *core = TControlCore::of(form))
            core->constraints()->setMinWidth(GetThemeInt(style, E::FormMinWidth));
        else
            form->setMinimumWidth(GetThemeInt(style, E::FormMinWidth));
    }
    m_roundCorner = GetThemeInt(style, E::TitleRoundCorner);
    if (ParentFrame())
        ApplyRegion(m_roundCorner);
    WindowStateChanged();
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Items(i)->setUIStyle(style);
    setAutoSize(true);
    update();
}

void TzynTitleBar::setSections(const TzynTitleBarSections *sections)
{
    m_sections->Assign(sections);
}

void TzynTitleBar::setButtons(const TzynTitleBarButtons *buttons)
{
    m_buttons->Assign(buttons);
}

void TzynTitleBar::setButtonInterval(int value)
{
    if (AssignIfChanged(m_buttonInterval, value))
        update();
}

void TzynTitleBar::setFormActive(bool value)
{
    if (AssignIfChanged(m_formActive, value))
        update();
}

void TzynTitleBar::setLeftBtnXOffset(int value)
{
    if (AssignIfChanged(m_leftBtnXOffset, value))
        update();
}

void TzynTitleBar::setRightBtnXOffset(int value)
{
    if (AssignIfChanged(m_rightBtnXOffset, value))
        update();
}

void TzynTitleBar::setDrawAppIcon(bool value)
{
    if (AssignIfChanged(m_drawAppIcon, value))
        update();
}

void TzynTitleBar::setRoundCorner(int value)
{
    m_roundCorner = value;
    UpdateRegion();
}

void TzynTitleBar::UpdateRegion()
{
    if (ParentFrame())
        ApplyRegion(m_roundCorner);
}

QRegion TzynTitleBar::RoundedRegion(const QRect &client, int w)
{
    QRegion region(client);
    const int r = w / 2;
    if (r <= 0)
        return region;
    // The top corners follow a circle of radius w / 2; the bottom ones stay square.
    for (int y = 0; y < r && y < client.height(); ++y) {
        const double dy = r - y - 0.5;
        const int inset
            = r - int(std::floor(std::sqrt(std::max(0.0, double(r) * r - dy * dy)) + 0.5));
        if (inset <= 0)
            continue;
        region -= QRect(client.left(), client.top() + y, inset, 1);
        region -= QRect(client.left() + client.width() - inset, client.top() + y, inset, 1);
    }
    return region;
}

void TzynTitleBar::ApplyRegion(int w)
{
    QWidget *form = ParentForm();
    if (!form)
        return;
    if (w <= 0)
        form->clearMask();
    else
        form->setMask(RoundedRegion(form->rect(), w));
}

void TzynTitleBar::PlaceMaximizedHost()
{
    QWidget *form = ParentForm();
    if (!form || !ParentFrame() || !form->isMaximized())
        return;
    // Only a window that already has its maximised size is moved: under a window manager the
    // size arrives after the state, and moving earlier would undo the manager's placement.
    const QRect work = GetWorkAreaRect();
    if (form->size() == work.size() && form->pos() != work.topLeft())
        form->move(work.topLeft());
}

void TzynTitleBar::WindowStateChanged()
{
    const QWidget *form = ParentForm();
    const bool maximized = form && form->isMaximized();
    if (maximized == m_buttons->WindowMaximized())
        return;
    m_buttons->setWindowMaximized(maximized);
    // However the window got there (the button, a double click, the window menu, the desktop),
    // the maximise button shows restore while it is maximised, in the styles that have it.
    for (int i = 0; i < m_buttons->Count(); ++i) {
        TzynTitleBarButton *button = m_buttons->Items(i);
        if (StyleLook(button->UIStyle()).maxButtonShowsRestore)
            button->UpdateMaxPictures();
    }
}

void TzynTitleBar::performAction(TzynTitleBarButton *button)
{
    QWidget *form = ParentForm();
    if (!form)
        return;
    const QRect work = GetWorkAreaRect();
    if (TzynForm *frame = ParentFrame(); frame && frame->HostForm() == form) {
        frame->LimitHostMaxSize(work.size());
    } else if (TControlCore *core = TControlCore::of(form)) {
        core->constraints()->setMaxHeight(work.height());
        core->constraints()->setMaxWidth(work.width());
    } else {
        form->setMaximumSize(work.size());
    }
    switch (button->ButtonType()) {
    case zynMax:
        if (form->isMaximized()) {
            form->showNormal();
        } else {
            form->showMaximized();
            PlaceMaximizedHost();
        }
        WindowStateChanged();
        if (StyleLook(button->UIStyle()).maxButtonShowsRestore)
            button->UpdateMaxPictures();
        UpdateRegion();
        break;
    case zynMin:
        form->showMinimized();
        break;
    case zynClose:
        form->close();
        break;
    case zynControlBox:
        if (QMenu *menu = button->ControlBoxMenu())
            menu->popup(mapToGlobal(QPoint(0, height())));
        else
            WindowMenu()->Open(mapToGlobal(QPoint(0, height())));
        break;
    case zynHelp:
    case zynCustom:
        break;
    }
}

TzynWindowMenu *TzynTitleBar::WindowMenu()
{
    if (!m_windowMenu)
        m_windowMenu = new TzynWindowMenu(this);
    return m_windowMenu;
}

bool TzynTitleBar::Dragging() const
{
    return m_drag->isActive();
}

Qt::Edges TzynTitleBar::HitZone(const QPoint &pos) const
{
    QWidget *form = ParentForm();
    TzynForm *frame = ParentFrame();
    if (!form || !frame || form->isMaximized() || frame->SavedBorderStyle() != Fw::bsSizeable)
        return {};
    if (pos.y() >= TzynEdgeZones::depth)
        return {};
    // Measured against the window's width, not the bar's.
    return Qt::TopEdge | TzynEdgeZones::Horizontal(pos.x(), form->width());
}

QString TzynTitleBar::FittedCaption(int room) const
{
    const QString caption = Caption();
    const QFontMetrics metrics(Font()->toQFont());
    if (metrics.horizontalAdvance(caption) <= room)
        return caption;
    QString head;
    int bytes = 0;
    for (const QChar c : caption) {
        bytes += ansiBytes(c);
        if (bytes > 2)
            break;
        head += c;
    }
    return head + QStringLiteral("...");
}

void TzynTitleBar::DrawSections(QImage &bitmap)
{
    QPainter canvas(&bitmap);
    // The bitmap may have more pixels than the bar (a high-density screen): the layout is in
    // the bar's own, logical pixels.
    const QSize size = bitmap.deviceIndependentSize().toSize();
    const int W = size.width(), H = size.height();
    int L = -1, R = W + 1;
    const TzynTitleBarSection *client = nullptr;
    auto place = [&](const TzynTitleBarSection *section, int x) {
        const QImage image = pictureImage(section->Picture());
        if (image.isNull())
            return;
        const QRect target(x, 0, section->Width(), H);
        if (section->Stretch()) {
            TPictureTwin::draw(canvas, target, image);
        } else {
            const QRect source(
                0, 0, std::min(target.width(), image.width()), std::min(H, image.height()));
            TPictureTwin::draw(canvas, QRect(target.topLeft(), source.size()), image, source);
        }
    };
    for (int i = 0; i < m_sections->Count(); ++i) {
        const TzynTitleBarSection *section = m_sections->Items(i);
        switch (section->Align()) {
        case zynLeft:
            place(section, L + 1);
            L += section->Width();
            break;
        case zynRight:
            if (W - L >= section->Width()) {
                place(section, R - 1 - section->Width());
                R -= section->Width();
            }
            break;
        case zynClient:
            client = section;
            break;
        }
    }
    if (client) {
        const QImage image = pictureImage(client->Picture());
        const QRect target(L + 1, 0, (R - 1) - (L + 1), H);
        if (!image.isNull() && target.width() > 0)
            TPictureTwin::draw(canvas, target, image);
    }
}

bool TzynTitleBar::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return TCustomPanel::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const int hit = TzynTitleBarLayout::HitButton(ButtonLayout(width()), help->pos());
    const TzynTitleBarButton *button = hit >= 0 ? m_buttons->Items(hit) : nullptr;
    const QString text = button && showHint() ? button->ShownHint() : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const TzynTitleBarLayout::Layout layout = ButtonLayout(width());
    QRect area;
    for (const TzynTitleBarLayout::ButtonPlace &place : layout.buttons) {
        if (place.index == hit)
            area = place.rect;
    }
    QToolTip::showText(help->globalPos(), text, this, area);
    return true;
}

TzynTitleBarLayout::Layout TzynTitleBar::ButtonLayout(int width) const
{
    QList<TzynTitleBarLayout::ButtonInput> inputs;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        const TzynTitleBarButton *button = m_buttons->Items(i);
        inputs.append({ button->Visible(), button->ButtonType() == zynControlBox,
            QSize(button->PicNormal()->width(), button->PicNormal()->height()), button->Top() });
    }
    return TzynTitleBarLayout::LayoutButtons(
        width, inputs, m_leftBtnXOffset, m_rightBtnXOffset, m_buttonInterval, m_drawAppIcon);
}

QPoint TzynTitleBar::hoverPoint() const
{
    return m_mouseInside ? m_mousePos : QPoint(-10000, -10000);
}

int TzynTitleBar::HotButtonIndex() const
{
    return TzynTitleBarLayout::HitButton(ButtonLayout(width()), hoverPoint());
}

QList<int> TzynTitleBar::litButtons() const
{
    QList<int> lit;
    const QPoint mouse = hoverPoint();
    const TzynTitleBarLayout::Layout layout = ButtonLayout(width());
    for (const TzynTitleBarLayout::ButtonPlace &place : layout.buttons) {
        // The program's icon in the control box's place looks the same under the mouse.
        const bool icon = !layout.appIcon.isEmpty()
            && m_buttons->Items(place.index)->ButtonType() == zynControlBox;
        if (!icon && PtInRectInclusive(mouse, place.rect))
            lit.append(place.index);
    }
    return lit;
}

void TzynTitleBar::DrawButtons(QImage &bitmap)
{
    QPainter canvas(&bitmap);
    const QSize size = bitmap.deviceIndependentSize().toSize();
    const int H = size.height();
    const QPoint mouse = hoverPoint();
    const TzynTitleBarLayout::Layout layout = ButtonLayout(size.width());

    auto drawButton = [&](const TzynTitleBarButton *button, const QRect &hit) {
        const TPicture *shown = button->PicNormal();
        if (PtInRectInclusive(mouse, hit))
            shown = m_mouseIsDown ? button->PicMouseDown() : button->PicMouseOn();
        const QSize cellSize(button->PicNormal()->width(), button->PicNormal()->height());
        if (!cellSize.isEmpty())
            TPictureTwin::draw(
                canvas, hit.topLeft(), buttonCell(shown, cellSize, button->Transparent()));
    };

    for (const TzynTitleBarLayout::ButtonPlace &place : layout.buttons) {
        const TzynTitleBarButton *button = m_buttons->Items(place.index);
        if (button->ButtonType() == zynControlBox && !layout.appIcon.isEmpty()) {
            const QPixmap icon
                = QApplication::windowIcon().pixmap(QSize(16, 16), TPictureTwin::ratio(canvas));
            if (!icon.isNull())
                canvas.drawPixmap(layout.appIcon, icon);
        } else {
            drawButton(button, place.rect);
        }
    }
    const int left = layout.captionLeft, right = layout.captionRight;

    const TzynStyleLook &look = StyleLook(m_style);
    QColor color;
    if (!m_formActive)
        color = toQColor(Colors::clInactiveCaption);
    else if (look.titleCaptionColor)
        color = toQColor(*look.titleCaptionColor);
    else
        color = Font()->qColor();
    const QFont font = Font()->toQFont();
    const QFontMetrics metrics(font);
    const QString text = FittedCaption(right - left);
    const int y = look.titleCaptionTop.value_or((H - metrics.height()) / 2);
    canvas.setFont(font);
    canvas.setPen(color);
    canvas.drawText(QPoint(left, y + metrics.ascent()), text);
}

void TzynTitleBar::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    // Drawn at the screen's density, so that caption and pictures keep their detail.
    const qreal ratio = devicePixelRatioF();
    QImage bitmap(size() * ratio, QImage::Format_RGB32);
    bitmap.setDevicePixelRatio(ratio);
    bitmap.fill(toQColor(Color()));
    DrawSections(bitmap);
    DrawButtons(bitmap);
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap);
}

void TzynTitleBar::trackMouse(const QPoint &pos)
{
    const QList<int> before = litButtons();
    m_mousePos = pos;
    m_mouseInside = true;
    if (litButtons() != before)
        update();
}

void TzynTitleBar::mouseLeft()
{
    const QList<int> before = litButtons();
    m_mouseInside = false;
    if (!before.isEmpty())
        update();
}

void TzynTitleBar::setMouseDown(bool down)
{
    // A lit button changes between its mouse-on and mouse-down pictures.
    if (AssignIfChanged(m_mouseIsDown, down) && !litButtons().isEmpty())
        update();
}

void TzynTitleBar::updateCursor(const QPoint &pos)
{
    if (const auto shape = TzynEdgeZones::CursorFor(HitZone(pos)))
        setCursor(*shape);
    else
        setCursorValue(Cursor());
}

void TzynTitleBar::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const Qt::Edges edges = HitZone(pos);
        if (edges) {
            // The top rows belong to the window's edge: the press sizes the window.
            m_drag->startResize(ParentForm(), edges, event->globalPosition().toPoint());
            return;
        }
        trackMouse(pos);
        setMouseDown(true);
        QWidget *form = ParentForm();
        if (HotButtonIndex() < 0 && form && !form->isMaximized())
            m_drag->armMove(form, event->globalPosition().toPoint());
    }
    TCustomPanel::mousePressEvent(event);
}

void TzynTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_drag->isActive()
        && m_drag->mouseMoved(event->globalPosition().toPoint(), event->buttons()))
        return;
    trackMouse(pos);
    if (!(event->buttons() & Qt::LeftButton))
        updateCursor(pos);
    TCustomPanel::mouseMoveEvent(event);
}

void TzynTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        TCustomPanel::mouseReleaseEvent(event);
        return;
    }
    const bool dragged = m_drag->isActive();
    m_drag->released();
    QPointer<TzynTitleBar> self(this);
    if (!dragged)
        trackMouse(event->position().toPoint());
    const int hot = dragged ? -1 : HotButtonIndex();
    if (TzynTitleBarButton *button = hot >= 0 ? m_buttons->Items(hot) : nullptr) {
        const TzynTitleBarBtnType type = button->ButtonType();
        button->PerformAction();
        if (!self)
            return;
        if (type == zynCustom)
            Q_EMIT OnCustomBtnsClick(this, hot);
        else if (type == zynHelp)
            Q_EMIT OnHelpBtnClick(this, hot);
    }
    if (!self)
        return;
    setMouseDown(false);
    TCustomPanel::mouseReleaseEvent(event);
}

void TzynTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    TCustomPanel::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    trackMouse(event->position().toPoint());
    setMouseDown(true);
    if (HotButtonIndex() >= 0)
        return;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        if (m_buttons->Items(i)->ButtonType() == zynMax) {
            m_buttons->Items(i)->PerformAction();
            return;
        }
    }
}

void TzynTitleBar::leaveEvent(QEvent *event)
{
    mouseLeft();
    TCustomPanel::leaveEvent(event);
}
