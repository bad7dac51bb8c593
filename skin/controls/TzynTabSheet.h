#pragma once

#include "TzynCustomPanel.h"
#include "TzynSkinned.h"

class TzynPageControl;

// A page of a TzynPageControl: a panel filling the control's body, shown while its tab is the
// selected one. Placing a sheet on a page control (as its parent) adds it as the last page;
// taking it away or destroying it removes its page.
class TzynTabSheet : public TzynSkinned<TzynCustomPanel>, public TzynBorderColored {
    Q_OBJECT
    Q_MOC_INCLUDE("TzynPageControl.h")
    Q_PROPERTY(TzynPageControl *PageControl READ PageControl WRITE setPageControl)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE setPageIndex)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE setTabVisible)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
public:
    explicit TzynTabSheet(QWidget *parent = nullptr);
    ~TzynTabSheet() override;

    TzynPageControl *PageControl() const { return m_pageControl; }
    // Moves the sheet onto another page control (its parent changes with it).
    void setPageControl(TzynPageControl *control);
    int PageIndex() const { return m_pageIndex; }
    // An index outside the pages keeps the old one.
    void setPageIndex(int index);
    // The tab's text; the panel's own window text stays one blank.
    QString Caption() const override { return m_caption; }
    void setCaption(const QString &caption) override;
    bool TabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);
    TColor BorderColor() const override { return m_borderColor; }
    void setBorderColor(TColor color) override;

    // Showing a sheet of a page control activates its page.
    void setVisible(bool visible) override;

Q_SIGNALS:
    void OnShow(QObject *Sender);

protected:
    bool event(QEvent *event) override;
    void paintPanel(QPainter &canvas) override;

private:
    friend class TzynPageControl;
    void followParent();

    TzynPageControl *m_pageControl = nullptr;
    int m_pageIndex = -1;
    QString m_caption;
    bool m_tabVisible = true;
    TColor m_borderColor = Colors::clBlack;
};
