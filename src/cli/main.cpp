// quimbo: the conversions of TransQuimboSeneca without a window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.hpp"
#include "cli/help_text.hpp"
#include "common/error.hpp"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "ayuda") {
        std::cout << quimbo::cli::kHelpText;
        return args.empty() ? quimbo::cli::kExitUsage : quimbo::cli::kExitOk;
    }
    try {
        return quimbo::cli::runCommand(args, std::cout, std::cerr);
    } catch (const quimbo::cli::UsageError& error) {
        std::cerr << error.what() << "\nUse «quimbo --help» para ver las opciones.\n";
        return quimbo::cli::kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return quimbo::cli::kExitRunError;
    }
}
