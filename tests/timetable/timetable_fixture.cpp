#include "timetable/timetable_fixture.hpp"

#include "export/working_tables.hpp"

namespace quimbo::test {

void SmallSchool::write(const std::filesystem::path& qtemp) const {
    writeTable(qtemp, "SOLUC", solucFields(), soluc);
    writeTable(qtemp, "PROFT", tables::profesoresFields(), proft);
    writeTable(qtemp, "ASIGT", tables::asignacionesFields(), asigt);
    writeTable(qtemp, "ASIGNOMT", tables::asignaturasFields(), asignomt);
    writeTable(qtemp, "ASIGNOMT2", tables::asignaturas2Fields(), asignomt2);
    writeTable(qtemp, "DIASHORAST", tables::tramosFields(), diashorast);
    writeTable(qtemp, "GRUPOST", tables::gruposFields(), grupost);
}

OpenTimetableTables::OpenTimetableTables(const std::filesystem::path& qtemp)
    : soluc(qtemp, "SOLUC"),
      proft(qtemp, "PROFT"),
      asigt(qtemp, "ASIGT"),
      asignomt(qtemp, "ASIGNOMT"),
      diashorast(qtemp, "DIASHORAST"),
      grupost(qtemp, "GRUPOST"),
      asignomt2(qtemp, "ASIGNOMT2") {
    for (access::Table* t :
         {&soluc, &proft, &asigt, &asignomt, &diashorast, &grupost, &asignomt2}) {
        t->open(access::OpenMode::Exclusive);
    }
}

}  // namespace quimbo::test
