#include "app/MessageBoxReporter.h"

#include "app/TavroApp.h"

#include <QMessageBox>

namespace {

// Boxes without a caption of their own carry the application's title.
QString Caption(const std::string& caption) {
    return caption.empty() ? QString(CTavroApp::kAppTitle) : QString::fromStdString(caption);
}

} // namespace

void CMessageBoxReporter::Message(const std::string& text, const std::string& caption) {
    QMessageBox::warning(owner, Caption(caption), QString::fromStdString(text));
}

bool CMessageBoxReporter::Question(const std::string& text, const std::string& caption) {
    return QMessageBox::question(owner, Caption(caption), QString::fromStdString(text)) ==
           QMessageBox::Yes;
}
