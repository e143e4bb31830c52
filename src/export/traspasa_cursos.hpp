#pragma once

#include <filesystem>

#include "access/xml_document.hpp"
#include "export/course_dialog.hpp"

namespace quimbo::exporta {

enum class CursosOutcome { Continuar, SalidaForzada };

// Rebuilds CURSOST from CURSOS_DEL_CENTRO, then shows the course dialog (a fresh showing each
// time) until its check passes or the user leaves by the close box or forces the exit.
// `reintento` becomes true when the dialog is shown again.
CursosOutcome TraspasaCursos(const access::XmlDocument& document,
                             const std::filesystem::path& qtemp, CourseDialog& dialog,
                             bool& reintento);

}  // namespace quimbo::exporta
