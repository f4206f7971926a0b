#pragma once

#include <QValidator>
#include <string>

#include "window/message_sink.h"

class QLineEdit;

namespace zarvik3 {

// Refuses an edit (a paste, a drop) that would put a line break or NUL into a field, which
// the settings file could never store, and then tells the user why.
class LineBreakValidator : public QValidator {
  public:
    LineBreakValidator(MessageSink& messages, std::string fieldName, QObject* parent);
    State validate(QString& input, int& position) const override;

  private:
    MessageSink& messages_;
    std::string fieldName_;
    mutable bool telling_ = false;
};

// Gives the edit such a validator, named for its caption.
void RefuseLineBreaks(QLineEdit& edit, MessageSink& messages, const std::string& fieldName);

}  // namespace zarvik3
