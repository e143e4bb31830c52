#include "export/traspasa_materias.hpp"

#include <unordered_map>

#include "access/table.hpp"
#include "common/error.hpp"
#include "export/subject_codes.hpp"
#include "export/working_tables.hpp"
#include "platform/paths.hpp"
#include "seneca/materia_fields.hpp"
#include "text/clipper.hpp"

namespace quimbo::exporta {

using namespace quimbo::clipper;

namespace {

struct ReferenceCodes {
    std::string cod;
    std::string codLargo;
};

// SENEMATERIAS.DBF by subject name; the first row of a name wins, as a scan from the top finds.
std::unordered_map<std::string, ReferenceCodes> loadReferenceTable(
    const std::filesystem::path& programDirectory) {
    access::Table reference(programDirectory, tables::kSeneMaterias);
    try {
        reference.open();
    } catch (const Error& error) {
        throw Error("No se puede abrir la tabla de materias de referencia " +
                    platform::pathToUtf8(programDirectory / tables::kSeneMaterias) +
                    ", que debe estar junto al programa. " + error.what());
    }
    std::unordered_map<std::string, ReferenceCodes> byName;
    for (; !reference.eof(); reference.next()) {
        byName.try_emplace(reference.asText("NOMBRE"),
                           ReferenceCodes{reference.asText("COD"), reference.asText("CODLARGO")});
    }
    reference.close();
    return byName;
}

void appendCorrespondence(access::Table& asignomt2, const std::string& cod,
                          const std::string& codLargo, const seneca::MateriaFields& materia) {
    asignomt2.append();
    asignomt2.setText("COD", cod);
    asignomt2.setText("CODLARGO", codLargo);
    asignomt2.setText("NOMBRE", materia.nombre);
    asignomt2.setText("MATERIA", materia.identificador);
    asignomt2.setText("OFERTAMATRI", materia.oferta);
    asignomt2.setBoolean("ESTAREA", false);
    asignomt2.post();
}

bool isKnown(const RegistroMaterias& registro, const std::string& name,
             const std::string& codLargo) {
    return registro.nombresMaterias.contains(MayusculasAZ(name)) &&
           registro.codigosLargos.contains(codLargo) &&
           registro.largosNombres.contains(codLargo + name);
}

// A further offer of a subject already in the catalogue: at most one correspondence row.
void addKnownOffer(access::Table& asignomt, access::Table& asignomt2,
                   const seneca::MateriaFields& materia, const std::string& codLargo) {
    if (asignomt2.locate("MATERIA;OFERTAMATRI", {materia.identificador, materia.oferta})) {
        return;
    }
    if (!asignomt.locate("CODLARGO;NOMBRE", {Left(codLargo, 10), Left(materia.nombre, 80)})) {
        return;
    }
    appendCorrespondence(asignomt2, asignomt.asText("COD"), codLargo, materia);
}

void addNewSubject(access::Table& asignomt, access::Table& asignomt2, RegistroMaterias& registro,
                   const seneca::MateriaFields& materia, const SubjectCodes& codes) {
    registro.nombresMaterias.insert(MayusculasAZ(materia.nombre));
    registro.codigosLargos.insert(codes.codLargo);
    registro.largosNombres.insert(codes.codLargo + materia.nombre);
    const std::string cod = uniqueShortCode(codes.cod, registro.codigosCortos);
    registro.codigosCortos.insert(cod);

    asignomt.append();
    asignomt.setText("COD", cod);
    asignomt.setText("CODLARGO", codes.codLargo);
    asignomt.setText("NOMBRE", materia.nombre);
    asignomt.setBoolean("ESTAREA", false);
    asignomt.post();
    appendCorrespondence(asignomt2, cod, codes.codLargo, materia);
}

}  // namespace

void TraspasaMaterias(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                      const std::filesystem::path& programDirectory, RegistroMaterias& registro) {
    access::recreateTable(qtemp, tables::kAsignaturas, tables::asignaturasFields());
    access::recreateTable(qtemp, tables::kAsignaturas2, tables::asignaturas2Fields());
    const auto reference = loadReferenceTable(programDirectory);

    access::Table asignomt(qtemp, tables::kAsignaturas);
    access::Table asignomt2(qtemp, tables::kAsignaturas2);
    asignomt.open();
    asignomt2.open();
    for (const seneca::Record& record : seneca::recordsOf(document, seneca::kMaterias)) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const seneca::MateriaFields materia = seneca::readMateria(record);
        const auto known = reference.find(materia.nombre);
        const SubjectCodes codes =
            known == reference.end()
                ? buildSubjectCodes(materia.nombre, "", "")
                : buildSubjectCodes(materia.nombre, known->second.cod, known->second.codLargo);
        if (materia.nombre.empty() && codes.cod.empty()) {
            continue;  // no name and no reference code: nothing to build a subject from
        }
        if (isKnown(registro, materia.nombre, codes.codLargo)) {
            addKnownOffer(asignomt, asignomt2, materia, codes.codLargo);
        } else {
            addNewSubject(asignomt, asignomt2, registro, materia, codes);
        }
    }
    asignomt.close();
    asignomt2.close();
}

}  // namespace quimbo::exporta
