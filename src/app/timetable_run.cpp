#include "app/timetable_run.hpp"

#include "access/table.hpp"
#include "app/chosen_file.hpp"
#include "common/error.hpp"
#include "export/working_tables.hpp"
#include "platform/atomic_file.hpp"
#include "platform/local_time.hpp"
#include "platform/paths.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"
#include "timetable/escribe_horarios_regulares.hpp"
#include "timetable/revision.hpp"
#include "timetable/seneca_writer.hpp"

namespace quimbo::app {

namespace {

// The nine tables of the main window, opened exclusively in this order and closed on any exit.
struct MainWindowTables {
    access::Table soluc;
    access::Table grupos;
    access::Table cursos;
    access::Table profesor;
    access::Table aulas;
    access::Table nomAsg;
    access::Table nomAsg2;
    access::Table tramos;
    access::Table asig;

    explicit MainWindowTables(const std::filesystem::path& qtemp)
        : soluc(qtemp, tables::kSolucion),
          grupos(qtemp, tables::kGrupos),
          cursos(qtemp, "CursosT"),
          profesor(qtemp, tables::kProfesores),
          aulas(qtemp, tables::kAulas),
          nomAsg(qtemp, tables::kAsignaturas),
          nomAsg2(qtemp, tables::kAsignaturas2),
          tramos(qtemp, tables::kTramos),
          asig(qtemp, tables::kAsignaciones) {}

    std::vector<access::Table*> inOrder() {
        return {&soluc, &grupos, &cursos, &profesor, &aulas, &nomAsg, &nomAsg2, &tramos, &asig};
    }
    void openAll() {
        for (access::Table* table : inOrder()) {
            table->open(access::OpenMode::Exclusive);
        }
    }
    void closeAll() {
        for (access::Table* table : inOrder()) {
            table->close();
        }
    }
};

struct Periodo {
    std::string inicio;
    std::string fin;
};

Periodo readPeriodo(const std::filesystem::path& qtemp) {
    access::Table periodos(qtemp, tables::kPeriodos);
    periodos.open();
    periodos.first();
    Periodo periodo{periodos.asText("F_INICIO"), periodos.asText("F_FIN")};
    periodos.close();
    return periodo;
}

std::string academicYear(const access::XmlDocument& document) {
    const access::XmlNode first = document.selectSingleNode("/SERVICIO/BLOQUE_DATOS").firstChild();
    return clipper::Left(codepage::utf8ToCp1252(first.text()), 4);
}

// Puts a new SERVICIO of module HORARIOS in place of the loaded root; the nodes outside the root
// (declaration, comments, processing instructions) stay before it. Returns HORARIOS_REGULARES.
access::XmlNode buildEnvelope(access::XmlDocument& document, const std::string& year,
                              int teachers) {
    access::XmlNode root = document.documentElement();
    root.removeChild(document.selectSingleNode("/SERVICIO/BLOQUE_DATOS"));
    document.removeChild(root);

    access::XmlNode servicio = document.createElement("SERVICIO");
    document.appendChild(servicio);
    servicio.setAttribute("modulo", "HORARIOS");
    servicio.setAttribute("tipo", "I");
    servicio.setAttribute("autor", "TEMPARIO");
    servicio.setAttribute("fecha", platform::regionalDateTimeNow());

    access::XmlNode bloque = document.createElement("BLOQUE_DATOS");
    servicio.appendChild(bloque);
    access::XmlNode anno = horario::grupoDatos(document, "ANNO_ACADEMICO");
    bloque.appendChild(anno);
    horario::appendDato(document, anno, "C_ANNO", year);

    access::XmlNode regulares = document.createElement("grupo_datos");
    bloque.appendChild(regulares);
    regulares.setAttribute("seq", "HORARIOS_REGULARES");
    regulares.setAttribute("registros", std::to_string(teachers));
    return regulares;
}

// Writes the review page after the HORARIOS file; a failure is reported and undoes nothing.
void writeReviewPage(const std::optional<horario::Revision>& revision, const std::string& problem,
                     const std::filesystem::path& page, Seam& seam) {
    try {
        if (!revision) {
            throw Error(problem);
        }
        const std::string horarios = platform::pathToUtf8(page.stem().stem().filename());
        platform::writeFileAtomically(
            page, horario::revisionComoHtml(*revision, "Archivo para Séneca: " + horarios));
    } catch (const std::exception& error) {
        seam.showMessage("El archivo HORARIOS se ha escrito, pero no la página de revisión " +
                         platform::pathToUtf8(page) + ": " + error.what());
    }
}

}  // namespace

std::filesystem::path revisionPathFor(const std::filesystem::path& senecaFile) {
    std::filesystem::path page = horariosPathFor(senecaFile);
    page += ".revision.html";
    return page;
}

std::filesystem::path horariosPathFor(const std::filesystem::path& senecaFile) {
    return senecaFile.parent_path() /
           platform::pathFromUtf8("ResultadoQuimbo" + platform::pathToUtf8(senecaFile.filename()));
}

RunOutcome BImportarClick(ProcessState& state, Seam& seam, const Environment& environment) {
    if (!chooseExistingFile(state, seam)) {
        return RunOutcome::MissingFile;
    }
    if (!loadSenecaFile(state, seam, "No se ha escrito ningún archivo.")) {
        return RunOutcome::Refused;
    }
    access::XmlDocument& document = *state.documentoXml;
    WaitCursor cursor(seam);
    MainWindowTables open(environment.qtemp);
    open.openAll();
    const std::string year = academicYear(document);
    if (!platform::findFileIgnoringCase(environment.qtemp, "PERIODOS.DBF")) {
        cursor.restore();
        open.closeAll();
        seam.showMessage(kPeriodosNoEncontrado);
        return RunOutcome::PeriodosMissing;
    }
    const Periodo periodo = readPeriodo(environment.qtemp);

    access::XmlNode regulares = buildEnvelope(document, year, open.profesor.recordCount());
    horario::TablasHorario tablas{open.soluc,  open.profesor, open.asig,   open.nomAsg,
                                  open.tramos, open.grupos,   open.nomAsg2};
    horario::EscribeHorariosRegulares(document, regulares, periodo.inicio, periodo.fin, tablas);
    std::optional<horario::Revision> revision;
    std::string reviewProblem;
    try {
        revision = horario::revisarHorarios(tablas);
    } catch (const std::exception& error) {
        reviewProblem = error.what();
    }
    open.closeAll();
    const std::filesystem::path senecaFile = platform::pathFromUtf8(state.rutaXml);
    document.save(horariosPathFor(senecaFile));
    writeReviewPage(revision, reviewProblem, revisionPathFor(senecaFile), seam);

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
