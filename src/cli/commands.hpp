#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "common/error.hpp"

namespace quimbo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRunError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitCoursesIncomplete = 3;
inline constexpr int kExitFindings = 4;

// A command line that the tool cannot take, or an answer that is not valid.
class UsageError : public Error {
  public:
    using Error::Error;
};

// Runs one subcommand (args without the program name) and returns its exit code.
int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quimbo::cli
