#include "timetable/hora_a_minutos.hpp"

#include "text/clipper.hpp"
#include "text/numbers.hpp"

namespace quimbo::horario {

std::string HoraAMinutos(const std::string& time) {
    const std::string text = time.size() < 5 ? "0" + time : time;
    const int hours = text::toInteger(clipper::Left(text, 2));
    const int minutes = text::toInteger(clipper::Right(text, 2));
    return std::to_string(hours * 60 + minutes);
}

}  // namespace quimbo::horario
