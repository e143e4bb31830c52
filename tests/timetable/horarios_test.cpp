#include "timetable/escribe_horarios_regulares.hpp"

#include <gtest/gtest.h>

#include "common/error.hpp"
#include "support/seneca_builder.hpp"
#include "text/codepage.hpp"
#include "timetable/hora_a_minutos.hpp"
#include "timetable/timetable_fixture.hpp"

namespace quimbo::horario {
namespace {

// The teacher groups written for a school, one line per teacher and per activity.
std::vector<std::string> writeFor(const test::SmallSchool& school) {
    test::TempDir qtemp;
    school.write(qtemp.path());
    test::OpenTimetableTables open(qtemp.path());
    auto document = test::parse("<R/>");
    access::XmlNode regulares = document->documentElement();
    EscribeHorariosRegulares(*document, regulares, "15/09/2026", "22/06/2027", open.tablas);

    std::vector<std::string> lines;
    for (const access::XmlNode& teacher : regulares.childElements("grupo_datos")) {
        std::string line = teacher.xml().substr(0, teacher.xml().find('>') + 1);
        for (const access::XmlNode& dato : teacher.childElements("dato")) {
            line += dato.text() + ";";
        }
        lines.push_back(line);
        for (const access::XmlNode& activity : teacher.childElements("grupo_datos")) {
            std::string values = activity.xml().substr(0, activity.xml().find('>') + 1);
            for (const access::XmlNode& dato : activity.childElements("dato")) {
                values += dato.text() + "|";
            }
            lines.push_back(values);
        }
    }
    return lines;
}

TEST(EscribeHorariosRegulares, TranslatesEveryPlacedRowWithItsFallbacks) {
    const std::vector<std::string> expected = {
        "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_1\" registros=\"4\">100;01/09/2010;",
        // ASIGT pair found: its keys.
        "<grupo_datos seq=\"ACTIVIDAD_1\">1|101|A01|700000|6001|400013|15/09/2026|22/06/2027|"
        "480|540|1|",
        // ASIGT's course key blank: the unit's; a blank room: empty.
        "<grupo_datos seq=\"ACTIVIDAD_2\">1|102||700000|6001|400000|15/09/2026|22/06/2027|540|"
        "600|1|",
        // An activity: no unit, ASIGNOMT's CODTAREA.
        "<grupo_datos seq=\"ACTIVIDAD_3\">2|105|||||15/09/2026|22/06/2027|750|810|G7|",
        // Nothing found anywhere: empty keys, 0 minutes, activity 1.
        "<grupo_datos seq=\"ACTIVIDAD_4\">||||||15/09/2026|22/06/2027|0|0|1|",
        "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_2\" registros=\"1\">200;01/09/2015;",
        // No ASIGT pair: the unit's course key, then ASIGNOMT2 located by (COD, that key);
        // frame 1 takes the afternoon slot; TAREA written as read.
        "<grupo_datos seq=\"ACTIVIDAD_1\">1|201||700000|6001|400039|15/09/2026|22/06/2027|960|"
        "1020|  T1|",
        "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_3\" registros=\"0\">300;01/09/2020;",
    };
    EXPECT_EQ(writeFor(test::SmallSchool{}), expected);
}

TEST(EscribeHorariosRegulares, ATeacherWithOnlyUnplacedRowsGetsAnEmptyGroup) {
    test::SmallSchool school;
    school.proft.resize(1);
    school.soluc = {{{"PROF", "JGP"}, {"DIA", "0"}, {"HORA", "3"}},
                    {{"PROF", "JGP"}, {"DIA", ""}, {"HORA", ""}}};
    EXPECT_EQ(
        writeFor(school),
        std::vector<std::string>{
            "<grupo_datos seq=\"HORARIO_REGULAR_PROFESOR_1\" registros=\"0\">100;01/09/2010;"});
}

TEST(EscribeHorariosRegulares, ATimeThatIsNotHHMMStopsTheRun) {
    test::SmallSchool school;
    school.diashorast[0].at("HORADESDE") = "9:5";
    EXPECT_THROW(writeFor(school), Error);
}

TEST(HoraAMinutos, MinutesSinceMidnight) {
    const std::pair<std::string, std::string> cases[] = {
        {"08:30", "510"}, {"8:30", "510"}, {"14:05", "845"}, {"", "0"}, {"00:00", "0"}};
    for (const auto& [time, minutes] : cases) {
        EXPECT_EQ(HoraAMinutos(time), minutes) << time;
    }
    try {
        HoraAMinutos("9:5");
        FAIL();
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "':5' no es un valor entero válido");
    }
}

}  // namespace
}  // namespace quimbo::horario
