#include "TzynForm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TzynForm::TzynForm(QWidget *parent)
    : TControl(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    attachToHost();
}

void TzynForm::attachToHost()
{
    QWidget *host = parentWidget() ? parentWidget()->window() : nullptr;
    if (host == m_host)
        return;
    if (m_host)
        m_host->removeEventFilter(this);
    m_host = host;
    if (!m_host)
        return;
    m_host->installEventFilter(this);
    if (TControlCore *core = TControlCore::of(m_host)) {
        core->constraints()->setMinHeight(std::max(core->constraints()->MinHeight(), 50));
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect work = screen->availableGeometry();
            core->constraints()->setMaxWidth(work.width());
            core->constraints()->setMaxHeight(work.height());
        }
    }
}

void TzynForm::coverHost()
{
    if (m_host && parentWidget() == m_host && geometry() != m_host->rect())
        setGeometry(m_host->rect());
}

bool TzynForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        coverHost();
    return TControl::eventFilter(watched, event);
}

void TzynForm::setBorderColor(TColor color)
{
    if (m_borderColor == color)
        return;
    m_borderColor = color;
    update();
}

void TzynForm::setBorderWidth(int width)
{
    if (m_borderWidth == width)
        return;
    m_borderWidth = width;
    update();
}

void TzynForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(Color()));
    const QColor border = toQColor(m_borderColor);
    const int w = m_borderWidth;
    painter.fillRect(QRect(0, 0, width(), w), border);
    painter.fillRect(QRect(0, height() - w, width(), w), border);
    painter.fillRect(QRect(0, 0, w, height()), border);
    painter.fillRect(QRect(width() - w, 0, w, height()), border);
}
