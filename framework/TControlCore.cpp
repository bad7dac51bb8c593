#include "TControlCore.h"

#include "TAlignFilter.h"
#include "TConstraints.h"
#include "TFont.h"
#include "TLayoutLoader.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace {
// A published event as the framework raises it: its name and the parameters that follow the
// sender, references where a handler may change the value. A class may declare any of them;
// one that declares the name with other parameters is refused (see eventIndex).
template <class... Params> struct Event {
    const char *name;
};

constexpr Event<Fw::TMouseButton, Fw::TShiftState, int, int> OnMouseDown { "OnMouseDown" };
constexpr Event<Fw::TMouseButton, Fw::TShiftState, int, int> OnMouseUp { "OnMouseUp" };
constexpr Event<Fw::TShiftState, int, int> OnMouseMove { "OnMouseMove" };
constexpr Event<int &, Fw::TShiftState> OnKeyDown { "OnKeyDown" };
constexpr Event<int &, Fw::TShiftState> OnKeyUp { "OnKeyUp" };
constexpr Event<QChar &> OnKeyPress { "OnKeyPress" };
constexpr Event<> OnEnter { "OnEnter" };
constexpr Event<> OnExit { "OnExit" };
constexpr Event<int &, int &, bool &> OnCanResize { "OnCanResize" };
constexpr Event<int &, int &, int &, int &> OnConstrainedResize { "OnConstrainedResize" };

// Whether parameter `i` of a signal is T: by value (as moc normalises it, const T & included)
// or, when T is a reference, as a non-const reference. moc gives reference parameters no meta
// type, so those are compared by the name of the type they refer to.
template <class T> bool parameterIs(const QMetaMethod &signal, int i)
{
    using Value = std::remove_reference_t<T>;
    const QByteArray type = signal.parameterTypes().at(i);
    if constexpr (std::is_reference_v<T>) {
        if (!type.endsWith('&') || type.startsWith("const "))
            return false;
        const QByteArray referred = type.chopped(1);
        return QMetaType::fromName(referred) == QMetaType::fromType<Value>()
            || referred == QMetaType::fromType<Value>().name();
    } else {
        return signal.parameterMetaType(i) == QMetaType::fromType<Value>();
    }
}

template <class... Params> bool matches(const QMetaMethod &signal)
{
    if (signal.parameterCount() != 1 + int(sizeof...(Params))
        || signal.parameterMetaType(0) != QMetaType::fromType<QObject *>())
        return false;
    int i = 1;
    return (parameterIs<Params>(signal, i++) && ...);
}

template <class... Params> QByteArray signature(const Event<Params...> &event)
{
    QByteArrayList types { QByteArrayLiteral("QObject*") };
    (types.append(QByteArray(QMetaType::fromType<std::remove_reference_t<Params>>().name())
         + (std::is_reference_v<Params> ? "&" : "")),
        ...);
    return QByteArray(event.name) + '(' + types.join(',') + ')';
}

QHash<std::pair<const QMetaObject *, const void *>, int> &eventIndexCache()
{
    static QHash<std::pair<const QMetaObject *, const void *>, int> cache;
    return cache;
}

// The index of a published event in a class, or -1. Looked up once per class and event (the
// cache is keyed by the meta-object and the event's descriptor), since input events arrive often
// and most classes publish only some of the events; the most derived signal of that name
// counts. One whose parameters are not the framework's is refused once, with a warning: raising
// it would hand its handlers arguments of other types. GUI thread only.
template <class... Params> int eventIndex(const QMetaObject *meta, const Event<Params...> &event)
{
    auto &cache = eventIndexCache();
    const std::pair<const QMetaObject *, const void *> key(meta, &event);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    int found = -1;
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Signal || method.name() != event.name)
            continue;
        if (matches<Params...>(method))
            found = i;
        else
            qWarning("%s::%s is not raised: the framework raises %s", meta->className(),
                method.methodSignature().constData(), signature(event).constData());
        break;
    }
    cache.insert(key, found);
    return found;
}

