#include "TzynMainMenu.h"
#include "TPictureTwin.h"

#include "TBitmap.h"
#include "TFont.h"
#include "TForm.h"
#include "TImageList.h"
#include "TMenuItem.h"
#include "TProperty.h"
#include "TzynForm.h"
#include "TzynMenuPopup.h"
#include "TzynMenuStyle.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"
#include "ZYNMenu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace {

// The mark in one colour, its shape kept by its alpha.
QImage tinted(const QImage &mark, const QColor &ink)
{
    QImage result = mark.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter tint(&result);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(result.rect(), ink);
    return result;
}

} // namespace

TzynMainMenu::TzynMainMenu(QObject *owner)
    : TMainMenu(owner)
    , m_checkImages(new TImageList(this))
    , m_popupStyle(new TzynMenuStyle(this))
{
    const QImage checked = ThemeImage(QStringLiteral("MENU_CHECKED"));
    const auto keyed = [](const QImage &image) { return KeyedImage(image, 0xFFFFFF); };
    m_checkImages->Add(TPictureTwin::derive(keyed(checked), checked, keyed));
    setUIStyle(FindFormUIStyle(owner));
    // Made on a form: the form's frame shows the menu.
    if (auto *form = qobject_cast<TForm *>(owner)) {
        if (auto *frame = form->findChild<TzynForm *>(QString(), Qt::FindDirectChildrenOnly))
            frame->setMenu(this);
    }
}

TzynMainMenu::~TzynMainMenu()
{
    // The drop-downs go before the style they are drawn with.
    Items()->Clear();
}

TzynForm *TzynMainMenu::Frame() const
{
    return m_frame.data();
}

void TzynMainMenu::setFrame(TzynForm *frame)
{
    m_frame = frame;
}

void TzynMainMenu::setImages(TImageList *images)
{
    if (images == m_checkImages)
        images = nullptr;
    if (m_userImages == images)
        return;
    m_userImages = images;
    TMainMenu::setImages(images);
    refreshPopups();
}

void TzynMainMenu::setUIStyle(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    m_style = style;
    if (style != TzynUIStyle::Custom) {
        // Straight to the fields: a style whose heights are fixed sets them itself.
        m_menuItemHeight = GetThemeInt(style, E::MainMenuItemHeight);
        m_separatorHeight = GetThemeInt(style, E::MainMenuSeparatorHeight);
        m_barColor = GetThemeColor(style, E::MainMenuBarColor);
        m_barWidth = GetThemeInt(style, E::MainMenuBarWidth);
        m_color = GetThemeColor(style, E::MainMenuColor);
        m_separatorColor = GetThemeColor(style, E::MainMenuSeparatorColor);
        m_selectedBorderColor = GetThemeColor(style, E::MainMenuSelectedBorderColor);
        m_selectedColor = GetThemeColor(style, E::MainMenuSelectedColor);
        m_selectedFontColor = GetThemeColor(style, E::MainMenuSelectedFontColor);
        m_fontColor = GetThemeColor(style, E::MainMenuFontColor);
        m_borderColor = GetThemeColor(style, E::FormBorderColor);
    }
    refreshPopups();
    restyleFrame();
}

void TzynMainMenu::setMenuItemHeight(int height)
{
    if (StyleLook(m_style).menuHeightsFixed || !AssignIfChanged(m_menuItemHeight, height))
        return;
    refreshPopups();
}

void TzynMainMenu::setSeparatorHeight(int height)
{
    if (StyleLook(m_style).menuHeightsFixed || !AssignIfChanged(m_separatorHeight, height))
        return;
    refreshPopups();
}

void TzynMainMenu::setBarWidth(int width)
{
    if (AssignIfChanged(m_barWidth, width))
        refreshPopups();
}

void TzynMainMenu::setBarColor(TColor color)
{
    if (AssignIfChanged(m_barColor, color))
        refreshPopups();
}

void TzynMainMenu::setColor(TColor color)
{
    if (AssignIfChanged(m_color, color))
        refreshPopups();
}

void TzynMainMenu::setSeparatorColor(TColor color)
{
    if (AssignIfChanged(m_separatorColor, color))
        refreshPopups();
}

void TzynMainMenu::setSelectedBorderColor(TColor color)
{
    if (AssignIfChanged(m_selectedBorderColor, color))
        refreshPopups();
}

