#pragma once

#include <filesystem>
#include <optional>

#include "app/process_state.hpp"
#include "app/seam.hpp"

namespace quimbo::app {

inline constexpr const char* kPeriodosNoEncontrado =
    "ATENCIÓN - PERIODOS.DBF No encontrado - Importe de nuevo XML de SÉNECA.";

// The HORARIOS file written beside the chosen Séneca file: "ResultadoQuimbo" + its name.
std::filesystem::path horariosPathFor(const std::filesystem::path& senecaFile);

// The review page written beside the HORARIOS file: its name + ".revision.html".
std::filesystem::path revisionPathFor(const std::filesystem::path& senecaFile);

// Tempario to Séneca: the academic year of the chosen file, PERIODOS' dates and every teacher's
// timetable from SOLUC, written as a HORARIOS document beside the chosen file.
RunOutcome BImportarClick(ProcessState& state, Seam& seam, const Environment& environment);

}  // namespace quimbo::app
