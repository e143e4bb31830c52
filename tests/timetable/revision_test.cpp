#include "timetable/revision.hpp"

#include <gtest/gtest.h>

#include "support/seneca_builder.hpp"
#include "timetable/timetable_fixture.hpp"

namespace quimbo::horario {
namespace {

Revision reviewOf(const test::SmallSchool& school) {
    test::TempDir qtemp;
    school.write(qtemp.path());
    test::OpenTimetableTables open(qtemp.path());
    return revisarHorarios(open.tablas);
}

std::vector<std::string> details(const std::vector<Hallazgo>& findings) {
    std::vector<std::string> lines;
    for (const Hallazgo& f : findings) {
        lines.push_back(f.profesor + "|" + f.dia + "|" + f.hora + "|" + f.detalle);
    }
    return lines;
}

TEST(Revision, EachKindOfFindingWithItsReason) {
    const Revision r = reviewOf(test::SmallSchool{});
    EXPECT_EQ(r.filasPerdidas, (std::map<std::string, int>{{"OB", 1}}));
    EXPECT_EQ(details(r.clavesVacias),
              (std::vector<std::string>{
                  "JGP (Juan García Pérez)|3|9|X_TRAMO vacío: no hay tramo en DIASHORAST para el "
                  "día 3, la hora 9 y el marco '1'",
                  "JGP (Juan García Pérez)|3|9|X_UNIDAD vacío: no hay ninguna unidad con la "
                  "abreviatura 'NADA'",
                  "JGP (Juan García Pérez)|3|9|X_OFERTAMATRIG vacío: no se conoce el curso de la "
                  "unidad 'NADA'",
                  "JGP (Juan García Pérez)|3|9|X_MATERIAOMG vacío: sin el curso de la unidad no se "
                  "puede buscar la materia 'XXX'"}));
    EXPECT_EQ(details(r.posicionesImposibles),
              std::vector<std::string>{
                  "JGP (Juan García Pérez)|3|9|fuera de los días y horas de DIASHORAST"});
    EXPECT_EQ(details(r.sinHorario),
              std::vector<std::string>{"SIN (Sin Horario)|||ninguna clase colocada en SOLUC"});
    EXPECT_TRUE(r.coincidencias.empty());
    EXPECT_EQ(r.actividadesEscritas, 5);
    EXPECT_EQ(r.actividadesCompletas, 4);
    EXPECT_EQ(r.filasPerdidasEnTotal(), 1);
    EXPECT_FALSE(r.sinHallazgos());
}

TEST(Revision, AnActivityNeedsNoUnitButATeachingRowDoes) {
    test::SmallSchool school;
    school.soluc = {{{"PROF", "JGP"}, {"DIA", "1"}, {"HORA", "1"}, {"MARCO", "0"}, {"ASIG", "GUA"}},
                    {{"PROF", "JGP"},
                     {"DIA", "1"},
                     {"HORA", "2"},
                     {"MARCO", "0"},
                     {"ASIG", "MAT"},
                     {"CODGRUPO", "ESO1A"}},
                    {{"PROF", "JGP"},
                     {"DIA", "1"},
                     {"HORA", "2"},
                     {"MARCO", "0"},
                     {"ASIG", "ING"},
                     {"CODGRUPO", "ESO1A"}}};
    school.proft.resize(1);
    const Revision r = reviewOf(school);
    EXPECT_TRUE(r.clavesVacias.empty()) << details(r.clavesVacias).front();
    EXPECT_EQ(details(r.coincidencias),
              std::vector<std::string>{"JGP (Juan García Pérez)|1|2|dos clases a la misma hora"});
}

TEST(Revision, ACleanSchoolHasNoFindings) {
    test::SmallSchool school;
    school.proft.resize(2);
    school.soluc.erase(school.soluc.begin() + 5, school.soluc.end());  // the broken rows
    const Revision r = reviewOf(school);
    EXPECT_TRUE(r.sinHallazgos());
    EXPECT_EQ(r.actividadesCompletas, r.actividadesEscritas);
    EXPECT_NE(revisionComoTexto(r).find("No hay nada que corregir."), std::string::npos);
}

TEST(Revision, AnUnreadableDayIsReportedNotRaised) {
    test::SmallSchool school;
    school.proft.resize(1);
    const std::vector<test::Row> unreadable = {{{"PROF", "JGP"}, {"DIA", "x"}, {"HORA", "1"}}};
    school.soluc.clear();
    test::TempDir qtemp;
    school.write(qtemp.path());
    test::writeTable(qtemp.path(), "SOLUC",
                     {access::textField("PROF", 10), access::textField("DIA", 2),
                      access::textField("HORA", 2), access::textField("MARCO", 1),
                      access::textField("ASIG", 10), access::textField("CODGRUPO", 10),
                      access::textField("TAREA", 10), access::textField("AULA", 10)},
                     unreadable);
    test::OpenTimetableTables open(qtemp.path());
    const Revision r = revisarHorarios(open.tablas);
    EXPECT_EQ(details(r.posicionesImposibles),
              std::vector<std::string>{"JGP (Juan García Pérez)|x||no se puede leer: 'x' no es un "
                                       "valor entero válido"});
}

TEST(Revision, TheReviewAndTheHorariosFileAgreeActivityByActivity) {
    test::TempDir qtemp;
    test::SmallSchool{}.write(qtemp.path());
    test::OpenTimetableTables open(qtemp.path());
    auto document = test::parse("<R/>");
    EscribeHorariosRegulares(*document, document->documentElement(), "i", "f", open.tablas);
    const Revision r = revisarHorarios(open.tablas);
    std::vector<std::string> written;
    for (const auto& teacher : document->documentElement().childElements("grupo_datos")) {
        for (const auto& activity : teacher.childElements("grupo_datos")) {
            std::string keys;
            for (const auto& dato : activity.childElements("dato")) {
                const std::string name = dato.xml().substr(19, dato.xml().find('"', 19) - 19);
                if (name == "X_TRAMO" || name == "X_UNIDAD" || name == "X_OFERTAMATRIG" ||
                    name == "X_MATERIAOMG" || name == "X_ACTIVIDAD") {
                    keys += dato.text() + "|";
                }
            }
            written.push_back(keys);
        }
    }
    std::vector<std::string> reviewed;
    for (const ProfesorRevisado& p : r.profesores) {
        for (const Clase& c : p.clases) {
            reviewed.push_back(c.xTramo + "|" + c.xUnidad + "|" + c.xOferta + "|" + c.xMateria +
                               "|" + c.xActividad + "|");
        }
    }
    EXPECT_EQ(reviewed, written);
}

TEST(Revision, ThePageIsSelfContainedAndMarksIncompleteLessons) {
    const std::string page = revisionComoHtml(reviewOf(test::SmallSchool{}), "centro.xml");
    EXPECT_EQ(page.find("http"), std::string::npos);  // no external resource
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("<td class=\"vacia\"><div><b>XXX</b> NADA</div>"), std::string::npos);
    EXPECT_NE(page.find("<h3>O'B — Olga O'Brien</h3>"), std::string::npos);
    EXPECT_NE(page.find("<td>OB</td><td>1</td>"), std::string::npos);  // the lost row
    EXPECT_NE(page.find("Miércoles"), std::string::npos);
}

}  // namespace
}  // namespace quimbo::horario
