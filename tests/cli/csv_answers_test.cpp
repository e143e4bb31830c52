#include <gtest/gtest.h>

#include "cli/csv.hpp"
#include "cli/marcos_option.hpp"
#include "cli/niveles_answers.hpp"
#include "common/error.hpp"

namespace quimbo::cli {
namespace {

TEST(Csv, ReadsQuotedFieldsAndIgnoresBomAndCarriageReturns) {
    const auto rows = parseCsv(
        "\xEF\xBB\xBF"
        "A;B\r\n\"x;\"\"y\"\"\";z\r\n\n;\n");
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"x;\"y\"", "z"}));
    EXPECT_EQ(rows[2], (std::vector<std::string>{"", ""}));
    EXPECT_EQ(parseCsv(csvField("a;\"b\"")).front().front(), "a;\"b\"");
    // Found by fuzzing: what csvField writes always reads back as the same field.
    for (const std::string field : {"x\r", "\xEF\xBB\xBF$T", "a\r\nb"}) {
        EXPECT_EQ(parseCsv(csvField(field)), std::vector<std::vector<std::string>>{{field}});
    }
}

TEST(NivelesAnswers, ColumnsInAnyOrderValuesTrimmedAndConverted) {
    const auto answers = parseNivelesCsv(
        "estud;Curso;NIVEL;clave\nx; 1 ;ESO;6001\ny;2;Bachº;6002\n"
        ";;;\n",
        "n.csv");
    ASSERT_EQ(answers.size(), 2U);
    EXPECT_EQ(answers.at("6001").nivel, "ESO");
    EXPECT_EQ(answers.at("6001").curso, "1");
    EXPECT_EQ(answers.at("6002").nivel, "Bach\xBA");
    EXPECT_THROW(parseNivelesCsv("", "n.csv"), Error);
    EXPECT_THROW(parseNivelesCsv("CLAVE;NIVEL\n1;2\n", "n.csv"), Error);
}

TEST(MarcosOption, BuildsTheSelectionInTheFilesFrameOrder) {
    const std::vector<exporta::MarcoHorario> marcos = {
        {"M", "", "", ""}, {"T", "", "", ""}, {"X", "", "", ""}};
    EXPECT_EQ(selectionForMarcos("T,M", marcos), "M         T         ");
    EXPECT_EQ(selectionForMarcos(" X ", marcos), "X         ");
    const std::pair<std::string, std::string> refused[] = {
        {"", "Debe al menos seleccionar 1 Marco Horario."},
        {"M,T,X",
         "Demasiados Marcos Horarios seleccionados.\r\n"
         "Como máximo puede seleccionar 2 Marcos Horarios"},
        {"M,Z", "El Marco Horario Z no está en el archivo"},
    };
    for (const auto& [option, message] : refused) {
        try {
            selectionForMarcos(option, marcos);
            ADD_FAILURE() << option;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}

}  // namespace
}  // namespace quimbo::cli
