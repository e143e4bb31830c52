#include "export/traspasa_tramos.hpp"

#include "access/table.hpp"
#include "common/error.hpp"
#include "export/working_tables.hpp"
#include "seneca/exchange_document.hpp"
#include "text/clipper.hpp"
#include "text/numbers.hpp"

namespace quimbo::exporta {

using clipper::AllTrim;
using clipper::Left;

namespace {

constexpr int kDiasSemana = 7;
constexpr int kMinutosDia = 1440;

struct Codes {
    std::string a;
    std::string b;  // empty when one frame is chosen
};

std::string chooseFrames(const std::vector<seneca::Record>& frames, FrameDialog& dialog,
                         bool& reintento) {
    if (frames.size() == 1) {
        return frames.front().value(0);
    }
    for (;;) {
        const FrameChoice choice = dialog.choose();
        if (choice.seleccionCorrecta) {
            return choice.marcosSeleccionados;
        }
        reintento = true;
    }
}

Codes splitSelection(const std::string& selection) {
    Codes codes;
    codes.a = Left(AllTrim(Left(selection, 10)), 10);
    if (selection.size() == 20) {
        codes.b = Left(AllTrim(selection.substr(10, 10)), 10);
    }
    return codes;
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

// Minutes since midnight as HH:MM.
std::string clockTime(int minutes) {
    return twoDigits(minutes / 60) + ":" + twoDigits(minutes % 60);
}

std::string withLeadingZero(const std::string& text) {
    return text.size() < 4 ? "0" + text : text;
}

void writeSlots(access::Table& tramos, const std::vector<seneca::Record>& slots,
                const Codes& codes) {
    for (int day = 1; day <= kDiasSemana; ++day) {
        int counterA = 0;
        int counterB = 0;
        for (const seneca::Record& slot : slots) {
            const std::string frame = Left(slot.value(4), 10);
            if (frame != codes.a && frame != codes.b) {
                continue;
            }
            const std::string start = withLeadingZero(slot.value(2));
            const std::string end = withLeadingZero(slot.value(3));
            const int startMinutes = text::toInteger(start);
            const int endMinutes = text::toInteger(end);
            const int number = frame == codes.a ? ++counterA : ++counterB;

            tramos.append();
            tramos.setText("DIHO", std::to_string(day) + std::to_string(number));
            tramos.setText("HORA", std::to_string(number));
            tramos.setText("DIA", std::to_string(day));
            tramos.setText("TEXTOHOR", slot.value(1));
            tramos.setText("CODDIHO", slot.value(0));
            tramos.setText("HORADESDE", clockTime(startMinutes));
            tramos.setText("HORAHASTA", clockTime(endMinutes));
            tramos.setText("MINUTOS", std::to_string(endMinutes - startMinutes));
            tramos.setText("MARCOXML", frame);
            tramos.post();
        }
    }
}

// Minute of the day at which the frame's first slot of day 1 starts; `fallback` without one.
int firstSlotStart(access::Table& tramos, const std::string& code, int fallback) {
    if (!tramos.locate("DIHO;MARCOXML", {"11", code})) {
        return fallback;
    }
    const std::string start = tramos.asText("HORADESDE");
    return 60 * text::toInteger(start.substr(0, 2)) +
           text::toInteger(start.size() > 3 ? start.substr(3, 2) : std::string());
}

void markFrames(access::Table& tramos, const Codes& codes) {
    const int startA = firstSlotStart(tramos, codes.a, 0);
    const int startB = firstSlotStart(tramos, codes.b, kMinutosDia);
    const std::string markA = startA <= startB ? "0" : "1";
    const std::string markB = startA <= startB ? "1" : "0";
    for (tramos.first(); !tramos.eof(); tramos.next()) {
        const std::string frame = tramos.asText("MARCOXML");
        if (frame == codes.a || frame == codes.b) {
            tramos.edit();
            tramos.setText("MARCO", frame == codes.a ? markA : markB);
        }
    }
}

}  // namespace

void TraspasaTramos(const access::XmlDocument& document, const std::filesystem::path& qtemp,
                    FrameDialog& dialog, bool& reintento) {
    const auto frames = seneca::recordsOf(document, seneca::kJornadasEscolares);
    if (frames.empty()) {
        throw Error(kSinMarcosHorarios);
    }
    // The choice comes first, so that a dialog that cannot offer any frame leaves the old table.
    const Codes codes = splitSelection(chooseFrames(frames, dialog, reintento));
    access::recreateTable(qtemp, tables::kTramos, tables::tramosFields());
    access::Table tramos(qtemp, tables::kTramos);
    tramos.open();
    writeSlots(tramos, seneca::recordsOf(document, seneca::kTramosHorarios), codes);
    markFrames(tramos, codes);
    tramos.close();
}

}  // namespace quimbo::exporta
