#include "app/MessageBoxReporter.h"

#include <QMessageBox>

void CMessageBoxReporter::Message(const std::string& text, const std::string& caption) {
    QMessageBox::warning(owner, QString::fromStdString(caption), QString::fromStdString(text));
}

bool CMessageBoxReporter::Question(const std::string& text, const std::string& caption) {
    return QMessageBox::question(owner, QString::fromStdString(caption),
                                 QString::fromStdString(text)) == QMessageBox::Yes;
}
