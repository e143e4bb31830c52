#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quimbo::cli {

// The options of one subcommand.
struct CommandLine {
    std::string command;
    std::string file;
    std::optional<std::string> qtemp;
    std::optional<std::string> niveles;
    bool sinComprobarCursos = false;
    std::optional<std::string> marcos;
};

// Throws UsageError on an unknown subcommand or option, a missing value or file, or options
// that the subcommand does not take.
CommandLine parseCommandLine(const std::vector<std::string>& args);

}  // namespace quimbo::cli
