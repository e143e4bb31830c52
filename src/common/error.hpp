#pragma once

#include <stdexcept>
#include <string>

namespace quimbo {

// Every error a component raises carries the Spanish text (UTF-8) that the user reads in the
// application's general error report.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quimbo
