#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "export/course_dialog.hpp"
#include "export/frame_dialog.hpp"

namespace quimbo::test {

// A course dialog whose showings are scripted: each answer runs in turn and says how the
// showing ended; the `reintento` flag of every showing is recorded.
class ScriptedCourseDialog : public exporta::CourseDialog {
  public:
    using Answer = std::function<exporta::CourseDialogResult()>;
    void then(Answer answer) { answers_.push_back(std::move(answer)); }
    exporta::CourseDialogResult show(bool reintento) override {
        showings.push_back(reintento);
        if (answers_.empty()) {
            return {};  // the close box: no check
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        return answer();
    }
    std::vector<bool> showings;

  private:
    std::deque<Answer> answers_;
};

// A time-frame dialog returning scripted choices in turn.
class ScriptedFrameDialog : public exporta::FrameDialog {
  public:
    explicit ScriptedFrameDialog(std::vector<exporta::FrameChoice> choices = {})
        : choices_(choices.begin(), choices.end()) {}
    exporta::FrameChoice choose() override {
        ++showings;
        if (choices_.empty()) {
            throw std::runtime_error("the time-frame dialog was not expected");
        }
        exporta::FrameChoice choice = choices_.front();
        choices_.pop_front();
        return choice;
    }
    int showings = 0;

  private:
    std::deque<exporta::FrameChoice> choices_;
};

}  // namespace quimbo::test
