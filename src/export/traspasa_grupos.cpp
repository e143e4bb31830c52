#include "export/traspasa_grupos.hpp"

#include <unordered_map>

#include "access/table.hpp"
#include "common/error.hpp"
#include "export/abbreviation_list.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"
#include "text/codepage.hpp"

namespace quimbo::exporta {

using clipper::Left;

namespace {

struct Course {
    std::string nivel;
    std::string curso;
    std::string estud;
};

Course currentCourse(const access::Table& cursos) {
    return {cursos.asText("NIVEL"), cursos.asText("CURSO"), cursos.asText("ESTUD")};
}

// The course of a unit: the first CURSOST row whose CLAVE equals the key, or none.
class CourseSearch {
  public:
    CourseSearch(access::Table& cursos, LookupStrategy strategy)
        : cursos_(cursos), strategy_(strategy) {
        if (strategy_ == LookupStrategy::Indexed) {
            for (cursos_.first(); !cursos_.eof(); cursos_.next()) {
                byKey_.try_emplace(cursos_.asText("CLAVE"), currentCourse(cursos_));
            }
        }
    }
    Course find(const std::string& key) {
        if (strategy_ == LookupStrategy::Scanning) {
            for (cursos_.first(); !cursos_.eof(); cursos_.next()) {
                if (cursos_.asText("CLAVE") == key) {
                    return currentCourse(cursos_);
                }
            }
            return {};
        }
        const auto found = byKey_.find(key);
        return found == byKey_.end() ? Course{} : found->second;
    }

  private:
    access::Table& cursos_;
    LookupStrategy strategy_;
    std::unordered_map<std::string, Course> byKey_;
};

std::string nextFreeLetter(const std::string& stem, const Course& course,
                           const AbbreviationList& taken) {
    for (int letter = 'A'; letter <= 0xFF; ++letter) {
        std::string candidate = stem + static_cast<char>(letter);
        if (!taken.contains(candidate)) {
            return candidate;
        }
    }
    throw Error("Hay demasiadas unidades del NIVEL '" + codepage::cp1252ToUtf8(course.nivel) +
                "' y CURSO '" + codepage::cp1252ToUtf8(course.curso) +
                "': se han agotado las letras para sus abreviaturas.");
}

}  // namespace

void TraspasaGrupos(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                    LookupStrategy strategy) {
    access::deleteTableFiles(qtemp, tables::kGrupos);
    access::Table cursos(qtemp, "CursosT");
    cursos.open(access::OpenMode::Exclusive);
    CourseSearch courses(cursos, strategy);

    access::Table grupost(qtemp, std::string(tables::kGrupos) + ".DBF");
    grupost.create(tables::gruposFields());
    AbbreviationList abreviaturasUnidades;
    const auto records = seneca::recordsOf(document, seneca::kUnidades);
    grupost.open();
    for (const seneca::Record& record : records) {
        if (!record.hasEnoughValues()) {
            continue;
        }
        const std::string courseKey = record.value(2);
        const Course course = courses.find(courseKey);
        const std::string stem = Left(course.nivel, 5) + Left(course.curso, 1);
        const std::string abbreviation = nextFreeLetter(stem, course, abreviaturasUnidades);
        abreviaturasUnidades.add(abbreviation);

        grupost.append();
        grupost.setText("ABREV", abbreviation);
        grupost.setText("NIVEL", course.nivel.empty() ? "NIV" : course.nivel);
        grupost.setText("CURSO", course.curso);
        grupost.setText("GRUPO", clipper::Right(abbreviation, 1));
        grupost.setText("CLAVE", record.value(0));
        grupost.setText("CLAVECURSO", courseKey);
        grupost.setText("DESCRIP", course.estud);
        grupost.setText("MARCO", "0");
        grupost.post();
    }
    grupost.close();
    cursos.close();
}

}  // namespace quimbo::exporta
