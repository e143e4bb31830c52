#include "cli/command_line.hpp"

#include <set>

#include "cli/commands.hpp"

namespace quimbo::cli {

namespace {

const std::set<std::string> kCommands = {"exportar", "importar", "revisar", "cursos", "marcos"};

std::string valueOf(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) {
        throw UsageError("Falta el valor de la opción " + args[i] + ".");
    }
    return args[++i];
}

void requireOnlyFor(const CommandLine& line, bool present, const char* option,
                    const std::set<std::string>& allowed) {
    if (present && !allowed.contains(line.command)) {
        throw UsageError(std::string("La opción ") + option + " no sirve para «" + line.command +
                         "».");
    }
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty() || !kCommands.contains(args[0])) {
        throw UsageError("Orden desconocida: «" + (args.empty() ? std::string() : args[0]) +
                         "». Las órdenes son exportar, importar, cursos y marcos.");
    }
    line.command = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--qtemp") {
            line.qtemp = valueOf(args, i);
        } else if (arg == "--niveles") {
            line.niveles = valueOf(args, i);
        } else if (arg == "--marcos") {
            line.marcos = valueOf(args, i);
        } else if (arg == "--sin-comprobar-cursos") {
            line.sinComprobarCursos = true;
        } else if (arg.starts_with("--")) {
            throw UsageError("Opción desconocida: " + arg + ".");
        } else if (line.file.empty()) {
            line.file = arg;
        } else {
            throw UsageError("Sobra el argumento «" + arg + "»: solo se trata un archivo.");
        }
    }
    if (line.file.empty()) {
        throw UsageError("Falta el archivo XML de Séneca.");
    }
    requireOnlyFor(line, line.qtemp.has_value(), "--qtemp", {"exportar", "importar", "revisar"});
    requireOnlyFor(line, line.niveles.has_value(), "--niveles", {"exportar"});
    requireOnlyFor(line, line.marcos.has_value(), "--marcos", {"exportar"});
    requireOnlyFor(line, line.sinComprobarCursos, "--sin-comprobar-cursos", {"exportar"});
    if (line.niveles && line.sinComprobarCursos) {
        throw UsageError("Use --niveles o --sin-comprobar-cursos, no las dos.");
    }
    return line;
}

}  // namespace quimbo::cli
