#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/seam.hpp"
#include "support/scripted_dialogs.hpp"

namespace quimbo::test {

// A seam that answers the file dialog from a script and records everything the run shows.
class ScriptedSeam : public app::Seam {
  public:
    std::deque<std::optional<std::string>> files;  // nullopt: the user cancels
    std::vector<std::string> messages;
    std::vector<bool> cursor;  // every change of the wait cursor
    bool buttonsDisabled = false;
    int closes = 0;
    ScriptedCourseDialog courses;
    ScriptedFrameDialog frames;

    std::optional<std::string> chooseFile() override {
        if (files.empty()) {
            return std::nullopt;
        }
        auto file = files.front();
        files.pop_front();
        return file;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void setWaitCursor(bool waiting) override { cursor.push_back(waiting); }
    exporta::CourseDialog& courseDialog() override { return courses; }
    exporta::FrameDialog& frameDialog() override { return frames; }
    void disableButtons() override { buttonsDisabled = true; }
    void closeMainWindow() override { ++closes; }
};

}  // namespace quimbo::test
