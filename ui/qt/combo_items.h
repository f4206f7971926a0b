#pragma once

#include <string>
#include <vector>

class QComboBox;

namespace zarvik3 {

std::vector<std::string> ComboItems(const QComboBox& box);

// Replaces the drop-down list, keeping the edit text: a combo box would otherwise take its
// first item as the text, and that text was never chosen.
void SetComboItems(QComboBox& box, const std::vector<std::string>& items);

}  // namespace zarvik3