// Emits an event of a component with the given argument addresses (the sender first;
// references are passed by address, so handlers may change them). False when the class does
// not publish that event.
template <class... Params>
bool raise(
    QObject *component, const Event<Params...> &event, std::remove_reference_t<Params> *...args)
{
    const int index = eventIndex(component->metaObject(), event);
    if (index < 0)
        return false;
    QObject *sender = component;
    void *argv[] = { nullptr, &sender, args... };
    QMetaObject::metacall(component, QMetaObject::InvokeMetaMethod, index, argv);
    return true;
}

Fw::TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {})
{
    Fw::TShiftState state;
    state.setFlag(Fw::ssShift, modifiers & Qt::ShiftModifier);
    state.setFlag(Fw::ssAlt, modifiers & Qt::AltModifier);
    state.setFlag(Fw::ssCtrl, modifiers & Qt::ControlModifier);
    state.setFlag(Fw::ssLeft, buttons & Qt::LeftButton);
    state.setFlag(Fw::ssRight, buttons & Qt::RightButton);
    state.setFlag(Fw::ssMiddle, buttons & Qt::MiddleButton);
    return state;
}

bool mouseButton(Qt::MouseButton button, Fw::TMouseButton *out)
{
    switch (button) {
    case Qt::LeftButton:
        *out = Fw::mbLeft;
        return true;
    case Qt::RightButton:
        *out = Fw::mbRight;
        return true;
    case Qt::MiddleButton:
        *out = Fw::mbMiddle;
        return true;
    default:
        return false;
    }
}
} // namespace

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

void TControlCore::setAlignOrder(int order)
{
    if (m_alignOrder == order)
        return;
    m_alignOrder = order;
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

QSize TControlCore::negotiateSize(const QSize &wanted)
{
    int width = std::max(0, wanted.width());
    int height = std::max(0, wanted.height());
    if (QSize(width, height) != m_self->size()) {
        bool resize = true;
        raise(m_self, OnCanResize, &width, &height, &resize);
        if (!resize || !canResize(width, height))
            return m_self->size();
    }
    int minWidth = m_constraints->MinWidth();
    int minHeight = m_constraints->MinHeight();
    int maxWidth = m_constraints->MaxWidth();
    int maxHeight = m_constraints->MaxHeight();
    if (raise(m_self, OnConstrainedResize, &minWidth, &minHeight, &maxWidth, &maxHeight)) {
        if (maxWidth > 0)
            width = std::min(width, maxWidth);
        if (maxHeight > 0)
            height = std::min(height, maxHeight);
        return QSize(std::max(width, minWidth), std::max(height, minHeight));
    }
    return QSize(m_constraints->constrainWidth(width), m_constraints->constrainHeight(height));
}

QRect TControlCore::boundsRect(int left, int top, int width, int height)
{
    return QRect(qBound(-QWIDGETSIZE_MAX, left, QWIDGETSIZE_MAX),
        qBound(-QWIDGETSIZE_MAX, top, QWIDGETSIZE_MAX), qBound(0, width, QWIDGETSIZE_MAX),
        qBound(0, height, QWIDGETSIZE_MAX));
}

void TControlCore::setBoundsRect(const QRect &bounds)
{
    QRect r = bounds;
    r.setSize(negotiateSize(r.size()));
    const bool resized = r.size() != m_self->size();
    if (r != m_self->geometry())
        m_self->setGeometry(r);
    updateAnchorRules();
    boundsChanged();
    // A hidden widget gets its resize event only when shown; children and siblings follow at
    // once.
    if (resized) {
        realignChildren(m_self);
        realignSiblings();
    }
}

void TControlCore::realignSiblings()
{
    if (m_align != Fw::alNone && !m_self->isWindow())
        realignChildren(m_self->parentWidget());
}

void TControlCore::handleGeometryEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        realignSiblings();
        break;
    default:
        break;
    }
}

void TControlCore::updateAnchorRules()
{
    QWidget *parent = m_self->parentWidget();
    if (!parent || m_self->isWindow()) {
        m_anchorRulesValid = false;
        return;
    }
    m_anchorOrigin = m_self->geometry();
    m_anchorPlaced = m_anchorOrigin;
    m_anchorParentSize = parent->contentsRect().size();
    m_anchorRulesValid = true;
}

