// The two folder pickers and Same Path: they fill the folder fields without typing.
#include <QComboBox>

#include "ui/browse_result.h"
#include "ui/folder_text.h"
#include "ui/plimo_form.h"

namespace zarvik3 {

void TPlimoForm::Browse(QComboBox& field, std::string& remembered) {
    ClearList();
    const std::optional<std::string> chosen =
        BrowseForFolder(chooser_, *platform_.drives, this, remembered, messages_);
    if (chosen) field.setEditText(QString::fromStdString(*chosen));
    remembered = chosen.value_or(std::string());
    if (!platform_.fileSystem->SetCurrentDirectory(values_.ExeDir)) {
        messages_.ShowMessage("Directory Error");
    }
    ClearLastCopy();
}

void TPlimoForm::btPathClick() {
    Browse(*FromBox, values_.LastFromDir);
}

void TPlimoForm::btPath2Click() {
    Browse(*ToFolder, values_.LastToDir);
}

void TPlimoForm::SamePath1Click() {
    const std::string from = FromText();
    if (from.empty()) {
        messages_.ShowMessage("From Directory is empty");
        return;
    }
    ToFolder->setEditText(QString::fromStdString(SamePathText(from, ToText())));
}

}  // namespace zarvik3
