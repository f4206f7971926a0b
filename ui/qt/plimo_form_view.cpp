// The main window's widgets as its behaviour sees them.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "ui/qt/combo_items.h"
#include "ui/qt/date_time_picker.h"
#include "ui/qt/folder_chooser.h"
#include "ui/qt/label_text.h"
#include "ui/qt/plimo_form.h"
#include "ui/qt/result_list_model.h"

namespace zarvik3 {

namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

// setEditText and setText emit no user-edit signal, so no change handler runs.
std::string TPlimoForm::FromText() {
    return Utf8(FromBox->currentText());
}

void TPlimoForm::SetFromText(const std::string& text) {
    FromBox->setEditText(FromUtf8(text));
}

std::string TPlimoForm::ToText() {
    return Utf8(ToFolder->currentText());
}

void TPlimoForm::SetToText(const std::string& text) {
    ToFolder->setEditText(FromUtf8(text));
}

std::vector<std::string> TPlimoForm::FromList() {
    return ComboItems(*FromBox);
}

void TPlimoForm::SetFromList(const std::vector<std::string>& items) {
    SetComboItems(*FromBox, items);
}

std::vector<std::string> TPlimoForm::ToList() {
    return ComboItems(*ToFolder);
}

void TPlimoForm::SetToList(const std::vector<std::string>& items) {
    SetComboItems(*ToFolder, items);
}

std::string TPlimoForm::MaskText() {
    return Utf8(edFile->text());
}

void TPlimoForm::SetMaskText(const std::string& text) {
    edFile->setText(FromUtf8(text));
}

std::string TPlimoForm::ExcludeText() {
    return Utf8(edPrev->text());
}

void TPlimoForm::SetExcludeText(const std::string& text) {
    edPrev->setText(FromUtf8(text));
}

bool TPlimoForm::IncludeSubfolders() {
    return SubBox->isChecked();
}

void TPlimoForm::SetIncludeSubfolders(bool include) {
    SubBox->setChecked(include);
}

void TPlimoForm::ClearList() {
    model_->Clear();
}

void TPlimoForm::AppendLine(const std::string& line) {
    model_->Append(line);
}

void TPlimoForm::AppendToLine(std::size_t row, const std::string& suffix) {
    model_->AppendToRow(row, suffix);
}

void TPlimoForm::ShowStatus(const std::string& text) {
    SetLabelText(*lblNumberFound, text);
    lblNumberFound->show();
}

void TPlimoForm::HideStatus() {
    lblNumberFound->hide();
}

void TPlimoForm::ShowElapsed(const std::string& text) {
    SetLabelText(*Label7, text);
    Label7->show();
}

void TPlimoForm::HideElapsed() {
    Label7->hide();
}

TDateTime TPlimoForm::PickerValue() {
    return DTPicker1->DateTime();
}

void TPlimoForm::SetPickerDate(TDateTime date) {
    DTPicker1->SetDatePart(date);
}

void TPlimoForm::EnablePicker(bool enabled) {
    DTPicker1->setEnabled(enabled);
}

void TPlimoForm::SetWeekdayText(const std::string& text) {
    SetLabelText(*lbWeekday, text);
}

void TPlimoForm::SetTimeText(const std::string& text) {
    SetLabelText(*lbTime, text);
}

void TPlimoForm::ShowLastCopyLabels(bool shown) {
    lbWeekday->setVisible(shown);
    lbTime->setVisible(shown);
}

WindowPlace TPlimoForm::Place() {
    const QRect frame = frameGeometry();
    return {{x(), y(), frame.width(), frame.height()}, !isMinimized() && !isMaximized()};
}

void TPlimoForm::MoveTo(int left, int top) {
    move(left, top);
}

std::vector<ScreenRect> TPlimoForm::Screens() {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        screens.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    return screens;
}

void TPlimoForm::ProcessEvents() {
    model_->FlushIfDue();
    QCoreApplication::processEvents();
}

void TPlimoForm::ShowMessage(const std::string& text) {
    messages_.ShowMessage(text);
}

void TPlimoForm::ShowError(const std::string& message) {
    messages_.ShowError(message);
}

bool TPlimoForm::AskYesNo(const std::string& question) {
    return messages_.AskYesNo(question);
}

std::optional<NativePath> TPlimoForm::ChooseFolder(const std::string& title,
                                                   const NativePath& start) {
    return ChooseFolderDialog(this, title, start);
}

}  // namespace zarvik3
