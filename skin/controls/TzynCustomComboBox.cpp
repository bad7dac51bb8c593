#include "TzynCustomComboBox.h"
#include "TPictureTwin.h"

#include "TProperty.h"
#include "TzynComboPopupStyle.h"
#include "TzynMenuRowDelegate.h"
#include "ZYNControlUtils.h"
#include "ZYNDraw.h"
#include "ZYNLooks.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>

#include <utility>

namespace {

// The triangle the platform's polygon fill draws through (x, y), (x + 6, y), (x + 3, y + 3),
// its outline included: rows of 7, 5, 3 and 1 pixels.
void fillTriangle(QPainter &canvas, QPoint at, const QColor &color)
{
    for (int row = 0; row < 4; ++row)
        canvas.fillRect(QRect(at.x() + row, at.y() + row, 7 - 2 * row, 1), color);
}

} // namespace

TzynCustomComboBox::TzynCustomComboBox(QWidget *parent)
    : TzynStyled(parent)
    , m_items(new TStrings(this, itemStore()))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Both kinds open their list below the field, its rows drawn as the style's menus.
    QWidget::setStyle(TzynComboPopupStyle::instance());
    setItemDelegate(m_rowDelegate = new TzynMenuRowDelegate(this));
    setColor(Colors::clWindow);
    setStyle(csDropDown);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (m_editingItems)
            return;
        if (m_eventDepth > 0 || m_pickPending)
            m_changeHeldBack = true;
        else
            Q_EMIT OnChange(this);
    });
    connect(this, &QComboBox::activated, this, [this] {
        if (m_eventDepth > 0 || m_pickPending)
            m_clickHeldBack = true;
        else
            Q_EMIT OnClick(this);
    });
}

bool TzynCustomComboBox::event(QEvent *event)
{
    // Qt's handling of a key or the wheel goes on using the box after it announced the new
    // item, so OnChange and OnClick wait until that handling is over: their handlers may then
    // delete the box, as may any other handler the event reaches.
    QPointer<TzynCustomComboBox> self(this);
    ++m_eventDepth;
    const bool result = TzynStyled::event(event);
    if (!self)
        return result;
    if (--m_eventDepth == 0 && (m_changeHeldBack || m_clickHeldBack))
        raiseHeldBack();
    return result;
}

void TzynCustomComboBox::raiseHeldBack()
{
    const bool click = std::exchange(m_clickHeldBack, false);
    if (std::exchange(m_changeHeldBack, false)) {
        QPointer<TzynCustomComboBox> self(this);
        Q_EMIT OnChange(this);
        if (!self)
            return;
    }
    if (click)
        Q_EMIT OnClick(this);
}

void TzynCustomComboBox::ApplyUIStyle(TzynUIStyle style)
{
    using E = TzynThemeEntry;
    setButtonColor(GetThemeColor(style, E::ComboBoxButtonColor));
    setArrowColor(GetThemeColor(style, E::ControlBorderColor));
    setBorderColor(GetThemeColor(style, E::ControlBorderColor));
    m_rowDelegate->setUIStyle(style);
    ApplyStyleHighlight(view(), style);
    view()->viewport()->update();
}

void TzynCustomComboBox::setBorderColor(TColor color)
{
    if (AssignIfChanged(m_borderColor, color))
        update();
}

void TzynCustomComboBox::setButtonColor(TColor color)
{
    if (AssignIfChanged(m_buttonColor, color))
        update();
}

void TzynCustomComboBox::setArrowColor(TColor color)
{
    if (AssignIfChanged(m_arrowColor, color))
        update();
}

void TzynCustomComboBox::setStyle(TComboBoxStyle style)
{
    if (style == Style())
        return;
    setEditable(style == csDropDown);
    // Each new edit field keeps to CharCase as the user types.
    if (QLineEdit *edit = lineEdit(); edit && edit != m_casedEdit) {
        m_casedEdit = edit;
        // The pointer going into the edit field leaves the button.
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString &text) {
            const QString wanted = cased(text);
            if (wanted != text) {
                const int cursor = edit->cursorPosition();
                edit->setText(wanted);
                edit->setCursorPosition(cursor);
            }
        });
    }
    update();
}

QString TzynCustomComboBox::cased(const QString &text) const
{
    switch (m_charCase) {
    case ecUpperCase:
        return text.toUpper();
    case ecLowerCase:
        return text.toLower();
    default:
        return text;
    }
}

void TzynCustomComboBox::setCharCase(TEditCharCase charCase)
{
    if (!AssignIfChanged(m_charCase, charCase))
        return;
    for (int i = 0; i < count(); ++i)
        setItemText(i, cased(itemText(i)));
    if (QLineEdit *edit = lineEdit())
        edit->setText(cased(edit->text()));
}

void TzynCustomComboBox::setItemHeight(int height)
{
    if (height <= 0 || !AssignIfChanged(m_itemHeight, height))
        return;
    view()->setStyleSheet(QStringLiteral("QAbstractItemView::item { height: %1px; }").arg(height));
}

