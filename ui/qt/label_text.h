#pragma once

#include <string>

class QLabel;

namespace zarvik3 {

// Sets a label's text as plain text and sizes the label to it, keeping its top-left corner.
void SetLabelText(QLabel& label, const std::string& text);

}  // namespace zarvik3
