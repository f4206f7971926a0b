#include "ui/qt/label_text.h"

#include <QLabel>
#include <QString>

namespace zarvik3 {

void SetLabelText(QLabel& label, const std::string& text) {
    label.setText(QString::fromStdString(text));
    label.adjustSize();
}

}  // namespace zarvik3
