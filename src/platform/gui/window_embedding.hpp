#pragma once

#include <cstdint>

class QWidget;

namespace quimbo::platform {

// Makes `window` a child of the foreign window whose handle Tempario passed. Returns false when
// the platform cannot reach that window; the window then stays a top-level one.
bool embedInForeignWindow(QWidget& window, std::uint32_t handle);

// Opens the system's own help viewer at a help context (Windows' HTML Help); returns false
// where there is none, so that the program shows its own help window.
bool openSystemHelp(const char* chmFile, std::uint32_t context, bool contents);

}  // namespace quimbo::platform
