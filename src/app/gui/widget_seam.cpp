#include "app/gui/widget_seam.hpp"

#include <QApplication>
#include <QFileDialog>

#include "app/gui/message_box.hpp"
#include "app/gui/tm_form.hpp"
#include "common/error.hpp"
#include "dialogs/cursos.hpp"
#include "dialogs/plantihoras.hpp"

namespace quimbo::gui {

NormalCursorWhileOpen::NormalCursorWhileOpen() {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

NormalCursorWhileOpen::~NormalCursorWhileOpen() {
    QApplication::restoreOverrideCursor();
}

exporta::CourseDialogResult WidgetCourseDialog::show(bool reintento) {
    NormalCursorWhileOpen normal;
    dialogs::TControlCursos dialog(owner_, qtemp_, reintento);
    dialog.exec();
    if (!dialog.failure().isEmpty()) {
        throw Error(dialog.failure().toStdString());
    }
    return {dialog.DatosIncompletos, dialog.salidaForzada()};
}

exporta::FrameChoice WidgetFrameDialog::choose() {
    NormalCursorWhileOpen normal;
    dialogs::TPlantillas dialog(owner_, state_.rutaXml);
    dialog.exec();
    if (dialog.sinMarcos()) {
        throw Error("No se han podido leer los Marcos Horarios del archivo " + state_.rutaXml +
                    ", así que no se puede elegir ninguno. La tabla DIASHORAST no se ha "
                    "modificado.");
    }
    return {dialog.SeleccionCorrecta, dialog.marcosSeleccionados()};
}

WidgetSeam::WidgetSeam(TMForm& form, QFileDialog& fileDialog, const app::ProcessState& state,
                       const std::filesystem::path& qtemp)
    : form_(form), fileDialog_(fileDialog), courses_(&form, qtemp), frames_(&form, state) {}

std::optional<std::string> WidgetSeam::chooseFile() {
    NormalCursorWhileOpen normal;
    if (fileChooserForTesting) {
        if (auto chosen = fileChooserForTesting()) {
            return chosen->toStdString();
        }
        return std::nullopt;
    }
    if (fileDialog_.exec() != QDialog::Accepted || fileDialog_.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return fileDialog_.selectedFiles().front().toStdString();
}

void WidgetSeam::showMessage(const std::string& text) {
    NormalCursorWhileOpen normal;
    gui::showMessage(&form_, QString::fromStdString(text));
}

void WidgetSeam::setWaitCursor(bool waiting) {
    if (waiting) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void WidgetSeam::disableButtons() {
    form_.disableConversionButtons();
}

void WidgetSeam::closeMainWindow() {
    form_.close();
}

}  // namespace quimbo::gui
