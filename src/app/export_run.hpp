#pragma once

#include "app/process_state.hpp"
#include "app/seam.hpp"

namespace quimbo::app {

// Séneca to Tempario: choose and load the Séneca file, then rebuild the nine working tables,
// step by step. Errors of the steps pass out to the front end's general error report.
RunOutcome BExportarClick(ProcessState& state, Seam& seam, const Environment& environment);

}  // namespace quimbo::app
