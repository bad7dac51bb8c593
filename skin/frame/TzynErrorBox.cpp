#include "TzynErrorBox.h"

#include "TLayoutLoader.h"

#include <QApplication>
#include <QMessageBox>

void TzynErrorBox::Show(const QString &text)
{
    // While a layout loads, a load that nobody watches fails with the report instead of
    // waiting on the box; one that somebody watches names the place in the file.
    if (TLayoutLoader::failLoad(text))
        return;
    const QString where = TLayoutLoader::currentPosition();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
        where.isEmpty() ? text : where + QStringLiteral(": ") + text, QMessageBox::Ok,
        QApplication::activeWindow());
    box.exec();
}
