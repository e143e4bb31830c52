#include "export/traspasa_tramos.hpp"

#include <gtest/gtest.h>

#include "common/error.hpp"
#include "export/export_fixture.hpp"
#include "export/marcos_horarios.hpp"
#include "support/scripted_dialogs.hpp"
#include "support/seneca_builder.hpp"

namespace quimbo::exporta {
namespace {

using test::Registro;
using test::Row;
using test::SenecaBuilder;

Registro marco(const std::string& code) {
    return {{"X_JORNADA", code}, {"D", "Marco " + code}, {"F1", "01/09"}, {"F2", "30/06"}};
}

Registro tramo(const std::string& code, const std::string& name, const std::string& start,
               const std::string& end, const std::string& frame) {
    return {{"X_TRAMO", code}, {"D", name}, {"I", start}, {"F", end}, {"J", frame}};
}

std::vector<Registro> slotsOf(const std::string& frame, int count, int start) {
    std::vector<Registro> slots;
    for (int i = 0; i < count; ++i) {
        slots.push_back(tramo(frame + std::to_string(i), "hora", std::to_string(start + 60 * i),
                              std::to_string(start + 60 * (i + 1)), frame));
    }
    return slots;
}

FrameChoice chosen(const std::string& selection) {
    return {true, selection};
}

struct TramosRun {
    test::ExportFixture fixture;
    test::ScriptedFrameDialog dialog;
    bool reintento = false;
    std::vector<Row> rows;

    TramosRun(const std::vector<Registro>& frames, const std::vector<Registro>& slots,
              std::vector<FrameChoice> choices = {})
        : dialog(std::move(choices)) {
        const auto document = SenecaBuilder()
                                  .group("JORNADAS_ESCOLARES", frames)
                                  .group("TRAMOS_HORARIOS", slots)
                                  .document();
        TraspasaTramos(*document, fixture.qtemp.path(), dialog, reintento);
        rows = fixture.rows("DIASHORAST");
    }
    std::map<std::string, std::string> marks() const {
        std::map<std::string, std::string> byFrame;
        for (const Row& row : rows) {
            byFrame[row.at("MARCOXML")] += row.at("MARCO");
        }
        return byFrame;
    }
};

TEST(TraspasaTramos, OneFrameNeedsNoDialogAndIsMarkedZero) {
    TramosRun run({marco("M")}, slotsOf("M", 3, 480));
    EXPECT_EQ(run.dialog.showings, 0);
    ASSERT_EQ(run.rows.size(), 21U);
    EXPECT_EQ(run.marks().at("M"), std::string(21, '0'));
    EXPECT_EQ(run.rows[0], (Row{{"DIHO", "11"},
                                {"CODDIHO", "M0"},
                                {"DIA", "1"},
                                {"TEXTODIA", ""},
                                {"HORA", "1"},
                                {"TEXTOHOR", "hora"},
                                {"HORADESDE", "08:00"},
                                {"HORAHASTA", "09:00"},
                                {"MINUTOS", "60"},
                                {"MARCO", "0"},
                                {"MARCOXML", "M"}}));
    EXPECT_EQ(run.rows[20].at("DIHO"), "73");
    EXPECT_EQ(run.rows[20].at("DIA"), "7");
}

TEST(TraspasaTramos, TheFrameThatStartsEarlierIsMarkedZeroWhateverTheSelectionOrder) {
    struct Case {
        const char* what;
        std::string selection;
        int startT;
        std::string markM;
        std::string markT;
    };
    const Case cases[] = {
        {"morning first", "M         T         ", 900, "0", "1"},
        {"afternoon first", "T         M         ", 900, "0", "1"},
        {"equal starts: first selected is 0", "T         M         ", 480, "1", "0"},
    };
    for (const Case& c : cases) {
        auto slots = slotsOf("M", 6, 480);
        const auto afternoon = slotsOf("T", 4, c.startT);
        slots.insert(slots.begin() + 2, afternoon.begin(), afternoon.end());  // mixed order
        TramosRun run({marco("M"), marco("T"), marco("X")}, slots, {chosen(c.selection)});
        ASSERT_EQ(run.rows.size(), 70U) << c.what;
        EXPECT_EQ(run.marks().at("M"), std::string(42, c.markM[0])) << c.what;
        EXPECT_EQ(run.marks().at("T"), std::string(28, c.markT[0])) << c.what;
        EXPECT_EQ(run.rows[2].at("DIHO"), "11") << c.what;  // T's first slot, counted apart
        EXPECT_EQ(run.rows[6].at("DIHO"), "13") << c.what;  // M's third slot
    }
}

TEST(TraspasaTramos, UnchosenFramesAreNeitherWrittenNorCounted) {
    auto slots = slotsOf("X", 2, 400);
    const auto m = slotsOf("M", 6, 480);
    const auto t = slotsOf("T", 4, 900);
    slots.insert(slots.end(), m.begin(), m.end());
    slots.insert(slots.end(), t.begin(), t.end());
    TramosRun run({marco("M"), marco("T"), marco("X")}, slots, {chosen("M         T         ")});
    EXPECT_EQ(run.rows.size(), 70U);
    EXPECT_EQ(run.marks().count("X"), 0U);
    EXPECT_EQ(run.rows[0].at("DIHO"), "11");
}

TEST(TraspasaTramos, SlotValues) {
    TramosRun run(
        {marco("MARCOLARGO123")},
        {tramo("A", "Primera hora de la mañana", "", "60", "MARCOLARGO123"),
         tramo("B", "x", "545", "600", "MARCOLARGO"), tramo("C", "y", "0", "0", "otro"),
         tramo("D", "10", "1", "2", "MARCOLARGO"), tramo("E", "e", "3", "4", "MARCOLARGO"),
         tramo("F", "f", "5", "6", "MARCOLARGO"), tramo("G", "g", "7", "8", "MARCOLARGO"),
         tramo("H", "h", "9", "10", "MARCOLARGO"), tramo("I", "i", "11", "12", "MARCOLARGO"),
         tramo("J", "j", "13", "14", "MARCOLARGO")});
    ASSERT_EQ(run.rows.size(), 63U);
    EXPECT_EQ(run.rows[0].at("TEXTOHOR"), "Primera hora de");
    EXPECT_EQ(run.rows[0].at("HORADESDE"), "00:00");
    EXPECT_EQ(run.rows[0].at("MINUTOS"), "60");
    EXPECT_EQ(run.rows[0].at("MARCOXML"), "MARCOLARGO");
    EXPECT_EQ(run.rows[1].at("HORADESDE"), "09:05");
    EXPECT_EQ(run.rows[1].at("HORAHASTA"), "10:00");
    EXPECT_EQ(run.rows[9 + 8].at("DIHO"), "29");  // day 2, ninth slot
}

TEST(TraspasaTramos, TwoDigitSlotNumbersFollowTheDay) {
    TramosRun run({marco("M")}, slotsOf("M", 10, 0));
    EXPECT_EQ(run.rows[10 + 9].at("DIHO"), "210");
    EXPECT_EQ(run.rows[10 + 9].at("HORA"), "10");
}

TEST(TraspasaTramos, WithOneFrameASlotWithoutFrameCodeCountsAsTheSecond) {
    TramosRun run({marco("M")},
                  {tramo("A", "a", "480", "540", "M"), tramo("B", "b", "300", "360", ""),
                   tramo("C", "c", "540", "600", "M")});
    ASSERT_EQ(run.rows.size(), 21U);
    EXPECT_EQ(run.rows[1].at("DIHO"), "11");
    EXPECT_EQ(run.rows[1].at("MARCOXML"), "");
    EXPECT_EQ(run.rows[2].at("DIHO"), "12");
    // The frameless slot starts first, so it is the frame marked 0.
    EXPECT_EQ(run.rows[0].at("MARCO"), "1");
    EXPECT_EQ(run.rows[1].at("MARCO"), "0");
}

TEST(TraspasaTramos, AnInvalidChoiceShowsAFreshDialogAndSetsReintento) {
    TramosRun run({marco("M"), marco("T")}, slotsOf("M", 1, 480),
                  {FrameChoice{false, ""}, FrameChoice{false, "M         T         X         "},
                   chosen("M         ")});
    EXPECT_EQ(run.dialog.showings, 3);
    EXPECT_TRUE(run.reintento);
    EXPECT_EQ(run.rows.size(), 7U);
}

TEST(TraspasaTramos, NoFrameStopsBeforeTheOldTableIsTouched) {
    test::ExportFixture f;
    test::writeTable(f.qtemp.path(), "DIASHORAST", tables::tramosFields(), {{{"DIHO", "11"}}});
    test::ScriptedFrameDialog dialog;
    bool reintento = false;
    try {
        TraspasaTramos(*SenecaBuilder().group("TRAMOS_HORARIOS", slotsOf("M", 2, 0)).document(),
                       f.qtemp.path(), dialog, reintento);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), kSinMarcosHorarios);
    }
    EXPECT_EQ(f.column("DIASHORAST", "DIHO"), std::vector<std::string>{"11"});
}

