#include "TControlCore.h"

#include "TConstraints.h"
#include "TFont.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

// Event filter that a parent gets when its first framework child arrives: it re-lays out the
// children whenever the parent's size changes.
class TAlignFilter : public QObject {
public:
    using QObject::QObject;

    static void attach(QWidget *parent)
    {
        if (!parent || parent->findChild<TAlignFilter *>(QString(), Qt::FindDirectChildrenOnly))
            return;
        parent->installEventFilter(new TAlignFilter(parent));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched == parent())
            TControlCore::realignChildren(static_cast<QWidget *>(watched));
        return false;
    }
};

TControlCore::TControlCore(QWidget *self)
    : m_self(self)
    , m_font(new TFont(self))
    , m_constraints(new TConstraints(self))
{
    QObject::connect(m_font, &TFont::OnChange, self, [this] { fontObjectChanged(); });
    QObject::connect(m_constraints, &TConstraints::OnChange, self, [this] {
        m_self->setMinimumSize(m_constraints->MinWidth(), m_constraints->MinHeight());
        m_self->setMaximumSize(
            m_constraints->MaxWidth() > 0 ? m_constraints->MaxWidth() : QWIDGETSIZE_MAX,
            m_constraints->MaxHeight() > 0 ? m_constraints->MaxHeight() : QWIDGETSIZE_MAX);
    });
    m_self->setFont(m_font->toQFont());
}

TControlCore::~TControlCore() = default;

TControlCore *TControlCore::of(QWidget *widget)
{
    return dynamic_cast<TControlCore *>(widget);
}

void TControlCore::setAlign(Fw::TAlign align)
{
    if (m_align == align)
        return;
    m_align = align;
    if (m_self->parentWidget())
        realignChildren(m_self->parentWidget());
}

void TControlCore::setAnchors(Fw::TAnchors anchors)
{
    if (m_anchors == anchors)
        return;
    m_anchors = anchors;
    updateAnchorRules();
}

void TControlCore::setBoundsRect(const QRect &bounds)
{
    QRect r = bounds;
    r.setWidth(m_constraints->constrainWidth(std::max(0, r.width())));
    r.setHeight(m_constraints->constrainHeight(std::max(0, r.height())));
    const bool resized = r.size() != m_self->size();
    if (r != m_self->geometry())
        m_self->setGeometry(r);
    updateAnchorRules();
    boundsChanged();
    // A hidden widget gets its resize event only when shown; children follow at once.
    if (resized)
        realignChildren(m_self);
}

void TControlCore::updateAnchorRules()
{
    QWidget *parent = m_self->parentWidget();
    if (!parent || m_self->isWindow()) {
        m_anchorRulesValid = false;
        return;
    }
    m_anchorOrigin = m_self->geometry();
    m_anchorParentSize = parent->contentsRect().size();
    m_anchorRulesValid = true;
}

void TControlCore::applyAnchorRules(const QSize &parentSize)
{
    if (!m_anchorRulesValid || m_align != Fw::alNone)
        return;
    const int dw = parentSize.width() - m_anchorParentSize.width();
    const int dh = parentSize.height() - m_anchorParentSize.height();
    QRect r = m_anchorOrigin;
    auto place = [](int pos, int size, int delta, int parentNew, int parentOld, bool near, bool far,
                     int *outPos, int *outSize) {
        *outPos = pos;
        *outSize = size;
        if (near && far) {
            *outSize = size + delta;
        } else if (far) {
            *outPos = pos + delta;
        } else if (!near && parentOld > 0) {
            // Neither edge anchored: the centre keeps its relative position.
            *outPos = int(qint64(pos + size / 2) * parentNew / parentOld) - size / 2;
        }
    };
    int x, w, y, h;
    place(r.x(), r.width(), dw, parentSize.width(), m_anchorParentSize.width(),
        m_anchors.testFlag(Fw::akLeft), m_anchors.testFlag(Fw::akRight), &x, &w);
    place(r.y(), r.height(), dh, parentSize.height(), m_anchorParentSize.height(),
        m_anchors.testFlag(Fw::akTop), m_anchors.testFlag(Fw::akBottom), &y, &h);
    w = m_constraints->constrainWidth(std::max(0, w));
    h = m_constraints->constrainHeight(std::max(0, h));
    const QRect target(x, y, w, h);
    if (target != m_self->geometry()) {
        const bool resized = target.size() != m_self->size();
        m_self->setGeometry(target);
        boundsChanged();
        if (resized)
            realignChildren(m_self);
    }
}

