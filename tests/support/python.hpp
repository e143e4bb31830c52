#pragma once

#include <string>
#include <vector>

namespace quimbo::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with arguments (no shell), optionally feeding `input`, and collects its output.
ProcessResult runProgram(const std::vector<std::string>& argv, const std::string& input = "");

// Runs a script of tests/scripts with Debian's python3 (where python3-dbfread and python3-dbf
// live), with the given arguments.
ProcessResult runPythonScript(const std::string& script, const std::vector<std::string>& args);

}  // namespace quimbo::test
