// The two folder pickers and Same Path: they fill the folder fields without typing.
#include "window/browse_result.h"
#include "window/folder_text.h"
#include "window/plimo_window.h"

namespace zarvik3 {

void PlimoWindow::Browse(const TextSetter& setField, std::string& remembered) {
    lines_.Clear();
    const std::optional<FolderText> chosen =
        BrowseForFolder(view_, *platform_.drives, remembered, view_);
    if (chosen) setField(*chosen);
    remembered = chosen.value_or(std::string());
    if (!platform_.fileSystem->SetCurrentDirectory(values_.ExeDir)) {
        view_.ShowMessage("Directory Error");
    }
    ClearLastCopy();
}

void PlimoWindow::btPathClick() {
    Browse([this](const std::string& text) { view_.SetFromText(text); }, values_.LastFromDir);
}

void PlimoWindow::btPath2Click() {
    Browse([this](const std::string& text) { view_.SetToText(text); }, values_.LastToDir);
}

void PlimoWindow::SamePath1Click() {
    const std::string from = view_.FromText();
    if (from.empty()) return view_.ShowMessage("From Directory is empty");
    view_.SetToText(SamePathText(from, view_.ToText()));
}

}  // namespace zarvik3
