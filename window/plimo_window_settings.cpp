// The window's side of the settings file: its main section at start and close, and the
// folder histories with their last-copy stamps.
#include <stdexcept>

#include "settings/folder_history.h"
#include "settings/last_copy_display.h"
#include "text/date_time_text.h"
#include "text/text_helpers.h"
#include "window/plimo_window.h"

namespace zarvik3 {

SettingsFile PlimoWindow::OpenSettings() {
    return SettingsFile(*platform_.profiles, settings_.file, settings_.folderToCreate);
}

int PlimoWindow::CurrentYear() {
    return DecodeDateTime(platform_.clock->Now()).year;
}

void PlimoWindow::LoadSettings() {
    LoadedSettings loaded;
    {
        SettingsFile file = OpenSettings();
        loaded = zarvik3::LoadSettings(file, locale_, CurrentYear());
    }
    ApplyPosition(loaded.position);
    ApplyFields(loaded);
    values_.LastFromDir = view_.FromText();
    values_.LastToDir = view_.ToText();
    // Everything else has loaded; the malformed position is still worth telling.
    if (loaded.positionError) throw std::runtime_error(*loaded.positionError);
}

void PlimoWindow::ApplyPosition(const std::optional<WindowPosition>& saved) {
    const ScreenRect frame = view_.Place().frame;
    const WindowPosition at = OpeningPosition(saved, frame.width, frame.height, view_.Screens());
    view_.MoveTo(at.left, at.top);
}

void PlimoWindow::ApplyFields(const LoadedSettings& loaded) {
    if (loaded.fromText) view_.SetFromText(*loaded.fromText);
    if (loaded.toText) view_.SetToText(*loaded.toText);
    view_.SetFromList(loaded.fromHistory);
    view_.SetToList(loaded.toHistory);
    if (loaded.fileMask) view_.SetMaskText(*loaded.fileMask);
    if (loaded.exclusions) view_.SetExcludeText(*loaded.exclusions);
    if (loaded.pickerDate) view_.SetPickerDate(*loaded.pickerDate);
    if (loaded.timeText) ShowLastCopy(*loaded.timeText);
    if (loaded.subfolders) view_.SetIncludeSubfolders(*loaded.subfolders);
}

MainSectionState PlimoWindow::MainState() {
    MainSectionState state;
    state.fromText = view_.FromText();
    state.toText = view_.ToText();
    state.fileMask = view_.MaskText();
    state.exclusions = view_.ExcludeText();
    state.pickerValue = view_.PickerValue();
    state.lastFromDir = values_.LastFromDir;
    state.lastToDir = values_.LastToDir;
    state.timeVisible = shownTime_.has_value();
    state.timeText = shownTime_.value_or(std::string());
    state.subfolders = view_.IncludeSubfolders();
    const WindowPlace place = view_.Place();
    state.windowNormal = place.normal;
    state.position = {place.frame.top, place.frame.left};
    return state;
}

void PlimoWindow::FormClose() {
    SettingsFile file = OpenSettings();
    SaveSettings(file, MainState(), locale_);
}

// The picker is enabled at its current date, with that date's weekday and the given time.
void PlimoWindow::ShowLastCopy(const std::string& timeText) {
    view_.EnablePicker(true);
    view_.SetWeekdayText(WeekdayName(view_.PickerValue()));
    view_.SetTimeText(timeText);
    view_.ShowLastCopyLabels(true);
    shownTime_ = timeText;
}

void PlimoWindow::ClearLastCopy() {
    view_.SetPickerDate(0);
    view_.EnablePicker(false);
    view_.ShowLastCopyLabels(false);
    shownTime_.reset();
}

void PlimoWindow::RecordLastCopy() {
    SettingsFile file = OpenSettings();
    const TDateTime now = platform_.clock->Now();
    // The display shows the copy even when its stamp cannot be written.
    const std::string shown = FormatDateTimeText(now, locale_);
    view_.SetPickerDate(ParseDateTimeText(shown, locale_, CurrentYear()));
    ShowLastCopy(StampTimeText(shown));
    std::vector<std::string> fromList = view_.FromList();
    std::vector<std::string> toList = view_.ToList();
    try {
        StampLastCopy(file, view_.FromText(), view_.ToText(), fromList, toList, now, locale_);
    } catch (...) {
        // What was recorded before the refused write is listed too.
        view_.SetFromList(fromList);
        view_.SetToList(toList);
        throw;
    }
    view_.SetFromList(fromList);
    view_.SetToList(toList);
    values_.TotalKB = 0;
}

void PlimoWindow::FromBoxChange() {
    SettingsFile file = OpenSettings();
    lines_.Clear();
    view_.HideStatus();
    view_.HideElapsed();
    const std::string from = view_.FromText();
    if (from.empty()) return;
    const std::optional<std::string> stamp = LookupLastCopy(file, from);
    if (!stamp) return ClearLastCopy();
    view_.SetPickerDate(StampDate(*stamp, locale_, platform_.clock->Now()));
    ShowLastCopy(StampTimeText(*stamp));
}

// The field's text is cleared first; its list shows what is left even after a refused write.
void PlimoWindow::DeleteEntry(const std::string& section, std::vector<std::string> list,
                              std::string text, const ListSetter& showList) {
    SettingsFile file = OpenSettings();
    try {
        DeleteHistoryEntry(file, list, text, section);
    } catch (...) {
        showList(list);
        throw;
    }
    showList(list);
}

void PlimoWindow::Delete1Click() {
    const std::string text = view_.FromText();
    view_.SetFromText({});
    DeleteEntry(kFromSection, view_.FromList(), text,
                [this](const std::vector<std::string>& list) { view_.SetFromList(list); });
}

void PlimoWindow::Delete2Click() {
    const std::string text = view_.ToText();
    view_.SetToText({});
    DeleteEntry(kToSection, view_.ToList(), text,
                [this](const std::vector<std::string>& list) { view_.SetToList(list); });
}

}  // namespace zarvik3
