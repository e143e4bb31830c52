#include "export/traspasa_asignaciones.hpp"

#include <optional>
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

Unit currentUnit(const access::Table& grupost) {
    return {grupost.asText("ABREV"), grupost.asText("NIVEL"), grupost.asText("CURSO"),
            grupost.asText("GRUPO")};
}

// The step's two walks: ASIGNOMT for the first row of a name (capitals a-z, trimmed), and
// GRUPOST for every unit of a course, in stored order.
class OfferSearch {
  public:
    OfferSearch(access::Table& asignomt, access::Table& grupost, LookupStrategy strategy)
        : asignomt_(asignomt), grupost_(grupost), strategy_(strategy) {
        if (strategy_ == LookupStrategy::Indexed) {
            for (asignomt_.first(); !asignomt_.eof(); asignomt_.next()) {
                codes_.try_emplace(nameKey(asignomt_.asText("NOMBRE")), asignomt_.asText("COD"));
            }
            for (grupost_.first(); !grupost_.eof(); grupost_.next()) {
                units_[grupost_.asText("CLAVECURSO")].push_back(currentUnit(grupost_));
            }
        }
    }
    // The code of the first row with that name; nothing when there is none.
    std::optional<std::string> codeOf(const std::string& name) {
        const std::string wanted = nameKey(name);
        if (strategy_ == LookupStrategy::Scanning) {
            for (asignomt_.first(); !asignomt_.eof(); asignomt_.next()) {
                if (nameKey(asignomt_.asText("NOMBRE")) == wanted) {
                    return asignomt_.asText("COD");
                }
            }
            return std::nullopt;
        }
        const auto found = codes_.find(wanted);
        return found == codes_.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::vector<Unit> unitsOf(const std::string& course) {
        if (strategy_ == LookupStrategy::Scanning) {
            std::vector<Unit> units;
            for (grupost_.first(); !grupost_.eof(); grupost_.next()) {
                if (grupost_.asText("CLAVECURSO") == course) {
                    units.push_back(currentUnit(grupost_));
                }
            }
            return units;
        }
        const auto found = units_.find(course);
        return found == units_.end() ? std::vector<Unit>{} : found->second;
    }

  private:
    access::Table& asignomt_;
    access::Table& grupost_;
    LookupStrategy strategy_;
    std::unordered_map<std::string, std::string> codes_;
    std::unordered_map<std::string, std::vector<Unit>> units_;
};

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

void TraspasaAsignaciones(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                          LookupStrategy strategy) {
    access::recreateTable(qtemp, tables::kAsignaciones, tables::asignacionesFields());
    access::Table asigt(qtemp, tables::kAsignaciones);
    asigt.open();
    access::Table grupost(qtemp, tables::kGrupos);
    access::Table asignomt(qtemp, tables::kAsignaturas);
    grupost.open(access::OpenMode::Exclusive);
    asignomt.open(access::OpenMode::Exclusive);
    OfferSearch search(asignomt, grupost, strategy);

    for (const seneca::Record& record : seneca::recordsOf(document, seneca::kMaterias)) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const seneca::MateriaFields materia = seneca::readMateria(record);
        const auto code = search.codeOf(clipper::Left(materia.nombre, 80));
        if (!code || code->empty()) {
            continue;
        }
        for (const Unit& unit : search.unitsOf(materia.oferta)) {
            appendOffer(asigt, *code, unit, materia);
        }
    }
    asigt.close();
    grupost.close();
    asignomt.close();
}

}  // namespace quimbo::exporta