void TzynMainMenu::setSelectedColor(TColor color)
{
    if (AssignIfChanged(m_selectedColor, color))
        refreshPopups();
}

void TzynMainMenu::setSelectedFontColor(TColor color)
{
    if (AssignIfChanged(m_selectedFontColor, color))
        refreshPopups();
}

void TzynMainMenu::setFontColor(TColor color)
{
    if (!AssignIfChanged(m_fontColor, color))
        return;
    refreshPopups();
    restyleFrame();
}

void TzynMainMenu::setBorderColor(TColor color)
{
    if (AssignIfChanged(m_borderColor, color))
        refreshPopups();
}

void TzynMainMenu::setFlatMenu(bool value)
{
    if (AssignIfChanged(m_flatMenu, value))
        refreshPopups();
}

void TzynMainMenu::setFontName(const QString &name)
{
    if (AssignIfChanged(m_fontName, name))
        refreshPopups();
}

void TzynMainMenu::setFontSize(int size)
{
    if (AssignIfChanged(m_fontSize, size))
        refreshPopups();
}

void TzynMainMenu::setFontCharset(int charset)
{
    m_fontCharset = charset;
}

void TzynMainMenu::setUseSystemFont(bool value)
{
    m_useSystemFont = value;
    refreshPopups();
    if (m_frame)
        m_frame->Menus()->UpdateFont();
}

void TzynMainMenu::AssignItemFont(TFont &font) const
{
    font.setName(m_fontName);
    font.setSize(m_fontSize);
    font.setCharset(Fw::TFontCharset(m_fontCharset));
    if (m_useSystemFont)
        UseSystemMenuFont(font);
}

QFont TzynMainMenu::ItemFont(bool bold) const
{
    TFont font;
    AssignItemFont(font);
    QFont result = font.toQFont();
    result.setBold(bold);
    return result;
}

QSize TzynMainMenu::MeasureMenuItem(const TMenuItem *item) const
{
    const QFontMetrics metrics(ItemFont(item->Default()));
    const int height = item->IsLine() ? m_separatorHeight : m_menuItemHeight;
    const int width = metrics.horizontalAdvance(item->Caption())
        + metrics.horizontalAdvance(item->ShortCutText()) + m_barWidth + 40;
    return QSize(width, height);
}

bool TzynMainMenu::hasImage(const TMenuItem *item) const
{
    return item->ImageIndex() != -1 && m_userImages && item->ImageIndex() < m_userImages->Count();
}

void TzynMainMenu::PaintSkinnedMenuItem(
    const TMenuItem *item, QPainter &canvas, const QRect &rect, bool selected) const
{
    const TzynStyleLook &look = StyleLook(m_style);
    const int l = rect.left(), t = rect.top();
    const int r = l + rect.width(), b = t + rect.height();
    auto plainBackground = [&] {
        if (m_barWidth > 0)
            FillColorRect(
                canvas, QRect(QPoint(l, t), QPoint(l + m_barWidth - 1, b - 1)), m_barColor);
        FillColorRect(canvas, QRect(QPoint(l + m_barWidth, t), QPoint(r - 1, b - 1)), m_color);
    };

    if (item->IsLine()) {
        if (look.menuBarPicture) {
            DrawMacSeparator(canvas, rect, look.menuBarPicture);
        } else {
            plainBackground();
            DrawSeparatorLine(canvas, rect, m_separatorColor, m_barWidth);
        }
        return;
    }

    const bool enabled = item->Enabled();
    if (selected && enabled) {
        if (look.menuSelectPicture) {
            DrawMacSelection(canvas, rect, look.menuSelectPicture);
        } else {
            FillColorRect(canvas, rect, m_selectedColor);
            FrameColorRect(canvas, rect, m_selectedBorderColor);
        }
    } else if (look.menuBarPicture) {
        DrawMacItem(canvas, rect, look.menuBarPicture);
    } else {
        plainBackground();
    }

    const QFont font = ItemFont(item->Default());
    canvas.setFont(font);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(toQColor(!enabled ? Colors::clGrayText
            : selected              ? m_selectedFontColor
                                    : m_fontColor));
    const QRect captionRect(QPoint(l + m_barWidth + 4, t + 4), QPoint(r - 1, b - 1));
    canvas.save();
    canvas.setClipRect(captionRect, Qt::IntersectClip);
    canvas.drawText(captionRect,
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, item->Caption());
    canvas.restore();
    const QString shortCut = item->ShortCutText();
    if (!shortCut.isEmpty()) {
        const int width = QFontMetrics(font).horizontalAdvance(shortCut);
        canvas.drawText(QRect(r - width - 16, t + 4, width, rect.height() - 4),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shortCut);
    }

    const bool image = hasImage(item);
    if (item->Checked()) {
        if (image) {
            // A box behind the item's own image takes the place of the mark.
            FrameColorRect(canvas, QRect(QPoint(l + 2, t + 1), QPoint(l + 20, t + 19)), 0);
            FillColorRect(
                canvas, QRect(QPoint(l + 3, t + 2), QPoint(l + 19, t + 18)), m_selectedColor);
        } else {
            const QImage plain = PreparedPicture(m_checkImages->image(0), false, 0, !enabled);
            QImage mark = plain;
            if (selected && enabled) {
                // On the highlight the mark takes the selected text's colour, so that a dark
                // mark does not vanish on a dark highlight.
                const QColor ink = toQColor(m_selectedFontColor);
                mark = TPictureTwin::derive(tinted(plain, ink), plain,
                    [ink](const QImage &twin) { return tinted(twin, ink); });
            }
            TPictureTwin::draw(canvas, QPoint(l + 4, t + 3), mark);
        }
    }
    if (image)
        canvas.drawImage(QPoint(l + 4, t + 3),
            PreparedPicture(m_userImages->image(item->ImageIndex()), false, 0, !enabled));
}

