#include "export/traspasa_materias.hpp"

#include <optional>
#include <unordered_map>
#include <unordered_set>

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

// The catalogue rule's two searches: ASIGNOMT2 by (MATERIA, OFERTAMATRI) and ASIGNOMT by
// (CODLARGO, NOMBRE), each answering with the first matching row.
class CatalogueSearch {
  public:
    CatalogueSearch(access::Table& asignomt, access::Table& asignomt2, LookupStrategy strategy)
        : asignomt_(asignomt), asignomt2_(asignomt2), strategy_(strategy) {}

    bool hasOffer(const std::string& materia, const std::string& oferta) {
        if (strategy_ == LookupStrategy::Scanning) {
            return asignomt2_.locate("MATERIA;OFERTAMATRI", {materia, oferta});
        }
        return offers_.contains(key(RTrim(materia), RTrim(oferta)));
    }
    std::optional<std::string> codeOf(const std::string& codLargo, const std::string& nombre) {
        if (strategy_ == LookupStrategy::Scanning) {
            if (!asignomt_.locate("CODLARGO;NOMBRE", {codLargo, nombre})) {
                return std::nullopt;
            }
            return asignomt_.asText("COD");
        }
        const auto found = subjects_.find(key(RTrim(codLargo), RTrim(nombre)));
        return found == subjects_.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    // Rows as stored: cut to the field's width, trailing blanks insignificant.
    void addedSubject(const std::string& cod, const std::string& codLargo,
                      const std::string& nombre) {
        subjects_.try_emplace(key(RTrim(Left(codLargo, 10)), RTrim(Left(nombre, 80))),
                              RTrim(Left(cod, 10)));
    }
    void addedOffer(const std::string& materia, const std::string& oferta) {
        offers_.insert(key(RTrim(Left(materia, 20)), RTrim(Left(oferta, 20))));
    }

  private:
    static std::string key(const std::string& a, const std::string& b) { return a + '\x1F' + b; }

    access::Table& asignomt_;
    access::Table& asignomt2_;
    LookupStrategy strategy_;
    std::unordered_set<std::string> offers_;
    std::unordered_map<std::string, std::string> subjects_;
};

void appendCorrespondence(access::Table& asignomt2, CatalogueSearch& search, const std::string& cod,
                          const std::string& codLargo, const seneca::MateriaFields& materia) {
    asignomt2.append();
    asignomt2.setText("COD", cod);
    asignomt2.setText("CODLARGO", codLargo);
    asignomt2.setText("NOMBRE", materia.nombre);
    asignomt2.setText("MATERIA", materia.identificador);
    asignomt2.setText("OFERTAMATRI", materia.oferta);
    asignomt2.setBoolean("ESTAREA", false);
    asignomt2.post();
    search.addedOffer(materia.identificador, materia.oferta);
}

bool isKnown(const RegistroMaterias& registro, const std::string& name,
             const std::string& codLargo) {
    return registro.nombresMaterias.contains(MayusculasAZ(name)) &&
           registro.codigosLargos.contains(codLargo) &&
           registro.largosNombres.contains(codLargo + name);
}

// A further offer of a subject already in the catalogue: at most one correspondence row.
void addKnownOffer(access::Table& asignomt2, CatalogueSearch& search,
                   const seneca::MateriaFields& materia, const std::string& codLargo) {
    if (search.hasOffer(materia.identificador, materia.oferta)) {
        return;
    }
    if (const auto cod = search.codeOf(Left(codLargo, 10), Left(materia.nombre, 80))) {
        appendCorrespondence(asignomt2, search, *cod, codLargo, materia);
    }
}

void addNewSubject(access::Table& asignomt, access::Table& asignomt2, CatalogueSearch& search,
                   RegistroMaterias& registro, const seneca::MateriaFields& materia,
                   const SubjectCodes& codes) {
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
    search.addedSubject(cod, codes.codLargo, materia.nombre);
    appendCorrespondence(asignomt2, search, cod, codes.codLargo, materia);
}

}  // namespace

void TraspasaMaterias(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                      const std::filesystem::path& programDirectory, RegistroMaterias& registro,
                      LookupStrategy strategy) {
    access::recreateTable(qtemp, tables::kAsignaturas, tables::asignaturasFields());
    access::recreateTable(qtemp, tables::kAsignaturas2, tables::asignaturas2Fields());
    const auto reference = loadReferenceTable(programDirectory);

    access::Table asignomt(qtemp, tables::kAsignaturas);
    access::Table asignomt2(qtemp, tables::kAsignaturas2);
    asignomt.open();
    asignomt2.open();
    CatalogueSearch search(asignomt, asignomt2, strategy);
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
            addKnownOffer(asignomt2, search, materia, codes.codLargo);
        } else {
            addNewSubject(asignomt, asignomt2, search, registro, materia, codes);
        }
    }
    asignomt.close();
    asignomt2.close();
}

}  // namespace quimbo::exporta