TStrings::Store TzynCustomComboBox::itemStore()
{
    TStrings::Store store;
    store.count = [this] { return count(); };
    store.get = [this](int index) { return itemText(index); };
    store.insert = [this](int index, const QStringList &lines) {
        QStringList casedLines;
        for (const QString &line : lines)
            casedLines << cased(line);
        editItems([&] { insertItems(index, casedLines); });
        return index;
    };
    store.remove = [this](int index, int n) { editItems([&] { model()->removeRows(index, n); }); };
    store.put = [this](int index, const QString &line) {
        editItems([&] { setItemText(index, cased(line)); });
    };
    store.assign = [this](const QStringList &lines) { assignItems(lines); };
    return store;
}

void TzynCustomComboBox::editItems(const std::function<void()> &edit)
{
    // Lines coming or going elsewhere shift the current index but leave the choice as it
    // was: OnChange only when the current item itself is replaced or taken away.
    const QString before = currentText();
    const int indexBefore = currentIndex();
    m_editingItems = true;
    edit();
    m_editingItems = false;
    if (currentText() != before || (currentIndex() < 0) != (indexBefore < 0))
        Q_EMIT OnChange(this);
}

void TzynCustomComboBox::assignItems(const QStringList &items)
{
    const QString text = currentText();
    clear();
    for (const QString &item : items)
        addItem(cased(item));
    if (isEditable())
        setEditText(text);
}

void TzynCustomComboBox::setText(const QString &text)
{
    if (isEditable())
        setEditText(cased(text));
    else
        setCurrentIndex(findText(text));
}

QRect TzynCustomComboBox::ButtonRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
}

QPoint TzynCustomComboBox::ArrowOrigin(const QRect &button)
{
    return QPoint(button.x() + button.width() / 2 - 4, button.height() / 2);
}

void TzynCustomComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    QPainter canvas(this);
    const QRect button = ButtonRect();
    const TzynPictureState state = ButtonState();
    if (const char *picture = StyleLook(UIStyle()).comboBoxButton) {
        TPictureTwin::draw(canvas, button, ThemeStateImage(QString::fromLatin1(picture), state));
    } else if (state == TzynPictureState::MouseOn || state == TzynPictureState::MouseDown) {
        // The style's tool-button colours are its hover and pressed colours.
        using E = TzynThemeEntry;
        const TzynUIStyle style
            = UIStyle() == TzynUIStyle::Custom ? TzynUIStyle::DeepBlue : UIStyle();
        canvas.fillRect(button,
            toQColor(GetThemeColor(style,
                state == TzynPictureState::MouseDown ? E::ToolBarButtonDownColor
                                                     : E::ToolBarButtonColor)));
        canvas.setPen(toQColor(GetThemeColor(style, E::ToolBarButtonBorderColor)));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawRect(button.adjusted(0, 0, -1, -1));
    } else {
        canvas.fillRect(button, toQColor(m_buttonColor));
    }
    const QPoint at = ArrowOrigin(button);
    if (isEnabled()) {
        fillTriangle(canvas, at, toQColor(m_arrowColor));
    } else {
        fillTriangle(canvas, at + QPoint(1, 1), Qt::white);
        fillTriangle(canvas, at, QColor(0x80, 0x80, 0x80));
    }
    DrawWindowFrame(canvas, size(), m_borderColor, Color());
}

TzynPictureState TzynCustomComboBox::ButtonState() const
{
    if (!isEnabled())
        return TzynPictureState::Disabled;
    if (m_popupOpen)
        return TzynPictureState::MouseDown;
    if (Hovered() && (!isEditable() || m_pointerOnButton))
        return TzynPictureState::MouseOn;
    return TzynPictureState::Normal;
}

void TzynCustomComboBox::setPointerOnButton(bool on)
{
    if (AssignIfChanged(m_pointerOnButton, on))
        update();
}

void TzynCustomComboBox::mouseMoveEvent(QMouseEvent *event)
{
    setPointerOnButton(ButtonRect().contains(event->position().toPoint()));
    TControlBase<QComboBox>::mouseMoveEvent(event);
}

bool TzynCustomComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::Enter)
        setPointerOnButton(false);
    return TzynStyled::eventFilter(watched, event);
}

void TzynCustomComboBox::changeEvent(QEvent *event)
{
    TControlBase<QComboBox>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TzynCustomComboBox::colorChanged()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, toQColor(Color()));
    palette.setColor(QPalette::Button, toQColor(Color()));
    setPalette(palette);
    update();
}

void TzynCustomComboBox::showPopup()
{
    Q_EMIT OnDropDown(this);
    m_popupOpen = true;
    update();
    QComboBox::showPopup();
}

void TzynCustomComboBox::hidePopup()
{
    // A pick in the open list hides it first; Qt then selects the item from the list's own
    // handling and goes on using the box, so the pick's OnChange and OnClick come on the next
    // turn of the event loop. A list closed without a pick raises nothing then.
    if (!m_pickPending) {
        m_pickPending = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_pickPending = false;
                if (m_changeHeldBack || m_clickHeldBack)
                    raiseHeldBack();
            },
            Qt::QueuedConnection);
    }
    QComboBox::hidePopup();
    m_popupOpen = false;
    update();
    Q_EMIT OnCloseUp(this);
}
