#include "TzynWindowMenu.h"

#include "FrameworkTypes.h"
#include "TMenuItem.h"
#include "TzynForm.h"
#include "TzynTitleBar.h"
#include "TzynTitleBarButton.h"

#include <QMenu>
#include <QWindow>

TzynWindowMenu::TzynWindowMenu(TzynTitleBar *bar)
    : TzynMainMenu(bar)
    , m_bar(bar)
{
    const struct {
        Command command;
        const char *caption;
    } rows[] = { { Restore, "&Restore" }, { Move, "&Move" }, { Size, "&Size" },
        { Minimize, "Mi&nimize" }, { Maximize, "Ma&ximize" }, { Close, "&Close" } };
    for (const auto &row : rows) {
        if (row.command == Close) {
            auto *line = new TMenuItem(this);
            line->setCaption(QStringLiteral("-"));
            Items()->Add(line);
        }
        auto *item = new TMenuItem(this);
        item->setCaption(QString::fromLatin1(row.caption));
        const Command command = row.command;
        connect(item, &TMenuItem::OnClick, this, [this, command] { run(command); });
        Items()->Add(item);
        m_items[command] = item;
    }
    m_items[Close]->setDefault(true);
    m_items[Close]->setShortCut(QStringLiteral("Alt+F4"));
}

TMenuItem *TzynWindowMenu::Item(Command command) const
{
    return m_items[command];
}

QMenu *TzynWindowMenu::Popup() const
{
    return Items()->popup();
}

void TzynWindowMenu::updateItems()
{
    const QWidget *form = m_bar->ParentForm();
    const bool maximized = form && form->isMaximized();
    const bool minimized = form && form->isMinimized();
    const TzynForm *frame = m_bar->ParentFrame();
    const bool sizeable = !frame || frame->SavedBorderStyle() == Fw::bsSizeable;
    bool hasMax = false, hasMin = false;
    for (int i = 0; i < m_bar->Buttons()->Count(); ++i) {
        const TzynTitleBarButton *button = m_bar->Buttons()->Items(i);
        hasMax |= button->ButtonType() == zynMax;
        hasMin |= button->ButtonType() == zynMin;
    }
    m_items[Restore]->setEnabled(maximized || minimized);
    m_items[Move]->setEnabled(!maximized);
    m_items[Size]->setEnabled(!maximized && sizeable);
    m_items[Minimize]->setEnabled(hasMin && !minimized);
    m_items[Maximize]->setEnabled(hasMax && !maximized);
    m_items[Close]->setEnabled(true);
}

void TzynWindowMenu::Open(const QPoint &global)
{
    if (UIStyle() != m_bar->UIStyle())
        setUIStyle(m_bar->UIStyle());
    updateItems();
    if (QMenu *menu = Popup())
        menu->popup(global);
}

void TzynWindowMenu::run(Command command)
{
    QWidget *form = m_bar->ParentForm();
    if (!form)
        return;
    // The buttons' actions where there are buttons for them, so that the window is kept in
    // the work area and the maximise button changes its look as a click on it does.
    auto perform = [this](TzynTitleBarBtnType type) {
        for (int i = 0; i < m_bar->Buttons()->Count(); ++i) {
            if (m_bar->Buttons()->Items(i)->ButtonType() == type) {
                m_bar->Buttons()->Items(i)->PerformAction();
                return true;
            }
        }
        return false;
    };
    QWindow *handle = form->windowHandle();
    switch (command) {
    case Restore:
        if (form->isMaximized())
            perform(zynMax);
        else
            form->showNormal();
        break;
    case Move:
        if (handle)
            handle->startSystemMove();
        break;
    case Size:
        if (handle)
            handle->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        break;
    case Minimize:
        perform(zynMin);
        break;
    case Maximize:
        if (!form->isMaximized())
            perform(zynMax);
        break;
    case Close:
        form->close();
        break;
    }
}