void TControlCore::applyAnchorRules(const QSize &parentSize)
{
    if (!m_anchorRulesValid || m_align != Fw::alNone)
        return;
    // Placed from outside the framework (QWidget::setGeometry) since the rules were made:
    // the control stays where it was put, taken as put at the parent's earlier size.
    if (m_self->geometry() != m_anchorPlaced)
        m_anchorOrigin = m_self->geometry();
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
    const QRect target(QPoint(x, y), negotiateSize(QSize(w, h)));
    if (target != m_self->geometry()) {
        const bool resized = target.size() != m_self->size();
        m_self->setGeometry(target);
        m_anchorPlaced = m_self->geometry();
        boundsChanged();
        if (resized)
            realignChildren(m_self);
    }
    m_anchorPlaced = m_self->geometry();
}

void TControlCore::realignChildren(QWidget *parent)
{
    if (!parent)
        return;
    // The pass resizes aligned children, whose resize events ask for the same pass again; a
    // child's hook may also resize a sibling the pass has already placed. A request made while
    // the pass runs is not nested: the pass runs once more after it, until a pass moves
    // nothing (bounded, in case two controls keep undoing each other's size).
    struct Running {
        const QWidget *parent;
        bool again;
    };
    static QList<Running> running;
    for (Running &entry : running) {
        if (entry.parent == parent) {
            entry.again = true;
            return;
        }
    }
    running.append({ parent, false });
    const auto done = qScopeGuard([] { running.removeLast(); });
    for (int pass = 0; pass < 3; ++pass) {
        running.last().again = false;
        realignChildrenOnce(parent);
        if (!running.last().again)
            break;
    }
}

void TControlCore::realignChildrenOnce(QWidget *parent)
{
    QRect client = parent->contentsRect();
    QObjectList children = parent->children();
    const auto alignOrder = [](QObject *object) {
        auto *widget = qobject_cast<QWidget *>(object);
        const TControlCore *core = widget ? of(widget) : nullptr;
        return core ? core->m_alignOrder : 0;
    };
    if (std::any_of(children.cbegin(), children.cend(), alignOrder))
        std::stable_sort(children.begin(), children.end(),
            [&](QObject *a, QObject *b) { return alignOrder(a) < alignOrder(b); });
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
    QWidget *parent = m_self->parentWidget();
    // A layout numbers every control itself, and the chain is laid once it is all read.
    if (!parent || !TLayoutLoader::currentPosition().isEmpty()) {
        m_tabOrder = order;
        return;
    }
    // Set by the program: the control takes that place among its siblings and the others
    // move up or down, numbered from 0 as they then stand.
    QList<QWidget *> siblings = tabOrderedChildren(parent);
    siblings.removeOne(m_self);
    siblings.insert(std::clamp<qsizetype>(order, 0, siblings.size()), m_self);
    for (int i = 0; i < siblings.size(); ++i) {
        if (TControlCore *core = of(siblings[i]))
            core->m_tabOrder = i;
    }
    updateTabChain(parent);
}

QList<QWidget *> TControlCore::tabOrderedChildren(const QWidget *parent)
{
    QList<QWidget *> ordered;
    QList<QWidget *> placed;
    for (QObject *object : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || widget->isWindow())
            continue;
        TControlCore *core = of(widget);
        if (core && core->m_tabOrder >= 0)
            placed.append(widget);
        else
            ordered.append(widget);
    }
    std::stable_sort(placed.begin(), placed.end(),
        [](QWidget *a, QWidget *b) { return of(a)->m_tabOrder < of(b)->m_tabOrder; });
    for (QWidget *widget : placed)
        ordered.insert(std::min<qsizetype>(of(widget)->m_tabOrder, ordered.size()), widget);
    return ordered;
}

void TControlCore::updateTabChain(QWidget *parent)
{
    applyTabOrder(parent);
}

namespace {

void collectTabChain(QWidget *parent, QList<QWidget *> &chain)
{
    for (QWidget *child : TControlCore::tabOrderedChildren(parent)) {
        if (child->focusPolicy() != Qt::NoFocus)
            chain.append(child);
        // A compound control with a focus proxy inside keeps its own inner order.
        QWidget *proxy = child->focusProxy();
        if (proxy && child->isAncestorOf(proxy))
            continue;
        collectTabChain(child, chain);
    }
}

} // namespace

