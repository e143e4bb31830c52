// The timetable export on an arbitrary SOLUC.DBF beside fixed working tables.
#include <cstdint>

#include "access/table.hpp"
#include "app/timetable_run.hpp"
#include "common/error.hpp"
#include "export/working_tables.hpp"
#include "fuzz/fuzz_runs.hpp"
#include "fuzz/fuzz_support.hpp"

namespace {

using namespace quimbo;

void table(const std::filesystem::path& dir, const char* name,
           const access::FieldDefinitions& fields,
           const std::vector<std::vector<std::pair<const char*, const char*>>>& rows) {
    access::recreateTable(dir, name, fields);
    access::Table t(dir, name);
    t.open();
    for (const auto& row : rows) {
        t.append();
        for (const auto& [field, value] : row) {
            t.setText(field, value);
        }
        t.post();
    }
    t.close();
}

void prepareSchool(const std::filesystem::path& qtemp) {
    std::filesystem::create_directories(qtemp);
    table(qtemp, "PERIODOS", tables::periodosFields(),
          {{{"CURSOANNO", "2026"}, {"F_INICIO", "15/09/2026"}, {"F_FIN", "22/06/2027"}}});
    table(qtemp, "CURSOST", tables::cursosFields(), {{{"CLAVE", "6001"}, {"NIVEL", "ESO"}}});
    table(qtemp, "PROFT", tables::profesoresFields(),
          {{{"ABREV", "JGP"}, {"X_EMPLEADO", "1"}},
           {{"ABREV", "O'B"}, {"X_EMPLEADO", "2"}},
           {{"ABREV", ""}, {"X_EMPLEADO", "3"}}});
    table(qtemp, "AULAT", tables::aulasFields(), {{{"ABREV", "A01"}}});
    table(qtemp, "ASIGNOMT", tables::asignaturasFields(),
          {{{"COD", "MAT"}, {"NOMBRE", "Matemáticas"}}, {{"COD", "G"}, {"CODTAREA", "7"}}});
    table(qtemp, "ASIGNOMT2", tables::asignaturas2Fields(),
          {{{"COD", "MAT"}, {"OFERTAMATRI", "6001"}, {"MATERIA", "9"}}});
    table(qtemp, "DIASHORAST", tables::tramosFields(),
          {{{"DIHO", "11"}, {"MARCO", "0"}, {"HORADESDE", "08:00"}, {"HORAHASTA", "09:00"}},
           {{"DIHO", "12"}, {"MARCO", "1"}, {"HORADESDE", "9:5"}, {"HORAHASTA", "10:00"}}});
    table(qtemp, "GRUPOST", tables::gruposFields(), {{{"ABREV", "ESO1A"}, {"CLAVE", "7"}}});
    table(qtemp, "ASIGT", tables::asignacionesFields(),
          {{{"CASIG", "MAT"}, {"CGRUP", "ESO1A"}, {"CLAVE", "9"}}});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto dir = fuzz::scratch() / "timetable";
    static const bool prepared = [&] {
        prepareSchool(dir);
        std::ofstream(dir / "seneca.xml")
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><SERVICIO><BLOQUE_DATOS>"
               "<grupo_datos seq=\"A\"><dato>2026</dato></grupo_datos></BLOQUE_DATOS></SERVICIO>";
        return true;
    }();
    (void)prepared;
    fuzz::writeBytes(dir / "SOLUC.DBF", data, size);
    fuzz::FuzzSeam seam((dir / "seneca.xml").string());
    app::ProcessState state;
    try {
        app::BImportarClick(state, seam, {dir, dir});
    } catch (const Error&) {
    }
    return 0;
}
