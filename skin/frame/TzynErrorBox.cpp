#include "TzynErrorBox.h"

#include <QApplication>
#include <QMessageBox>

void TzynErrorBox::Show(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}