void TControlCore::realignChildren(QWidget *parent)
{
    if (!parent)
        return;
    QRect client = parent->contentsRect();
    const QObjectList children = parent->children();
    auto place = [&](Fw::TAlign align) {
        for (QObject *object : children) {
            auto *widget = qobject_cast<QWidget *>(object);
            TControlCore *core = widget ? of(widget) : nullptr;
            if (!core || core->m_align != align || widget->isWindow() || widget->isHidden())
                continue;
            QRect r = widget->geometry();
            switch (align) {
            case Fw::alTop:
                r = QRect(client.left(), client.top(), client.width(), r.height());
                client.setTop(client.top() + r.height());
                break;
            case Fw::alBottom:
                r = QRect(
                    client.left(), client.bottom() + 1 - r.height(), client.width(), r.height());
                client.setBottom(client.bottom() - r.height());
                break;
            case Fw::alLeft:
                r = QRect(client.left(), client.top(), r.width(), client.height());
                client.setLeft(client.left() + r.width());
                break;
            case Fw::alRight:
                r = QRect(client.right() + 1 - r.width(), client.top(), r.width(), client.height());
                client.setRight(client.right() - r.width());
                break;
            case Fw::alClient:
                r = client;
                break;
            default:
                break;
            }
            if (r != widget->geometry()) {
                const bool resized = r.size() != widget->size();
                widget->setGeometry(r);
                core->boundsChanged();
                if (resized)
                    realignChildren(widget);
            }
        }
    };
    for (Fw::TAlign align : { Fw::alTop, Fw::alBottom, Fw::alLeft, Fw::alRight, Fw::alClient })
        place(align);
    const QSize size = parent->contentsRect().size();
    for (QObject *object : children) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (TControlCore *core = widget ? of(widget) : nullptr)
            core->applyAnchorRules(size);
    }
}

void TControlCore::setColorValue(TColor color)
{
    m_parentColor = false;
    if (m_color == color)
        return;
    m_color = color;
    colorChanged();
    m_self->update();
    notifyChildren(true);
}

void TControlCore::setParentColorValue(bool value)
{
    m_parentColor = value;
    if (value)
        applyParentColor();
}

void TControlCore::applyParentColor()
{
    TControlCore *parent = m_self->parentWidget() ? of(m_self->parentWidget()) : nullptr;
    if (!parent || parent->m_color == m_color)
        return;
    m_color = parent->m_color;
    colorChanged();
    m_self->update();
    notifyChildren(true);
}

void TControlCore::setParentFontValue(bool value)
{
    m_parentFont = value;
    if (value)
        applyParentFont();
}

void TControlCore::applyParentFont()
{
    TControlCore *parent = m_self->parentWidget() ? of(m_self->parentWidget()) : nullptr;
    if (!parent)
        return;
    m_applyingParentFont = true;
    m_font->assign(parent->m_font);
    m_applyingParentFont = false;
}

void TControlCore::fontObjectChanged()
{
    // Setting any font value by hand ends following the parent's font.
    if (!m_applyingParentFont)
        m_parentFont = false;
    m_self->setFont(m_font->toQFont());
    fontChanged();
    m_self->update();
    notifyChildren(false);
}

void TControlCore::notifyChildren(bool colorOnly)
{
    const QObjectList children = m_self->children();
    for (QObject *object : children) {
        auto *widget = qobject_cast<QWidget *>(object);
        TControlCore *core = widget ? of(widget) : nullptr;
        if (!core)
            continue;
        if (colorOnly && core->m_parentColor)
            core->applyParentColor();
        if (!colorOnly && core->m_parentFont)
            core->applyParentFont();
    }
}

void TControlCore::handleParentChange()
{
    if (QWidget *parent = m_self->parentWidget()) {
        TAlignFilter::attach(parent);
        if (m_parentColor)
            applyParentColor();
        if (m_parentFont)
            applyParentFont();
        updateAnchorRules();
    }
}

void TControlCore::setCursorValue(Fw::TCursor cursor)
{
    m_cursor = cursor;
    if (cursor == Fw::crDefault)
        m_self->unsetCursor();
    else
        m_self->setCursor(cursorShape(cursor));
}

Qt::CursorShape TControlCore::cursorShape(Fw::TCursor cursor)
{
    switch (cursor) {
    case Fw::crNone:
        return Qt::BlankCursor;
    case Fw::crCross:
        return Qt::CrossCursor;
    case Fw::crIBeam:
        return Qt::IBeamCursor;
    case Fw::crSizeNESW:
        return Qt::SizeBDiagCursor;
    case Fw::crSizeNS:
        return Qt::SizeVerCursor;
    case Fw::crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case Fw::crSizeWE:
        return Qt::SizeHorCursor;
    case Fw::crUpArrow:
        return Qt::UpArrowCursor;
    case Fw::crHourGlass:
        return Qt::WaitCursor;
    case Fw::crNo:
        return Qt::ForbiddenCursor;
    case Fw::crHandPoint:
        return Qt::PointingHandCursor;
    case Fw::crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

void TControlCore::setTabOrderValue(int order)
{
    m_tabOrder = order;
    if (m_self->parentWidget())
        updateTabChain(m_self->parentWidget());
}

void TControlCore::updateTabChain(QWidget *parent)
{
    QList<QWidget *> ordered;
    for (QObject *object : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        TControlCore *core = widget ? of(widget) : nullptr;
        if (core && core->m_tabOrder >= 0)
            ordered.append(widget);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
        [](QWidget *a, QWidget *b) { return of(a)->m_tabOrder < of(b)->m_tabOrder; });
    for (int i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
}

void TControlCore::setCaptionValue(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    captionChanged();
    m_self->update();
}
