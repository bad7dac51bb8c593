#pragma once

#include "TColor.h"
#include "TMainMenu.h"
#include "ZYNThemes.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QSize>

class QMenu;
class QPainter;
class TFont;
class TzynForm;
class TzynMenuStyle;

// A main menu whose drop-downs are drawn in the colours and pictures of a UI style: every
// item is measured by MeasureMenuItem and painted by PaintSkinnedMenuItem (its drop-downs are
// TzynMenuPopups). Made on a form, it attaches itself to the form's frame, which then shows it
// in its menu bar; the frame draws the bar in the menu's style and font.
class TzynMainMenu : public TMainMenu {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE setMenuItemHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE setSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE setBarWidth)
    Q_PROPERTY(TColor BarColor READ BarColor WRITE setBarColor)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TColor SeparatorColor READ SeparatorColor WRITE setSeparatorColor)
    Q_PROPERTY(TColor SelectedBorderColor READ SelectedBorderColor WRITE setSelectedBorderColor)
    Q_PROPERTY(TColor SelectedColor READ SelectedColor WRITE setSelectedColor)
    Q_PROPERTY(TColor SelectedFontColor READ SelectedFontColor WRITE setSelectedFontColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE setFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE setFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE setUseSystemFont)
public:
    explicit TzynMainMenu(QObject *owner = nullptr);
    ~TzynMainMenu() override;

    // None while the menu's own check images are in use; writing none puts them back.
    TImageList *Images() const override { return m_userImages.data(); }
    void setImages(TImageList *images) override;
    // Every item is drawn by the menu.
    bool OwnerDraw() const override { return true; }
    void setOwnerDraw(bool) override { }

    TzynUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TzynUIStyle style);
    int MenuItemHeight() const { return m_menuItemHeight; }
    void setMenuItemHeight(int height);
    int SeparatorHeight() const { return m_separatorHeight; }
    void setSeparatorHeight(int height);
    int BarWidth() const { return m_barWidth; }
    void setBarWidth(int width);
    TColor BarColor() const { return m_barColor; }
    void setBarColor(TColor color);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    TColor SeparatorColor() const { return m_separatorColor; }
    void setSeparatorColor(TColor color);
    TColor SelectedBorderColor() const { return m_selectedBorderColor; }
    void setSelectedBorderColor(TColor color);
    TColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(TColor color);
    TColor SelectedFontColor() const { return m_selectedFontColor; }
    void setSelectedFontColor(TColor color);
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    bool FlatMenu() const { return m_flatMenu; }
    void setFlatMenu(bool value);
    QString FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    int FontSize() const { return m_fontSize; }
    void setFontSize(int size);
    int FontCharset() const { return m_fontCharset; }
    void setFontCharset(int charset);
    bool UseSystemFont() const { return m_useSystemFont; }
    void setUseSystemFont(bool value);

    // The frame that shows the menu, or null; set by the frame.
    TzynForm *Frame() const;
    void setFrame(TzynForm *frame);
    // The menu's own check mark images (one: the checked mark keyed on white).
    TImageList *CheckImages() const { return m_checkImages; }

    // The font items are written in: the desktop's menu font with UseSystemFont, the menu's
    // own otherwise; bold for a menu's default item.
    void AssignItemFont(TFont &font) const;
    QFont ItemFont(bool bold = false) const;
    // Height: SeparatorHeight for a separator, MenuItemHeight otherwise; width: the caption's
    // and the shortcut's text widths + BarWidth + 40.
    QSize MeasureMenuItem(const TMenuItem *item) const;
    // Paints one item into its row of an open menu.
    void PaintSkinnedMenuItem(
        const TMenuItem *item, QPainter &canvas, const QRect &rect, bool selected) const;
    // Paints the edge of an open menu whose outer rectangle is `window`: the flat border with
    // FlatMenu, a raised edge otherwise.
    void PaintMenuBorder(QPainter &canvas, const QRect &window) const;
    // Where an open menu's items go inside its window.
    static constexpr int MenuEdgeWidth = 3;

    QMenu *CreatePopup(TMenuItem *item) override;
    void Loaded() override;

protected:
    void MenuChanged(TMenuItem *source, bool rebuild) override;

private:
    // Open and closed drop-downs take the menu's new looks and sizes.
    void refreshPopups();
    void restyleFrame();
    bool hasImage(const TMenuItem *item) const;

    TImageList *m_checkImages;
    QPointer<TImageList> m_userImages;
    TzynUIStyle m_style = TzynUIStyle::DeepBlue;
    int m_menuItemHeight = 21;
    int m_separatorHeight = 21;
    TColor m_barColor = Colors::clBtnFace;
    int m_barWidth = 0;
    TColor m_color = 0xFFFFFF;
    TColor m_separatorColor = Colors::clGray;
    TColor m_selectedBorderColor = Colors::clHighlight;
    TColor m_selectedColor = Colors::clHighlight;
    TColor m_selectedFontColor = 0xFFFFFF;
    TColor m_fontColor = 0xFFFFFF;
    TColor m_borderColor = 0;
    bool m_flatMenu = false;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
    int m_fontCharset = 1;
    bool m_useSystemFont = true;
    QPointer<TzynForm> m_frame;
    TzynMenuStyle *m_popupStyle;
    QList<QPointer<QMenu>> m_popups;
};