TEST(TraspasaTramos, AStartThatIsNotANumberStopsTheStep) {
    EXPECT_THROW(TramosRun({marco("M")}, {tramo("A", "a", "8:00", "540", "M")}), Error);
}

TEST(MarcosHorarios, TheDialogsVerdictAndResultText) {
    EXPECT_EQ(juzgarSeleccion({"M", "T"}).marcosSeleccionados, "M         T         ");
    EXPECT_TRUE(juzgarSeleccion({"M", "T"}).correcta);
    EXPECT_EQ(juzgarSeleccion({"CODIGOLARGO1"}).marcosSeleccionados, "CODIGOLARG");
    EXPECT_FALSE(juzgarSeleccion({}).correcta);
    EXPECT_STREQ(juzgarSeleccion({}).mensaje.c_str(), kNingunMarco);
    const SeleccionMarcos three = juzgarSeleccion({"A", "B", "C"});
    EXPECT_FALSE(three.correcta);
    EXPECT_EQ(three.mensaje,
              "Demasiados Marcos Horarios seleccionados.\r\n"
              "Como máximo puede seleccionar 2 Marcos Horarios");
    EXPECT_EQ(three.marcosSeleccionados.size(), 30U);
}

TEST(MarcosHorarios, FramesAndTheirSlotsAsTheDialogShowsThem) {
    const auto document =
        SenecaBuilder()
            .group("JORNADAS_ESCOLARES", {marco("M"), {{"X", " T "}, {"D", "Tarde"}}})
            .group("TRAMOS_HORARIOS",
                   {tramo("1", "1ª", "0", "1", "M"), tramo("2", "2ª", "0", "1", " T "),
                    tramo("3", "3ª", "0", "1", "M")})
            .document();
    const auto marcos = marcosDelDocumento(*document);
    ASSERT_EQ(marcos.size(), 2U);
    EXPECT_EQ(marcos[1].codigo, " T ");  // shown untrimmed
    EXPECT_EQ(marcos[1].fechaInicio, "");
    EXPECT_EQ(tramosDelMarco(*document, "M"), (std::vector<std::string>{"1\xAA", "3\xAA"}));
    EXPECT_EQ(tramosDelMarco(*document, " T ").size(), 1U);
    EXPECT_TRUE(tramosDelMarco(*document, "T").empty());
}

}  // namespace
}  // namespace quimbo::exporta
