#include "cli/batch_seam.hpp"

#include "access/table.hpp"
#include "common/error.hpp"
#include "export/working_tables.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace quimbo::cli {

BatchCourseDialog::BatchCourseDialog(std::filesystem::path qtemp,
                                     std::map<std::string, NivelCurso> answers, bool check)
    : qtemp_(std::move(qtemp)), answers_(std::move(answers)), check_(check) {}

void BatchCourseDialog::fillCourses() {
    access::Table cursos(qtemp_, tables::kCursos);
    cursos.open();
    for (cursos.first(); !cursos.eof(); cursos.next()) {
        const std::string clave = cursos.asText("CLAVE");
        for (const auto& [key, answer] : answers_) {
            // CURSOST keeps the first 10 characters of a key.
            if (clipper::RTrim(clipper::Left(key, 10)) == clave) {
                cursos.edit();
                cursos.setText("NIVEL", answer.nivel);
                cursos.setText("CURSO", answer.curso);
                cursos.post();
                break;
            }
        }
    }
    cursos.close();
}

exporta::CourseDialogResult BatchCourseDialog::show(bool) {
    fillCourses();
    if (!check_) {
        return {};
    }
    access::Table cursos(qtemp_, tables::kCursos);
    cursos.open();
    if (!exporta::faltaAlgunDato(cursos)) {
        return {};
    }
    checkFailed_ = true;
    for (cursos.first(); !cursos.eof(); cursos.next()) {
        if (exporta::faltaValor(cursos.asText("NIVEL")) ||
            exporta::faltaValor(cursos.asText("CURSO"))) {
            incomplete_.push_back(
                codepage::cp1252ToUtf8(cursos.asText("CLAVE") + ";" + cursos.asText("ESTUD")));
        }
    }
    return {false, true};
}

exporta::FrameChoice BatchFrameDialog::choose() {
    if (!selection_) {
        throw Error("Falta la opción --marcos: el archivo tiene varios Marcos Horarios.");
    }
    return {true, *selection_};
}

}  // namespace quimbo::cli
