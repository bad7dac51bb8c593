#pragma once

#include "TLayoutStatus.h"
#include "TzynCustomPanel.h"
#include "TzynSkinned.h"

class TFont;
class TzynTabControlTopPanel;

// A panel with a skinned tab strip along its top and a flat-bordered body below it. The tab
// control and the page control derive from it; each creates its own strip class. A style given
// to it is passed on to its contents.
class TzynTab : public TzynStyled<TzynSkinned<TzynCustomPanel>>, public TLayoutStatus {
    Q_OBJECT
    Q_PROPERTY(zyn::TzynUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE setLeftMargin)
public:
    ~TzynTab() override;

    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    // The font of the tab captions (the published Font).
    TFont *TabFont() const { return m_tabFont; }
    void setTabFont(TFont *font);
    TFont *Font() const override { return m_tabFont; }
    void setFont(TFont *font) override { setTabFont(font); }
    using TzynCustomPanel::setFont;
    int LeftMargin() const;
    void setLeftMargin(int margin);

    TzynTabControlTopPanel *Strip() const { return m_strip; }
    // The selected tab (the strip's).
    int CurrentTabIndex() const;

    // While a layout is being applied no tab activation is reported.
    void Loading() override;
    void Loaded() override;
    bool IsLoading() const { return m_loading; }

    void UpdateChildrenUIStyle(TzynUIStyle style) override;

    // Asks OnChanging whether the selection may change (a click is about to change it).
    bool AskChanging();
    // The tab at index became the selected one.
    virtual void TabActivated(int index);
    // Selects a tab through the strip.
    virtual void SetTabIndex(int index);

Q_SIGNALS:
    void OnTabActive(QObject *Sender, int TabIndex);
    void OnChange(QObject *Sender);
    void OnChanging(QObject *Sender, bool &AllowChange);

protected:
    explicit TzynTab(QWidget *parent);
    // Every subclass creates its own strip in its constructor and hands it over here.
    void AttachStrip(TzynTabControlTopPanel *strip);
    void ApplyUIStyle(TzynUIStyle style) override;
    virtual void BorderColorChanged() { }

    void paintPanel(QPainter &canvas) override;
    void resizeEvent(QResizeEvent *event) override;
    // Ctrl+Tab and Ctrl+PgDn select the next tab, Ctrl+Shift+Tab and Ctrl+PgUp the one
    // before, round past the ends, from wherever the focus is inside the control.
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TColor m_borderColor = Colors::clBlack;
    TFont *m_tabFont;
    TzynTabControlTopPanel *m_strip = nullptr;
    bool m_loading = false;
};
