#pragma once

#include "TForm.h"
#include "TMsg.h"

#include <QStringList>

#include <array>

class TApplicationEvents;
class TImage;
class TImageList;
class TWebBrowser;
class TzynButton;
class TzynForm;
class TzynGroupBox;
class TzynTreeView;

// The study guide's main window: the chapter tree, the page view, eight buttons and the logo,
// built from the layout description "Unit1.layout" among the resources.
class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    TImageList *ImageList1 = nullptr;
    TzynForm *zynForm1 = nullptr;
    TzynTreeView *TreeView1 = nullptr;
    TzynGroupBox *GroupBox1 = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    TApplicationEvents *ApplicationEvents1 = nullptr;
    std::array<TzynButton *, 8> zynButtons {};
    TImage *Image1 = nullptr;

    // Asks the page view for a local page (full path).
    void ShowPage(const QString &path);
    // The texts of the tree entries that show a page, in tree order (depth first), each once.
    QStringList PageEntries() const;

public Q_SLOTS:
    void TreeView1Click(QObject *Sender);
    void FormCreate(QObject *Sender);
    void ApplicationEvents1Message(TMsg &Msg, bool &Handled);
    void zynButton1Click(QObject *Sender);
    void zynButton2Click(QObject *Sender);
    void zynButton3Click(QObject *Sender);
    void zynButton4Click(QObject *Sender);
    void zynButton5Click(QObject *Sender);
    void zynButton6Click(QObject *Sender);
    void zynButton7Click(QObject *Sender);
    void zynButton8Click(QObject *Sender);
    void Image1Click(QObject *Sender);

protected:
    void Loaded() override;
};
