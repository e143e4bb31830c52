#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/seam.hpp"

namespace quimbo::fuzz {

// Dialog answers for the runs under the fuzzer: the course dialog is left by its close box, the
// time-frame dialog chooses the file's first frame.
class FuzzCourseDialog : public exporta::CourseDialog {
  public:
    exporta::CourseDialogResult show(bool) override { return {}; }
};

class FuzzFrameDialog : public exporta::FrameDialog {
  public:
    exporta::FrameChoice choose() override { return {true, selection}; }
    std::string selection;
};

class FuzzSeam : public app::Seam {
  public:
    explicit FuzzSeam(std::string file) : file_(std::move(file)) {}
    std::optional<std::string> chooseFile() override { return file_; }
    void showMessage(const std::string&) override {}
    void setWaitCursor(bool) override {}
    exporta::CourseDialog& courseDialog() override { return courses; }
    exporta::FrameDialog& frameDialog() override { return frames; }
    void disableButtons() override {}
    void closeMainWindow() override {}
    FuzzCourseDialog courses;
    FuzzFrameDialog frames;

  private:
    std::string file_;
};

}  // namespace quimbo::fuzz
