// The indexes must find exactly the rows the straightforward scans from the first row find: random
// small schools, with duplicate keys, names differing in case and blank fields, go through both
// strategies and must give byte-for-byte the same tables and the same HORARIOS groups.
#include <gtest/gtest.h>

#include <random>

#include "export/export_fixture.hpp"
#include "export/traspasa_asignaciones.hpp"
#include "export/traspasa_grupos.hpp"
#include "export/traspasa_materias.hpp"
#include "support/seneca_builder.hpp"
#include "timetable/escribe_horarios_regulares.hpp"
#include "timetable/timetable_fixture.hpp"

namespace quimbo {
namespace {

class RandomSchool {
  public:
    explicit RandomSchool(unsigned seed) : random_(seed) {}

    std::string pick(const std::vector<std::string>& choices) {
        return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
    }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::vector<test::Registro> materias() {
        const std::vector<std::string> names = {"Latín",
                                                "latín",
                                                "LATÍN",
                                                "Música",
                                                "Música ",
                                                "",
                                                "Lengua Castellana y Literatura",
                                                "Lengua Clásica Latina",
                                                std::string(85, 'x')};
        std::vector<test::Registro> records;
        for (int i = number(0, 25); i > 0; --i) {
            records.push_back(test::materia(pick({"1", "2", "2", "3", ""}), pick(names),
                                            pick({"10", "11", "11", "", std::string(22, '9')})));
        }
        return records;
    }

    test::SmallSchool timetable() {
        const std::vector<std::string> codes = {"MAT", "ING", "GUA", "X", "", "MAT "};
        const std::vector<std::string> units = {"ESO1A", "ESO1B", "", "eso1a"};
        test::SmallSchool school;
        auto rows = [&](int count, auto make) {
            std::vector<test::Row> result;
            for (int i = 0; i < count; ++i) {
                result.push_back(make());
            }
            return result;
        };
        school.proft = rows(number(0, 6), [&] {
            return test::Row{{"ABREV", pick({"JGP", "jgp", "O'B", "", "AB"})},
                             {"X_EMPLEADO", std::to_string(number(1, 9))}};
        });
        school.asigt = rows(number(0, 8), [&] {
            return test::Row{{"CASIG", pick(codes)},
                             {"CGRUP", pick(units)},
                             {"CLAVE", pick({"1", "2", ""})},
                             {"CLAVECURSO", pick({"6001", ""})}};
        });
        school.asignomt = rows(number(0, 6), [&] {
            return test::Row{{"COD", pick(codes)}, {"CODTAREA", pick({"", "7", "8"})}};
        });
        school.asignomt2 = rows(number(0, 6), [&] {
            return test::Row{{"COD", pick(codes)},
                             {"OFERTAMATRI", pick({"6001", "6002", ""})},
                             {"MATERIA", pick({"100", "200", ""})}};
        });
        school.diashorast = rows(number(0, 8), [&] {
            const int dia = number(1, 3);
            const int hora = number(1, 3);
            return test::Row{{"DIHO", std::to_string(dia) + std::to_string(hora)},
                             {"DIA", std::to_string(dia)},
                             {"CODDIHO", std::to_string(number(100, 105))},
                             {"MARCO", pick({"0", "1", ""})},
                             {"HORADESDE", pick({"08:00", "09:30", ""})},
                             {"HORAHASTA", pick({"09:00", "10:30"})}};
        });
        school.grupost = rows(number(0, 4), [&] {
            return test::Row{{"ABREV", pick(units)},
                             {"CLAVE", std::to_string(number(1, 5))},
                             {"CLAVECURSO", pick({"6001", "6002", ""})}};
        });
        school.soluc = rows(number(0, 20), [&] {
            return test::Row{{"PROF", pick({"JGP", "jgp", "O'B", "", "AB", "ZZ"})},
                             {"DIA", std::to_string(number(0, 3))},
                             {"HORA", std::to_string(number(0, 3))},
                             {"MARCO", pick({"0", "1", "", "01"})},
                             {"ASIG", pick(codes)},
                             {"CODGRUPO", pick(units)},
                             {"TAREA", pick({"", "", " T"})},
                             {"AULA", pick({"", "A1", "  "})}};
        });
        return school;
    }

