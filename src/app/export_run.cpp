#include "app/export_run.hpp"

#include "app/chosen_file.hpp"
#include "export/traspasa_actividades.hpp"
#include "export/traspasa_asignaciones.hpp"
#include "export/traspasa_aulas.hpp"
#include "export/traspasa_cursos.hpp"
#include "export/traspasa_grupos.hpp"
#include "export/traspasa_materias.hpp"
#include "export/traspasa_periodos.hpp"
#include "export/traspasa_profesores.hpp"
#include "export/traspasa_tramos.hpp"

namespace quimbo::app {

RunOutcome BExportarClick(ProcessState& state, Seam& seam, const Environment& environment) {
    if (!chooseExistingFile(state, seam)) {
        return RunOutcome::MissingFile;
    }
    if (!loadSenecaFile(state, seam, "No se ha modificado ninguna tabla de Tempario.")) {
        return RunOutcome::Refused;
    }
    const access::XmlDocument& document = *state.documentoXml;
    if (!seam.acceptDocument(document)) {
        return RunOutcome::AnswersRefused;
    }
    const std::filesystem::path& qtemp = environment.qtemp;
    WaitCursor cursor(seam);

    exporta::TraspasaPeriodos(document, qtemp);
    if (exporta::TraspasaCursos(document, qtemp, seam.courseDialog(), state.reintento) ==
        exporta::CursosOutcome::SalidaForzada) {
        cursor.restore();
        seam.closeMainWindow();
        return RunOutcome::ForcedExit;
    }
    // Every run starts with empty registration lists, whatever an earlier failed run left.
    state.registroMaterias.clear();
    exporta::TraspasaMaterias(document, qtemp, environment.programDirectory,
                              state.registroMaterias);
    exporta::TraspasaActividades(document, qtemp, state.registroMaterias);
    exporta::TraspasaProfesores(document, qtemp);
    exporta::TraspasaAulas(document, qtemp);
    exporta::TraspasaGrupos(document, qtemp);
    exporta::TraspasaAsignaciones(document, qtemp);
    exporta::TraspasaTramos(document, qtemp, seam.frameDialog(), state.reintento);

    cursor.restore();
    state.resultado = 1;
    seam.showMessage(kProcesoFinalizado);
    seam.disableButtons();
    if (state.modoAnfitrionActivo()) {
        seam.closeMainWindow();
    }
    return RunOutcome::Finished;
}

}  // namespace quimbo::app