void TzynMainMenu::PaintMenuBorder(QPainter &canvas, const QRect &window) const
{
    if (m_flatMenu) {
        DrawFlatMenuBorder(
            canvas, window, m_borderColor, GetThemeColor(m_style, TzynThemeEntry::FormColor));
        return;
    }
    // The desktop's raised menu edge, with the menu's own colour as its innermost ring.
    QRect ring = window;
    FrameColorRect(canvas, ring, Colors::cl3DLight);
    canvas.fillRect(
        QRect(ring.left(), ring.bottom(), ring.width(), 1), toQColor(Colors::cl3DDkShadow));
    canvas.fillRect(
        QRect(ring.right(), ring.top(), 1, ring.height()), toQColor(Colors::cl3DDkShadow));
    ring.adjust(1, 1, -1, -1);
    FrameColorRect(canvas, ring, Colors::clBtnHighlight);
    canvas.fillRect(
        QRect(ring.left(), ring.bottom(), ring.width(), 1), toQColor(Colors::clBtnShadow));
    canvas.fillRect(
        QRect(ring.right(), ring.top(), 1, ring.height()), toQColor(Colors::clBtnShadow));
    ring.adjust(1, 1, -1, -1);
    if (const char *picture = StyleLook(m_style).menuBarPicture) {
        canvas.save();
        canvas.setClipRegion(
            QRegion(ring).subtracted(ring.adjusted(1, 1, -1, -1)), Qt::IntersectClip);
        DrawMenuPicture(canvas, ring, picture, 20);
        canvas.restore();
    } else {
        FrameColorRect(canvas, ring, m_color);
    }
}

QMenu *TzynMainMenu::CreatePopup(TMenuItem *item)
{
    auto *popup = new TzynMenuPopup(this, item);
    popup->setStyle(m_popupStyle);
    popup->setFont(ItemFont());
    m_popups.removeAll(nullptr);
    m_popups.append(popup);
    return popup;
}

void TzynMainMenu::Loaded()
{
    if (m_frame)
        m_frame->Menus()->Rebuild();
}

void TzynMainMenu::MenuChanged(TMenuItem *source, bool rebuild)
{
    TMainMenu::MenuChanged(source, rebuild);
    if (!m_frame)
        return;
    // Top-level items added or removed change the bar's buttons; anything else only what
    // they show.
    if (rebuild && source == Items())
        m_frame->Menus()->Rebuild();
    else
        m_frame->Menus()->Sync();
}

void TzynMainMenu::refreshPopups()
{
    const QFont font = ItemFont();
    for (const QPointer<QMenu> &popup : std::as_const(m_popups)) {
        if (!popup)
            continue;
        popup->setFont(font);
        // Rows are measured again on a style change.
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(popup, &change);
        popup->update();
    }
}

void TzynMainMenu::restyleFrame()
{
    if (m_frame && m_frame->MenuBar())
        m_frame->MenuBar()->update();
}
