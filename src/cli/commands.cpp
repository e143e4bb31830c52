#include "cli/commands.hpp"

#include <filesystem>
#include <memory>
#include <optional>
#include <set>

#include "access/table.hpp"
#include "access/xml_document.hpp"
#include "app/chosen_file.hpp"
#include "app/export_run.hpp"
#include "app/process_state.hpp"
#include "app/timetable_run.hpp"
#include "cli/batch_seam.hpp"
#include "cli/command_line.hpp"
#include "cli/csv.hpp"
#include "cli/marcos_option.hpp"
#include "cli/niveles_answers.hpp"
#include "export/working_tables.hpp"
#include "platform/paths.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"
#include "timetable/revision.hpp"

namespace quimbo::cli {

namespace fs = std::filesystem;
using codepage::cp1252ToUtf8;

namespace {

std::string absoluteUtf8(const std::string& file) {
    std::error_code ignored;
    const fs::path absolute = fs::absolute(platform::pathFromUtf8(file), ignored);
    return platform::pathToUtf8(absolute.lexically_normal());
}

app::Environment environmentFor(const CommandLine& line) {
    return {line.qtemp ? platform::pathFromUtf8(*line.qtemp) : platform::qtempDirectory(),
            platform::programDirectory()};
}

// The Séneca file read for the listing commands; an error names the file and why, as the runs
// refuse it.
std::unique_ptr<access::XmlDocument> readSenecaFile(const std::string& file, std::string& problem) {
    std::error_code error;
    if (!fs::is_regular_file(platform::pathFromUtf8(file), error)) {
        problem = app::kNoExisteArchivo;
        return nullptr;
    }
    auto document = std::make_unique<access::XmlDocument>();
    const access::XmlLoadResult loaded = document->load(platform::pathFromUtf8(file));
    if (const auto refusal = app::refusalOf(file, loaded, *document)) {
        problem = *refusal;
        return nullptr;
    }
    return document;
}

std::size_t slotsOf(const access::XmlDocument& document, const std::string& code) {
    const std::string wanted = clipper::Left(clipper::AllTrim(code), 10);
    std::size_t count = 0;
    for (const seneca::Record& slot : seneca::recordsOf(document, seneca::kTramosHorarios)) {
        count += clipper::Left(slot.value(4), 10) == wanted ? 1 : 0;
    }
    return count;
}

void printFrameList(const access::XmlDocument& document, std::ostream& err) {
    err << "Marcos Horarios del archivo:\n";
    for (const exporta::MarcoHorario& marco : exporta::marcosDelDocumento(document)) {
        err << "  " << cp1252ToUtf8(clipper::AllTrim(marco.codigo)) << "  "
            << cp1252ToUtf8(clipper::AllTrim(marco.nombre)) << " ("
            << cp1252ToUtf8(clipper::AllTrim(marco.fechaInicio)) << " - "
            << cp1252ToUtf8(clipper::AllTrim(marco.fechaFin)) << "), "
            << slotsOf(document, marco.codigo) << " tramos\n";
    }
}

int listCourses(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::string problem;
    const auto document = readSenecaFile(absoluteUtf8(line.file), problem);
    if (!document) {
        err << problem << "\n";
        return kExitRunError;
    }
    out << "CLAVE;ESTUD;NIVEL;CURSO\n";
    for (const seneca::Record& course : seneca::recordsOf(*document, seneca::kCursosDelCentro)) {
        if (course.hasEnoughValues()) {
            out << csvField(cp1252ToUtf8(course.value(0))) << ";"
                << csvField(cp1252ToUtf8(course.value(1))) << ";;\n";
        }
    }
    return kExitOk;
}

int listFrames(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::string problem;
    const auto document = readSenecaFile(absoluteUtf8(line.file), problem);
    if (!document) {
        err << problem << "\n";
        return kExitRunError;
    }
    out << "CODIGO;NOMBRE;INICIO;FIN;TRAMOS\n";
    for (const exporta::MarcoHorario& marco : exporta::marcosDelDocumento(*document)) {
        out << csvField(cp1252ToUtf8(clipper::AllTrim(marco.codigo))) << ";"
            << csvField(cp1252ToUtf8(clipper::AllTrim(marco.nombre))) << ";"
            << csvField(cp1252ToUtf8(clipper::AllTrim(marco.fechaInicio))) << ";"
            << csvField(cp1252ToUtf8(clipper::AllTrim(marco.fechaFin))) << ";"
            << slotsOf(*document, marco.codigo) << "\n";
    }
    return kExitOk;
}

void warnUnknownCourses(const access::XmlDocument& document,
                        const std::map<std::string, NivelCurso>& answers, std::ostream& err) {
    std::set<std::string> keys;
    for (const seneca::Record& course : seneca::recordsOf(document, seneca::kCursosDelCentro)) {
        if (course.hasEnoughValues()) {
            keys.insert(course.value(0));
        }
    }
    for (const auto& [clave, answer] : answers) {
        if (!keys.contains(clave)) {
            err << "Aviso: la CLAVE " << cp1252ToUtf8(clave)
                << " de --niveles no es un curso del archivo; se ignora.\n";
        }
    }
}

// The frame answer, checked against the file's frames before anything is touched.
std::optional<std::string> frameSelection(const CommandLine& line,
                                          const access::XmlDocument& document, std::ostream& err) {
    const auto marcos = exporta::marcosDelDocumento(document);
    if (marcos.size() < 2) {
        if (line.marcos) {
            err << "Aviso: el archivo no tiene varios Marcos Horarios; se ignora --marcos.\n";
        }
        return std::nullopt;
    }
    try {
        return selectionForMarcos(line.marcos.value_or(""), marcos);
    } catch (const Error& error) {
        printFrameList(document, err);
        throw UsageError(error.what());
    }
}

int runExport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string file = absoluteUtf8(line.file);
    const app::Environment environment = environmentFor(line);
    std::map<std::string, NivelCurso> answers;
    if (line.niveles) {
        try {
            answers = readNivelesCsv(platform::pathFromUtf8(*line.niveles));
        } catch (const Error& error) {
            throw UsageError(error.what());
        }
    }
    const std::map<std::string, NivelCurso> given = answers;
    BatchCourseDialog courses(environment.qtemp, std::move(answers), !line.sinComprobarCursos);
    BatchFrameDialog frames;
    BatchSeam seam(file, courses, frames);
    std::optional<UsageError> refused;
    seam.documentCheck = [&](const access::XmlDocument& document) {
        warnUnknownCourses(document, given, err);
        try {
            frames.select(frameSelection(line, document, err));
        } catch (const UsageError& error) {
            refused = error;
            return false;
        }
        return true;
    };
    app::ProcessState state;
    const app::RunOutcome outcome = app::BExportarClick(state, seam, environment);
    if (refused) {
        throw *refused;
    }
    if (outcome == app::RunOutcome::Finished) {
        out << app::kProcesoFinalizado << "\n";
        out << "Tablas de Tempario en " << platform::pathToUtf8(environment.qtemp) << "\n";
        return kExitOk;
    }
    if (outcome == app::RunOutcome::ForcedExit && courses.checkFailed()) {
        err << "¡Atención! Falta algún Dato\nCursos sin NIVEL o sin CURSO (CLAVE;ESTUD):\n";
        for (const std::string& course : courses.incompleteCourses()) {
            err << "  " << course << "\n";
        }
        return kExitCoursesIncomplete;
    }
    for (const std::string& message : seam.messages()) {
        err << message << "\n";
    }
    return kExitRunError;
}

int runImport(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const std::string file = absoluteUtf8(line.file);
    BatchCourseDialog unusedCourses({}, {}, false);
    BatchFrameDialog unusedFrames;
    BatchSeam seam(file, unusedCourses, unusedFrames);
    app::ProcessState state;
    const app::RunOutcome outcome = app::BImportarClick(state, seam, environmentFor(line));
    if (outcome == app::RunOutcome::Finished) {
        out << app::kProcesoFinalizado << "\n"
            << platform::pathToUtf8(app::horariosPathFor(platform::pathFromUtf8(file))) << "\n";
        return kExitOk;
    }
    for (const std::string& message : seam.messages()) {
        err << message << "\n";
    }
    return kExitRunError;
}

int runReview(const CommandLine& line, std::ostream& out, std::ostream& err) {
    std::error_code error;
    if (!fs::is_regular_file(platform::pathFromUtf8(absoluteUtf8(line.file)), error)) {
        err << app::kNoExisteArchivo << "\n";
        return kExitRunError;
    }
    const fs::path qtemp = environmentFor(line).qtemp;
    access::Table soluc(qtemp, tables::kSolucion), proft(qtemp, tables::kProfesores),
        asigt(qtemp, tables::kAsignaciones), asignomt(qtemp, tables::kAsignaturas),
        diashorast(qtemp, tables::kTramos), grupost(qtemp, tables::kGrupos),
        asignomt2(qtemp, tables::kAsignaturas2);
    for (access::Table* table :
         {&soluc, &proft, &asigt, &asignomt, &diashorast, &grupost, &asignomt2}) {
        table->open();
    }
    horario::TablasHorario tablas{soluc, proft, asigt, asignomt, diashorast, grupost, asignomt2};
    const horario::Revision revision = horario::revisarHorarios(tablas);
    out << horario::revisionComoTexto(revision);
    return revision.sinHallazgos() ? kExitOk : kExitFindings;
}

}  // namespace

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CommandLine line = parseCommandLine(args);
    if (line.command == "cursos") {
        return listCourses(line, out, err);
    }
    if (line.command == "marcos") {
        return listFrames(line, out, err);
    }
    if (line.command == "exportar") {
        return runExport(line, out, err);
    }
    if (line.command == "revisar") {
        return runReview(line, out, err);
    }
    return runImport(line, out, err);
}

}  // namespace quimbo::cli
