#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/seam.hpp"
#include "cli/niveles_answers.hpp"

namespace quimbo::cli {

// The course dialog answered from --niveles: fills CURSOST, then runs the dialog's check unless
// --sin-comprobar-cursos was given. A failed check ends the run as a forced exit does.
class BatchCourseDialog : public exporta::CourseDialog {
  public:
    BatchCourseDialog(std::filesystem::path qtemp, std::map<std::string, NivelCurso> answers,
                      bool check);
    exporta::CourseDialogResult show(bool reintento) override;

    bool checkFailed() const { return checkFailed_; }
    // "CLAVE;ESTUD" of every course still lacking its level or grade (UTF-8).
    const std::vector<std::string>& incompleteCourses() const { return incomplete_; }

  private:
    void fillCourses();

    std::filesystem::path qtemp_;
    std::map<std::string, NivelCurso> answers_;
    bool check_;
    bool checkFailed_ = false;
    std::vector<std::string> incomplete_;
};

// The time-frame dialog answered from --marcos, already checked against the file.
class BatchFrameDialog : public exporta::FrameDialog {
  public:
    explicit BatchFrameDialog(std::optional<std::string> selection = std::nullopt)
        : selection_(std::move(selection)) {}
    exporta::FrameChoice choose() override;
    void select(std::optional<std::string> selection) { selection_ = std::move(selection); }

  private:
    std::optional<std::string> selection_;
};

// The batch tool's side of the seam: the file comes from the command line, messages are kept for
// the tool to print, the window actions do nothing.
class BatchSeam : public app::Seam {
  public:
    BatchSeam(std::string file, BatchCourseDialog& courses, BatchFrameDialog& frames)
        : file_(std::move(file)), courses_(courses), frames_(frames) {}

    std::optional<std::string> chooseFile() override { return file_; }
    void showMessage(const std::string& text) override { messages_.push_back(text); }
    void setWaitCursor(bool) override {}
    exporta::CourseDialog& courseDialog() override { return courses_; }
    exporta::FrameDialog& frameDialog() override { return frames_; }
    void disableButtons() override {}
    void closeMainWindow() override {}

    const std::vector<std::string>& messages() const { return messages_; }

    // The check of the answers against the loaded file, run before any table is touched.
    std::function<bool(const access::XmlDocument&)> documentCheck;
    bool acceptDocument(const access::XmlDocument& document) override {
        return !documentCheck || documentCheck(document);
    }

  private:
    std::string file_;
    BatchCourseDialog& courses_;
    BatchFrameDialog& frames_;
    std::vector<std::string> messages_;
};

}  // namespace quimbo::cli
