#include "TzynTabSheet.h"

#include "Exception.h"
#include "TProperty.h"
#include "TzynPageControl.h"
#include "ZYNControlUtils.h"

#include <QEvent>
#include <QPainter>

TzynTabSheet::TzynTabSheet(QWidget *parent)
    : TzynSkinned(parent)
{
    setCaptionValue(QStringLiteral(" "));
    setAlign(Fw::alClient);
    followParent();
}

TzynTabSheet::~TzynTabSheet()
{
    if (m_pageControl)
        m_pageControl->RemovePage(this);
}

void TzynTabSheet::followParent()
{
    auto *control = qobject_cast<TzynPageControl *>(parentWidget());
    if (control == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    if (control)
        control->InsertPage(this);
}

bool TzynTabSheet::event(QEvent *event)
{
    const bool result = TzynSkinned::event(event);
    if (event->type() == QEvent::ParentChange)
        followParent();
    return result;
}

void TzynTabSheet::setPageControl(TzynPageControl *control)
{
    if (control == m_pageControl)
        return;
    if (control) {
        // A sheet inside itself would make the widget tree a loop, and every walk up it
        // (QWidget::window()) would never end.
        if (isAncestorOf(control))
            throw Exception(
                QStringLiteral("A tab sheet cannot be a page of %1, which lies inside the sheet")
                    .arg(control->objectName()));
        setParent(control);
        return;
    }
    // Without a page control the sheet stays where it is, hidden, as no page.
    m_pageControl->RemovePage(this);
    TzynCustomPanel::setVisible(false);
}

void TzynTabSheet::setPageIndex(int index)
{
    if (m_pageControl && index >= 0 && index < m_pageControl->PageCount())
        m_pageControl->MovePage(this, index);
}

void TzynTabSheet::setCaption(const QString &caption)
{
    if (!AssignIfChanged(m_caption, caption))
        return;
    if (m_pageControl)
        m_pageControl->RebuildTabs();
}

void TzynTabSheet::setTabVisible(bool visible)
{
    if (!AssignIfChanged(m_tabVisible, visible))
        return;
    if (m_pageControl)
        m_pageControl->PageTabVisibleChanged(this);
}

void TzynTabSheet::setBorderColor(TColor color)
{
    if (AssignIfChanged(m_borderColor, color))
        update();
}

void TzynTabSheet::setVisible(bool visible)
{
    if (visible && m_pageControl && !m_pageControl->m_showingPage) {
        m_pageControl->Activate(this);
        return;
    }
    TzynCustomPanel::setVisible(visible);
}

void TzynTabSheet::paintPanel(QPainter &canvas)
{
    TzynCustomPanel::paintPanel(canvas);
    // No top line: the strip's tab line lies above the page.
    const int w = width(), h = height();
    DrawLinePath(canvas, toQColor(m_borderColor),
        { QPoint(0, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1), QPoint(w - 1, 0) });
}
