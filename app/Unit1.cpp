#include "Unit1.h"

#include "Exception.h"
#include "GuidePaths.h"
#include "GuideSearch.h"
#include "Links.h"
#include "ReaderShortcuts.h"
#include "TApplicationEvents.h"
#include "TImage.h"
#include "TImageList.h"
#include "TWebBrowser.h"
#include "TzynButton.h"
#include "TzynForm.h"
#include "TzynGroupBox.h"
#include "TzynTreeView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

namespace {
const QString kStartPage = QStringLiteral("2014考试指南");
const QString kContactPage = QStringLiteral("联系我们");

// What a click on a tree entry does, decided by its text alone.
enum class EntryAction { Nothing, CoursesLink, ConsultationLink, Exit, Page };

EntryAction actionOf(const QString &text)
{
    if (text == QStringLiteral("重点总结和考点精讲")
        || text == QStringLiteral("习题精练与模拟考试"))
        return EntryAction::Nothing;
    if (text == QStringLiteral("视频课程学习"))
        return EntryAction::CoursesLink;
    if (text == QStringLiteral("在线咨询"))
        return EntryAction::ConsultationLink;
    if (text == QStringLiteral("退出"))
        return EntryAction::Exit;
    return EntryAction::Page;
}

template <class T> T *component(QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        throw Exception(QStringLiteral("The layout has no component %1").arg(QLatin1String(name)));
    return found;
}
} // namespace

TForm1::TForm1(QWidget *parent)
    : TForm(parent)
{
    loadLayout(QStringLiteral(":/layout/Unit1.layout"));
    auto *reader = new ReaderShortcuts(this, WebBrowser1, TreeView1);
    reader->guideSearch()->setPages(ProgramDirectory() + QStringLiteral("data"), PageEntries());
}

QStringList TForm1::PageEntries() const
{
    QStringList names;
    TTreeNodes *items = TreeView1->Items();
    const int count = items->Count();
    for (int i = 0; i < count; ++i) {
        const QString text = items->Item(i)->Text();
        if (actionOf(text) == EntryAction::Page && !names.contains(text))
            names << text;
    }
    return names;
}

void TForm1::Loaded()
{
    ImageList1 = component<TImageList>(this, "ImageList1");
    zynForm1 = component<TzynForm>(this, "zynForm1");
    TreeView1 = component<TzynTreeView>(this, "TreeView1");
    GroupBox1 = component<TzynGroupBox>(this, "GroupBox1");
    WebBrowser1 = component<TWebBrowser>(this, "WebBrowser1");
    // Pages show and read only the guide's own files.
    WebBrowser1->setLocalFolders({ ProgramDirectory() + QStringLiteral("data") });
    ApplicationEvents1 = component<TApplicationEvents>(this, "ApplicationEvents1");
    for (int i = 0; i < int(zynButtons.size()); ++i)
        zynButtons[i] = component<TzynButton>(
            this, QStringLiteral("zynButton%1").arg(i + 1).toLatin1().constData());
    Image1 = component<TImage>(this, "Image1");
    TForm::Loaded();
}

void TForm1::ShowPage(const QString &path)
{
    WebBrowser1->Navigate(path);
}

void TForm1::FormCreate(QObject *)
{
    ShowPage(ChapterPagePath(kStartPage));
    TTreeNodes *items = TreeView1->Items();
    const int count = items->Count();
    for (int i = 0; i < count; ++i)
        items->Item(i)->setExpanded(true);
}

void TForm1::TreeView1Click(QObject *)
{
    const TTreeNode *selected = TreeView1->Selected();
    if (!selected)
        return;
    const QString text = selected->Text();
    switch (actionOf(text)) {
    case EntryAction::Nothing:
        break;
    case EntryAction::CoursesLink:
        OpenLink(Links::courses());
        break;
    case EntryAction::ConsultationLink:
        OpenLink(Links::consultation());
        break;
    case EntryAction::Exit:
        Close();
        break;
    case EntryAction::Page:
        ShowPage(ChapterPagePath(text));
        break;
    }
}

void TForm1::ApplicationEvents1Message(TMsg &Msg, bool &Handled)
{
    // Only the page view's inner widgets: the view's own widget is left alone.
    auto *target = qobject_cast<QWidget *>(Msg.receiver);
    if (!target || target == WebBrowser1 || !WebBrowser1->isAncestorOf(target))
        return;
    switch (Msg.event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        Handled = static_cast<QMouseEvent *>(Msg.event)->button() == Qt::RightButton;
        break;
    case QEvent::ContextMenu:
        Handled = true;
        break;
    default:
        Handled = false;
        break;
    }
}

void TForm1::zynButton1Click(QObject *)
{
    OpenLink(Links::newsAndForum());
}

void TForm1::zynButton2Click(QObject *)
{
    ShowPage(ChapterPagePath(kStartPage));
}

void TForm1::zynButton3Click(QObject *)
{
    OpenLink(Links::courses());
}

void TForm1::zynButton4Click(QObject *)
{
    OpenLink(Links::courses());
}

void TForm1::zynButton5Click(QObject *)
{
    OpenLink(Links::courses());
}

void TForm1::zynButton6Click(QObject *)
{
    OpenLink(Links::newsAndForum());
}

void TForm1::zynButton7Click(QObject *)
{
    ShowPage(ChapterPagePath(kContactPage));
}

void TForm1::zynButton8Click(QObject *)
{
    OpenLink(Links::consultation());
}

void TForm1::Image1Click(QObject *)
{
    OpenLink(Links::homePage());
}
