#include "TzynCheckListBox.h"
#include "TPictureTwin.h"

#include "ZYNLooks.h"

#include "ZYNControlUtils.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Draws each row as the list does, its text after the mark area, then paints the mark area
// over: the list's colour and the style's mark picture.
class CheckMarkDelegate : public QStyledItemDelegate {
public:
    explicit CheckMarkDelegate(TzynCheckListBox *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override
    {
        // Qt's own indicator is left out: the item is drawn from an option without it.
        QStyleOptionViewItem text(option);
        initStyleOption(&text, index);
        text.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        text.rect.setLeft(option.rect.left() + TzynCheckListBox::MarkAreaWidth + 2);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &text, painter, widget);

        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        painter->fillRect(m_list->MarkArea(option.rect), toQColor(m_list->Color()));
        TPictureTwin::draw(*painter, m_list->MarkOrigin(option.rect),
            ThemeImage(m_list->MarkPictureName(checked)));
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem text(option);
        initStyleOption(&text, index);
        text.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        QSize size = style->sizeFromContents(QStyle::CT_ItemViewItem, &text, QSize(), widget);
        size.rwidth() += TzynCheckListBox::MarkAreaWidth + 2;
        size.setHeight(
            std::max(size.height(), TzynCheckListBox::MarkSize + 2 * TzynCheckListBox::MarkAir));
        return size;
    }

    // The list toggles its marks itself, by the mark area and not by Qt's indicator.
    bool editorEvent(
        QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &, const QModelIndex &) override
    {
        return false;
    }

private:
    TzynCheckListBox *m_list;
};

} // namespace

TzynCheckListBox::TzynCheckListBox(QWidget *parent)
    : TzynStyled(parent)
{
    setItemDelegate(new CheckMarkDelegate(this));
    border().setWidth(1);
    // The marks always come from a built-in style.
    refuseCustom(TzynUIStyle::DeepBlue);
}

void TzynCheckListBox::InitialStyle(TzynUIStyle style)
{
    border().setColor(FindFormBorderColor(StyleOwner()));
    TzynStyled::InitialStyle(style);
}

void TzynCheckListBox::ApplyUIStyle(TzynUIStyle style)
{
    setBorderColor(GetThemeColor(style, TzynThemeEntry::ControlBorderColor));
    ApplyStyleHighlight(this, style);
    viewport()->update();
}

QString TzynCheckListBox::MarkPictureName(bool checked) const
{
    using E = TzynThemeEntry;
    const E entry = isEnabled()
        ? (checked ? E::CheckListCheckedImage : E::CheckListUncheckedImage)
        : (checked ? E::CheckListDisabledCheckedImage : E::CheckListDisabledUncheckedImage);
    return GetThemeResName(UIStyle(), entry);
}

QRect TzynCheckListBox::MarkArea(const QRect &row) const
{
    // One pixel taller under a font lower than 12 pixels: a row that low leaves the 11-pixel
    // mark no room below it.
    const int extra = fontMetrics().height() < 12 ? 1 : 0;
    return QRect(row.left(), row.top(), MarkAreaWidth, row.height() + extra);
}

QPoint TzynCheckListBox::MarkOrigin(const QRect &row) const
{
    return QPoint(row.left() + MarkLeft, row.top() + (MarkArea(row).height() - MarkSize) / 2);
}

bool TzynCheckListBox::Checked(int index) const
{
    const QListWidgetItem *it = item(index);
    return it && it->checkState() == Qt::Checked;
}

void TzynCheckListBox::setChecked(int index, bool checked)
{
    if (QListWidgetItem *it = item(index))
        it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TzynCheckListBox::toggle(int index)
{
    if (index < 0 || index >= count())
        return;
    setChecked(index, !Checked(index));
    Q_EMIT OnClickCheck(this);
}

void TzynCheckListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && currentRow() >= 0) {
        toggle(currentRow());
        return;
    }
    TzynCustomListBox::keyPressEvent(event);
}

bool TzynCheckListBox::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        // Each row has its mark at its own left, in whichever column it stands.
        const QModelIndex index = indexAt(at);
        if (mouse->button() == Qt::LeftButton && index.isValid()
            && MarkArea(visualRect(index)).contains(at)) {
            const int row = index.row();
            const bool result = TzynCustomListBox::viewportEvent(event);
            toggle(row);
            return result;
        }
    }
    return TzynCustomListBox::viewportEvent(event);
}

void TzynCheckListBox::changeEvent(QEvent *event)
{
    TzynCustomListBox::changeEvent(event);
    // The marks have disabled pictures of their own.
    if (event->type() == QEvent::EnabledChange)
        viewport()->update();
}
