#pragma once

#include <string>

namespace quimbo::exporta {

// What the time-frame dialog hands back after it has closed.
struct FrameChoice {
    bool seleccionCorrecta = false;
    std::string marcosSeleccionados;  // 10 characters per chosen frame
};

// The time-frame dialog as the time-frames step sees it: a fresh, modal showing per call. An
// implementation that cannot offer any frame throws quimbo::Error instead of returning.
class FrameDialog {
  public:
    virtual ~FrameDialog() = default;
    virtual FrameChoice choose() = 0;
};

}  // namespace quimbo::exporta
