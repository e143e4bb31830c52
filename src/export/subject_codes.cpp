#include "export/subject_codes.hpp"

#include "text/clipper.hpp"

namespace quimbo::exporta {

using namespace quimbo::clipper;

namespace {

bool isPlainCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string codeFromName(const std::string& name) {
    std::string cod;
    if (name.empty()) {
        return cod;
    }
    if (!isPlainCapital(name[0])) {
        cod = name.substr(0, 1);
    }
    cod += SoloMayusculas(name);
    if (cod.size() == 1) {
        if (name.find(' ') == std::string::npos) {
            cod = Left(name, 6);
        } else {
            cod = name.substr(0, 1) + Iniciales(name);
        }
    }
    return cod;
}

}  // namespace

SubjectCodes buildSubjectCodes(const std::string& name, const std::string& referenceCod,
                               const std::string& referenceCodLargo) {
    SubjectCodes codes{referenceCod, referenceCodLargo};
    if (EsBlanco(codes.cod)) {
        codes.cod = codeFromName(name);
    }
    if (EsBlanco(codes.codLargo)) {
        codes.codLargo = codes.cod.size() <= 4 ? Left(name, 10) : codes.cod;
    }
    codes.cod = Left(codes.cod, 10);
    return codes;
}

std::string uniqueShortCode(const std::string& cod, const std::set<std::string>& taken) {
    if (!taken.contains(cod)) {
        return cod;
    }
    const std::string stem = cod.empty() ? cod : cod.substr(0, cod.size() - 1);
    for (unsigned long suffix = 1;; ++suffix) {
        const std::string candidate = stem + std::to_string(suffix);
        const std::string shortened =
            candidate.size() > 10 ? Left(candidate, 8) + Right(candidate, 2) : candidate;
        // The shortened form is checked too: two subjects must never share a code.
        if (!taken.contains(candidate) && !taken.contains(shortened)) {
            return shortened;
        }
    }
}

}  // namespace quimbo::exporta
