#include "ui/qt/message_box_sink.h"

#include <QMessageBox>
#include <QString>

#include "window/error_message_text.h"

namespace zarvik3 {

namespace {

// Without a parent the box is application-modal and centred on the screen.
void ShowBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QStringLiteral("Zarvik3"), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

}  // namespace

void MessageBoxSink::ShowMessage(const std::string& text) {
    ShowBox(QMessageBox::NoIcon, text);
}

void MessageBoxSink::ShowError(const std::string& message) {
    ShowBox(QMessageBox::Critical, ErrorMessageText(message));
}

bool MessageBoxSink::AskYesNo(const std::string& question) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Zarvik3"),
                    QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No);
    // Enter keeps the window and its unsaved settings; leaving takes a deliberate Yes.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace zarvik3
