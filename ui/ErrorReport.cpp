#include "ui/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

void ShowErrorReport(const QString& text, QWidget* parent) {
    if (!parent) parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvix"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