  private:
    std::mt19937 random_;
};

std::string tableBytes(const std::filesystem::path& dir, const char* table) {
    std::string bytes = test::readFile(dir / (std::string(table) + ".DBF"));
    return bytes.substr(4);  // the date of last update may differ, nothing else
}

std::string horarios(const test::SmallSchool& school, LookupStrategy strategy) {
    test::TempDir qtemp;
    school.write(qtemp.path());
    test::OpenTimetableTables open(qtemp.path());
    auto document = test::parse("<R/>");
    try {
        horario::EscribeHorariosRegulares(*document, document->documentElement(), "i", "f",
                                          open.tablas, strategy);
    } catch (const std::exception& error) {
        return document->serialise() + "\nERROR: " + error.what();
    }
    return document->serialise();
}

TEST(Differential, SubjectCatalogueIndexesFindWhatTheScansFind) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        RandomSchool random(seed);
        const auto document = test::SenecaBuilder().group("MATERIAS", random.materias()).document();
        test::ExportFixture indexed;
        test::ExportFixture scanning;
        exporta::RegistroMaterias first;
        exporta::RegistroMaterias second;
        exporta::TraspasaMaterias(*document, indexed.qtemp.path(), indexed.program.path(), first,
                                  LookupStrategy::Indexed);
        exporta::TraspasaMaterias(*document, scanning.qtemp.path(), scanning.program.path(), second,
                                  LookupStrategy::Scanning);
        for (const char* table : {"ASIGNOMT", "ASIGNOMT2"}) {
            ASSERT_EQ(tableBytes(indexed.qtemp.path(), table),
                      tableBytes(scanning.qtemp.path(), table))
                << "seed " << seed << " " << table;
        }
    }
}

TEST(Differential, UnitAndOfferIndexesFindWhatTheScansFind) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        RandomSchool random(seed);
        std::vector<test::Registro> units;
        for (int i = random.number(0, 12); i > 0; --i) {
            units.push_back({{"X", std::to_string(i)},
                             {"N", "n"},
                             {"C", random.pick({"1", "2", "2", "3", ""})}});
        }
        std::vector<test::Row> courses;
        for (int i = random.number(0, 5); i > 0; --i) {
            courses.push_back({{"CLAVE", random.pick({"1", "2", "3", ""})},
                               {"NIVEL", random.pick({"ESO", "eso", "", "BACHILLER"})},
                               {"CURSO", random.pick({"1", "10", ""})}});
        }
        std::vector<test::Row> catalogue;
        for (int i = random.number(0, 6); i > 0; --i) {
            catalogue.push_back(
                {{"COD", random.pick({"LAT", "MUS", "", "X"})},
                 {"NOMBRE", random.pick({"Latín", "LATíN", "latín", "Música", ""})}});
        }
        const auto document = test::SenecaBuilder()
                                  .group("UNIDADES", units)
                                  .group("MATERIAS", random.materias())
                                  .document();
        std::vector<std::string> results;
        for (const LookupStrategy strategy : {LookupStrategy::Indexed, LookupStrategy::Scanning}) {
            test::ExportFixture f;
            test::writeTable(f.qtemp.path(), "CURSOST", tables::cursosFields(), courses);
            test::writeTable(f.qtemp.path(), "ASIGNOMT", tables::asignaturasFields(), catalogue);
            exporta::TraspasaGrupos(*document, f.qtemp.path(), strategy);
            exporta::TraspasaAsignaciones(*document, f.qtemp.path(), strategy);
            results.push_back(tableBytes(f.qtemp.path(), "GRUPOST") + "|" +
                              tableBytes(f.qtemp.path(), "ASIGT"));
        }
        ASSERT_EQ(results[0], results[1]) << "seed " << seed;
    }
}

TEST(Differential, TimetableIndexesFindWhatTheScansFind) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        const test::SmallSchool school = RandomSchool(seed).timetable();
        ASSERT_EQ(horarios(school, LookupStrategy::Indexed),
                  horarios(school, LookupStrategy::Scanning))
            << "seed " << seed;
    }
}

}  // namespace
}  // namespace quimbo
