// The main window as the copy engine sees it.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "ui/label_text.h"
#include "ui/plimo_form.h"
#include "ui/result_list_model.h"

namespace zarvik3 {

namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace

std::string TPlimoForm::FromText() {
    return Utf8(FromBox->currentText());
}

std::string TPlimoForm::ToText() {
    return Utf8(ToFolder->currentText());
}

std::string TPlimoForm::MaskText() {
    return Utf8(edFile->text());
}

std::string TPlimoForm::ExcludeText() {
    return Utf8(edPrev->text());
}

bool TPlimoForm::IncludeSubfolders() {
    return SubBox->isChecked();
}

void TPlimoForm::SetFromText(const std::string& text) {
    // setEditText emits no user-edit signal, so no change handler runs.
    FromBox->setEditText(QString::fromStdString(text));
}

void TPlimoForm::ClearList() {
    model_->Clear();
}

std::size_t TPlimoForm::AppendLine(const std::string& line) {
    return model_->Append(line);
}

void TPlimoForm::MarkLastLineFailed(const std::string& suffix) {
    model_->MarkLastLineFailed(suffix);
}

void TPlimoForm::MarkLineFailed(std::size_t line, const std::string& /*text*/,
                                const std::string& suffix) {
    model_->MarkLineFailed(line, suffix);
}

std::size_t TPlimoForm::LineCount() {
    return model_->LineCount();
}

std::size_t TPlimoForm::FailedLineCount() {
    return model_->FailedLineCount();
}

void TPlimoForm::ShowStatus(const std::string& text) {
    SetLabelText(*lblNumberFound, text);
    lblNumberFound->show();
}

void TPlimoForm::ShowElapsed(const std::string& text) {
    SetLabelText(*Label7, text);
    Label7->show();
}

void TPlimoForm::HideElapsed() {
    Label7->hide();
}

void TPlimoForm::ShowMessage(const std::string& text) {
    messages_.ShowMessage(text);
}

void TPlimoForm::ProcessEvents() {
    // Each pump polls the window system, a system call that costs more than a whole up-to-date
    // entry; a millisecond between pumps is far below what a person can notice, and every
    // sixteenth entry pumps regardless, so short walks still answer Cancel.
    if (pumpClock_.isValid() && pumpClock_.elapsed() < 1 && ++skippedPumps_ < 16) return;
    skippedPumps_ = 0;
    pumpClock_.start();
    model_->FlushIfDue();
    QCoreApplication::processEvents();
    // A close asked for during the drive check would otherwise be lost when the walk
    // clears the flag at its start.
    if (closePending_) values_.CancelRequested = true;
}

}  // namespace zarvik3
