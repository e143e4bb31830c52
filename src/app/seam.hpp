#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "access/xml_document.hpp"
#include "export/course_dialog.hpp"
#include "export/frame_dialog.hpp"

namespace quimbo::app {

// Everything through which a run talks to its user. The window implements it with widgets, the
// batch tool with its options and answers, the tests with scripted answers. Texts are UTF-8.
class Seam {
  public:
    virtual ~Seam() = default;
    // The file dialog: the chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> chooseFile() = 0;
    virtual void showMessage(const std::string& text) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    virtual exporta::CourseDialog& courseDialog() = 0;
    virtual exporta::FrameDialog& frameDialog() = 0;
    virtual void disableButtons() = 0;
    virtual void closeMainWindow() = 0;
    // Once the export run has loaded the Séneca file, before any table is touched: a front end
    // whose answers were given beforehand checks them against the document; false ends the run.
    virtual bool acceptDocument(const access::XmlDocument&) { return true; }
};

// Where a run finds its files.
struct Environment {
    std::filesystem::path qtemp;             // Tempario's exchange directory
    std::filesystem::path programDirectory;  // SENEMATERIAS.DBF
};

enum class RunOutcome {
    Finished,         // "Proceso finalizado"
    MissingFile,      // "No existe archivo"
    Refused,          // the chosen file is not a Séneca exchange file; nothing touched
    ForcedExit,       // the course dialog's forced exit
    AnswersRefused,   // the front end's answers do not fit the file; nothing touched
    PeriodosMissing,  // the timetable export found no PERIODOS.DBF
};

inline constexpr const char* kNoExisteArchivo = "No existe archivo";
inline constexpr const char* kProcesoFinalizado = "Proceso finalizado";

// Shows the wait cursor for as long as it lives; the normal cursor comes back however the
// run ends.
class WaitCursor {
  public:
    explicit WaitCursor(Seam& seam) : seam_(seam) { seam_.setWaitCursor(true); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    void restore() {
        if (active_) {
            active_ = false;
            seam_.setWaitCursor(false);
        }
    }

  private:
    Seam& seam_;
    bool active_ = true;
};

}  // namespace quimbo::app
