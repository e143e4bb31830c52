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

// CURSOST by CLAVE; the first row of a key wins, as a scan from the top finds.
std::unordered_map<std::string, Course> readCourses(access::Table& cursos) {
    std::unordered_map<std::string, Course> byKey;
    for (cursos.first(); !cursos.eof(); cursos.next()) {
        byKey.try_emplace(
            cursos.asText("CLAVE"),
            Course{cursos.asText("NIVEL"), cursos.asText("CURSO"), cursos.asText("ESTUD")});
    }
    return byKey;
}

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

void TraspasaGrupos(const access::XmlDocument& document, const std::filesystem::path& qtemp) {
    access::deleteTableFiles(qtemp, tables::kGrupos);
    access::Table cursos(qtemp, "CursosT");
    cursos.open(access::OpenMode::Exclusive);
    const auto courses = readCourses(cursos);

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
        const auto found = courses.find(courseKey);
        const Course course = found == courses.end() ? Course{} : found->second;
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
