#include "ui/qt/combo_items.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace zarvik3 {

std::vector<std::string> ComboItems(const QComboBox& box) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i) items.push_back(box.itemText(i).toStdString());
    return items;
}

void SetComboItems(QComboBox& box, const std::vector<std::string>& items) {
    const QString text = box.currentText();
    const QSignalBlocker quiet(box);
    box.clear();
    for (const std::string& item : items) box.addItem(QString::fromStdString(item));
    box.setCurrentIndex(-1);
    box.setEditText(text);
}

}  // namespace zarvik3
