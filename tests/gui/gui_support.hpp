#pragma once

#include <QStringList>

#include "app/gui/message_box.hpp"

namespace quimbo::test {

// Records every message box of the application instead of showing it, for as long as it lives.
class RecordedMessages {
  public:
    RecordedMessages() {
        gui::setMessagePresenterForTesting(
            [this](QWidget*, const QString& text) { texts.append(text); });
    }
    ~RecordedMessages() { gui::setMessagePresenterForTesting({}); }
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;
    QStringList texts;
};

}  // namespace quimbo::test
