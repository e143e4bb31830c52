#include "export/traspasa_asignaciones.hpp"

#include <unordered_map>
#include <vector>

#include "access/table.hpp"
#include "export/working_tables.hpp"
#include "seneca/materia_fields.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

using clipper::AllTrim;
using clipper::MayusculasAZ;

namespace {

// Every row starts from 240 minutes a week: HORAS is that in hours, rounded up (at least 1), and
// SESIONES one lesson of one hour per hour.
constexpr int kMinutosSemanales = 240;
constexpr int kHoras = kMinutosSemanales / 60 + (kMinutosSemanales % 60 != 0 ? 1 : 0);

struct Unit {
    std::string abrev;
    std::string nivel;
    std::string curso;
    std::string grupo;
};

std::string nameKey(const std::string& name) {
    return MayusculasAZ(AllTrim(name));
}

// ASIGNOMT's COD by name, capitals a-z, trimmed; the first row of a name wins.
std::unordered_map<std::string, std::string> readSubjectCodes(access::Table& asignomt) {
    std::unordered_map<std::string, std::string> byName;
    for (asignomt.first(); !asignomt.eof(); asignomt.next()) {
        byName.try_emplace(nameKey(asignomt.asText("NOMBRE")), asignomt.asText("COD"));
    }
    return byName;
}

// GRUPOST's units by course key, each list in stored order.
std::unordered_map<std::string, std::vector<Unit>> readUnits(access::Table& grupost) {
    std::unordered_map<std::string, std::vector<Unit>> byCourse;
    for (grupost.first(); !grupost.eof(); grupost.next()) {
        byCourse[grupost.asText("CLAVECURSO")].push_back(
            Unit{grupost.asText("ABREV"), grupost.asText("NIVEL"), grupost.asText("CURSO"),
                 grupost.asText("GRUPO")});
    }
    return byCourse;
}

void appendOffer(access::Table& asigt, const std::string& code, const Unit& unit,
                 const seneca::MateriaFields& materia) {
    asigt.append();
    asigt.setText("CASIG", code);
    asigt.setText("CGRUP", unit.abrev);
    asigt.setText("NIVEL", unit.nivel);
    asigt.setText("CURSO", unit.curso);
    asigt.setText("GRUPO", unit.grupo);
    asigt.setFloat("HORAS", kHoras);
    asigt.setText("SESIONES", std::string(kHoras, '1'));
    asigt.setText("CLAVE", materia.identificador);
    asigt.setText("CLAVECURSO", materia.oferta);
    asigt.setText("CTAREA", "1");
    asigt.post();
}

}  // namespace

void TraspasaAsignaciones(const access::XmlDocument& document, const std::filesystem::path& qtemp) {
    access::recreateTable(qtemp, tables::kAsignaciones, tables::asignacionesFields());
    access::Table asigt(qtemp, tables::kAsignaciones);
    asigt.open();
    access::Table grupost(qtemp, tables::kGrupos);
    access::Table asignomt(qtemp, tables::kAsignaturas);
    grupost.open(access::OpenMode::Exclusive);
    asignomt.open(access::OpenMode::Exclusive);
    const auto codes = readSubjectCodes(asignomt);
    const auto units = readUnits(grupost);

    for (const seneca::Record& record : seneca::recordsOf(document, seneca::kMaterias)) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const seneca::MateriaFields materia = seneca::readMateria(record);
        const auto code = codes.find(nameKey(clipper::Left(materia.nombre, 80)));
        if (code == codes.end() || code->second.empty()) {
            continue;
        }
        const auto courseUnits = units.find(materia.oferta);
        if (courseUnits == units.end()) {
            continue;
        }
        for (const Unit& unit : courseUnits->second) {
            appendOffer(asigt, code->second, unit, materia);
        }
    }
    asigt.close();
    grupost.close();
    asignomt.close();
}

}  // namespace quimbo::exporta
