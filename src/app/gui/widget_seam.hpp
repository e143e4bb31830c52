#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/process_state.hpp"
#include "app/seam.hpp"

class QFileDialog;
class QWidget;

namespace quimbo::gui {

class TMForm;

// The course dialog as the window shows it: a fresh TControlCursos per showing.
class WidgetCourseDialog : public exporta::CourseDialog {
  public:
    WidgetCourseDialog(QWidget* owner, std::filesystem::path qtemp)
        : owner_(owner), qtemp_(std::move(qtemp)) {}
    exporta::CourseDialogResult show(bool reintento) override;

  private:
    QWidget* owner_;
    std::filesystem::path qtemp_;
};

// The time-frame dialog as the window shows it: a fresh TPlantillas per showing.
class WidgetFrameDialog : public exporta::FrameDialog {
  public:
    WidgetFrameDialog(QWidget* owner, const app::ProcessState& state)
        : owner_(owner), state_(state) {}
    exporta::FrameChoice choose() override;

  private:
    QWidget* owner_;
    const app::ProcessState& state_;
};

// The window's side of the seam.
class WidgetSeam : public app::Seam {
  public:
    WidgetSeam(TMForm& form, QFileDialog& fileDialog, const app::ProcessState& state,
               const std::filesystem::path& qtemp);

    std::optional<std::string> chooseFile() override;
    void showMessage(const std::string& text) override;
    void setWaitCursor(bool waiting) override;
    exporta::CourseDialog& courseDialog() override { return courses_; }
    exporta::FrameDialog& frameDialog() override { return frames_; }
    void disableButtons() override;
    void closeMainWindow() override;

    // Tests answer the file dialog themselves.
    std::function<std::optional<QString>()> fileChooserForTesting;

  private:
    TMForm& form_;
    QFileDialog& fileDialog_;
    WidgetCourseDialog courses_;
    WidgetFrameDialog frames_;
};

// The normal cursor while a dialog is open; the hourglass comes back when it closes.
class NormalCursorWhileOpen {
  public:
    NormalCursorWhileOpen();
    ~NormalCursorWhileOpen();
    NormalCursorWhileOpen(const NormalCursorWhileOpen&) = delete;
    NormalCursorWhileOpen& operator=(const NormalCursorWhileOpen&) = delete;
};

}  // namespace quimbo::gui
