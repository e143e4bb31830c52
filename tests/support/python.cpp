#include "support/python.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "support/temp_dir.hpp"

namespace quimbo::test {

ProcessResult runProgram(const std::vector<std::string>& argv, const std::string& input) {
    TempDir scratch;
    const auto inPath = scratch / "in";
    const auto outPath = scratch / "out";
    const auto errPath = scratch / "err";
    writeFile(inPath, input);
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        const int in = open(inPath.c_str(), O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ProcessResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

ProcessResult runPythonScript(const std::string& script, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {QUIMBO_TEST_PYTHON,
                                     std::string(QUIMBO_TEST_SCRIPTS) + "/" + script};
    argv.insert(argv.end(), args.begin(), args.end());
    return runProgram(argv);
}

}  // namespace quimbo::test
