// The window's side of the settings file: its main section at start and close, and the
// folder histories with their last-copy stamps.
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <stdexcept>

#include "platform/settings_location.h"
#include "settings/folder_history.h"
#include "settings/last_copy_display.h"
#include "settings/main_section.h"
#include "settings/settings_file.h"
#include "text/date_time_text.h"
#include "text/text_helpers.h"
#include "ui/combo_items.h"
#include "ui/date_time_picker.h"
#include "ui/label_text.h"
#include "ui/plimo_form.h"

namespace zarvik3 {
namespace {

std::vector<ScreenRect> Screens() {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        screens.push_back({area.left(), area.top(), area.width(), area.height()});
    }
    return screens;
}

void SetText(QComboBox& box, const std::optional<std::string>& text) {
    if (text) box.setEditText(QString::fromStdString(*text));
}

void SetText(QLineEdit& edit, const std::optional<std::string>& text) {
    if (text) edit.setText(QString::fromStdString(*text));
}

}  // namespace

void TPlimoForm::LocateSettings(const std::string& nativeProgramFolder) {
    const SettingsLocation location = LocateSettingsFile(nativeProgramFolder);
    const std::optional<std::string> file = platform_.drives->ToFolderText(location.file);
    if (!file) throw std::runtime_error("The settings file " + location.file + " is on no drive");
    settingsPath_ = *file;
    settingsFolder_ = location.folderToCreate;
}

SettingsFile TPlimoForm::OpenSettings() {
    return SettingsFile(*platform_.profiles, settingsPath_, settingsFolder_);
}

int TPlimoForm::CurrentYear() {
    return DecodeDateTime(platform_.clock->Now()).year;
}

void TPlimoForm::LoadSettings() {
    LoadedSettings loaded;
    {
        SettingsFile file = OpenSettings();
        loaded = zarvik3::LoadSettings(file, locale_, CurrentYear());
    }
    ApplyPosition(loaded.position);
    ApplyFields(loaded);
    values_.LastFromDir = FromText();
    values_.LastToDir = ToText();
    // Everything else has loaded; the malformed position is still worth telling.
    if (loaded.positionError) throw std::runtime_error(*loaded.positionError);
}

void TPlimoForm::ApplyPosition(const std::optional<WindowPosition>& saved) {
    const QSize size = frameGeometry().size();
    const WindowPosition at = OpeningPosition(saved, size.width(), size.height(), Screens());
    move(at.left, at.top);
}

void TPlimoForm::ApplyFields(const LoadedSettings& loaded) {
    SetText(*FromBox, loaded.fromText);
    SetText(*ToFolder, loaded.toText);
    SetComboItems(*FromBox, loaded.fromHistory);
    SetComboItems(*ToFolder, loaded.toHistory);
    SetText(*edFile, loaded.fileMask);
    SetText(*edPrev, loaded.exclusions);
    if (loaded.pickerDate) DTPicker1->SetDatePart(*loaded.pickerDate);
    if (loaded.timeText) ShowLastCopy(*loaded.timeText);
    if (loaded.subfolders) SubBox->setChecked(*loaded.subfolders);
}

MainSectionState TPlimoForm::MainState() {
    MainSectionState state;
    state.fromText = FromText();
    state.toText = ToText();
    state.fileMask = MaskText();
    state.exclusions = ExcludeText();
    state.pickerValue = DTPicker1->DateTime();
    state.lastFromDir = values_.LastFromDir;
    state.lastToDir = values_.LastToDir;
    state.timeVisible = !lbTime->isHidden();
    state.timeText = lbTime->text().toStdString();
    state.subfolders = SubBox->isChecked();
    state.windowNormal = !isMinimized() && !isMaximized();
    state.position = {y(), x()};
    return state;
}

void TPlimoForm::SaveSettings() {
    SettingsFile file = OpenSettings();
    zarvik3::SaveSettings(file, MainState(), locale_);
}

// The picker is enabled at its current date, with that date's weekday and the given time.
void TPlimoForm::ShowLastCopy(const std::string& timeText) {
    DTPicker1->setEnabled(true);
    SetLabelText(*lbWeekday, WeekdayName(DTPicker1->DateTime()));
    lbWeekday->show();
    SetLabelText(*lbTime, timeText);
    lbTime->show();
}

void TPlimoForm::ClearLastCopy() {
    DTPicker1->SetDatePart(0);
    DTPicker1->setEnabled(false);
    lbTime->hide();
    lbWeekday->hide();
}

void TPlimoForm::RecordLastCopy() {
    SettingsFile file = OpenSettings();
    const std::string stamp = FormatDateTimeText(platform_.clock->Now(), locale_);
    DTPicker1->SetDatePart(ParseDateTimeText(stamp, locale_, CurrentYear()));
    ShowLastCopy(StampTimeText(stamp));
    std::vector<std::string> fromList = ComboItems(*FromBox);
    std::vector<std::string> toList = ComboItems(*ToFolder);
    try {
        zarvik3::RecordLastCopy(file, FromText(), ToText(), fromList, toList, stamp);
    } catch (...) {
        // What was recorded before the refused write is listed too.
        SetComboItems(*FromBox, fromList);
        SetComboItems(*ToFolder, toList);
        throw;
    }
    SetComboItems(*FromBox, fromList);
    SetComboItems(*ToFolder, toList);
    values_.TotalKB = 0;
}

void TPlimoForm::FromBoxChange() {
    SettingsFile file = OpenSettings();
    ClearList();
    lblNumberFound->hide();
    Label7->hide();
    const std::string from = FromText();
    if (from.empty()) return;
    const std::optional<std::string> stamp = LookupLastCopy(file, from);
    if (!stamp) {
        ClearLastCopy();
        return;
    }
    DTPicker1->SetDatePart(StampDate(*stamp, locale_, platform_.clock->Now()));
    ShowLastCopy(StampTimeText(*stamp));
}

void TPlimoForm::DeleteEntry(QComboBox& box, const std::string& section) {
    std::vector<std::string> list = ComboItems(box);
    std::string text = box.currentText().toStdString();
    box.setEditText(QString());
    SettingsFile file = OpenSettings();
    try {
        DeleteHistoryEntry(file, list, text, section);
    } catch (...) {
        SetComboItems(box, list);
        throw;
    }
    SetComboItems(box, list);
}

void TPlimoForm::Delete1Click() {
    DeleteEntry(*FromBox, kFromSection);
}

void TPlimoForm::Delete2Click() {
    DeleteEntry(*ToFolder, kToSection);
}

}  // namespace zarvik3
