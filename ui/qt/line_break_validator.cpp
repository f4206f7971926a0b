#include "ui/qt/line_break_validator.h"

#include <QLineEdit>
#include <QMetaObject>

#include "window/field_refusal.h"

namespace zarvik3 {

LineBreakValidator::LineBreakValidator(MessageSink& messages, std::string fieldName,
                                       QObject* parent)
    : QValidator(parent), messages_(messages), fieldName_(std::move(fieldName)) {}

QValidator::State LineBreakValidator::validate(QString& input, int&) const {
    std::optional<std::string> refusal = FieldRefusal(fieldName_, input.toStdString());
    if (!refusal) return Acceptable;
    // The field is still undoing the edit here; the modal box waits for it to finish.
    if (!telling_) {
        telling_ = true;
        QMetaObject::invokeMethod(
            const_cast<LineBreakValidator*>(this),
            [this, message = std::move(*refusal)] {
                telling_ = false;
                messages_.ShowMessage(message);
            },
            Qt::QueuedConnection);
    }
    return Invalid;
}

void RefuseLineBreaks(QLineEdit& edit, MessageSink& messages, const std::string& fieldName) {
    edit.setValidator(new LineBreakValidator(messages, fieldName, &edit));
}

}  // namespace zarvik3