void TControlCore::applyTabOrder(QWidget *root)
{
    if (!root)
        return;
    QList<QWidget *> chain;
    if (root->focusPolicy() != Qt::NoFocus && !root->isWindow())
        chain.append(root);
    collectTabChain(root, chain);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TControlCore::setCaptionValue(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    captionChanged();
    m_self->update();
}

Fw::TBiDiMode TControlCore::biDiMode() const
{
    if (m_parentBiDiMode) {
        if (TControlCore *parent = m_self->parentWidget() ? of(m_self->parentWidget()) : nullptr)
            return parent->biDiMode();
    }
    return m_biDiMode;
}

void TControlCore::setBiDiModeValue(Fw::TBiDiMode mode)
{
    m_parentBiDiMode = false;
    m_biDiMode = mode;
    m_self->setLayoutDirection(mode == Fw::bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
}

void TControlCore::setParentBiDiModeValue(bool value)
{
    if (value == m_parentBiDiMode)
        return;
    m_parentBiDiMode = value;
    if (value)
        m_self->unsetLayoutDirection();
    else
        setBiDiModeValue(m_biDiMode);
}

bool TControlCore::showHint() const
{
    if (m_parentShowHint) {
        if (TControlCore *parent = m_self->parentWidget() ? of(m_self->parentWidget()) : nullptr)
            return parent->showHint();
    }
    return m_showHint;
}

void TControlCore::setShowHintValue(bool value)
{
    m_showHint = value;
    m_parentShowHint = false;
}

void TControlCore::setParentShowHintValue(bool value)
{
    m_parentShowHint = value;
}

QMenu *TControlCore::popupMenu() const
{
    return qobject_cast<QMenu *>(m_popupMenu.data());
}

void TControlCore::setPopupMenuValue(QMenu *menu)
{
    m_popupMenu = menu;
}

bool TControlCore::raiseInputEvent(QEvent *event, const QPoint &offset)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Fw::TMouseButton button;
        if (!mouseButton(mouse->button(), &button))
            return false;
        Fw::TShiftState shift = shiftState(mouse->modifiers(), mouse->buttons());
        if (event->type() == QEvent::MouseButtonDblClick)
            shift |= Fw::ssDouble;
        const QPoint at = mouse->position().toPoint() + offset;
        int x = at.x(), y = at.y();
        raise(m_self, event->type() == QEvent::MouseButtonRelease ? OnMouseUp : OnMouseDown,
            &button, &shift, &x, &y);
        return false;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        Fw::TShiftState shift = shiftState(mouse->modifiers(), mouse->buttons());
        const QPoint at = mouse->position().toPoint() + offset;
        int x = at.x(), y = at.y();
        raise(m_self, OnMouseMove, &shift, &x, &y);
        return false;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        Fw::TShiftState shift = shiftState(keyEvent->modifiers());
        // A handler that sets the key to 0 takes it: the control never sees it.
        int key = keyEvent->key();
        raise(m_self, event->type() == QEvent::KeyPress ? OnKeyDown : OnKeyUp, &key, &shift);
        if (key == 0)
            return true;
        if (event->type() == QEvent::KeyPress && !keyEvent->text().isEmpty()) {
            QChar ch = keyEvent->text().front();
            raise(m_self, OnKeyPress, &ch);
            if (ch.isNull())
                return true;
        }
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Switching windows or opening a popup moves no focus between the controls of a
        // window: the control that had it when the window was left is not entered again.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool windowSwitch
            = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        QWidget *window = m_self->window();
        const char *entered = "TControlCore.entered";
        if (event->type() == QEvent::FocusOut) {
            if (!windowSwitch) {
                window->setProperty(entered, QVariant());
                raise(m_self, OnExit);
            }
            return false;
        }
        if (windowSwitch && window->property(entered).value<QObject *>() == m_self)
            return false;
        window->setProperty(entered, QVariant::fromValue<QObject *>(m_self));
        raise(m_self, OnEnter);
        return false;
    }
    case QEvent::ContextMenu:
        if (QMenu *menu = popupMenu()) {
            menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        return false;
    case QEvent::ToolTip:
        // Hints show only where ShowHint (own or inherited) is on. A control without a hint
        // of its own leaves the question to its parent, so that the parts of a composite
        // control (a track bar's slider, a scroll bar's arrows) show the control's hint.
        if (m_self->toolTip().isEmpty())
            return false;
        return !showHint();
    default:
        return false;
    }
}
