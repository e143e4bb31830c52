#pragma once

#include <set>
#include <string>

namespace quimbo::exporta {

// The four registration lists that make subject codes unique within one export run: sorted,
// case-sensitive, adding a string already present has no effect. Each run starts with empty lists.
struct RegistroMaterias {
    std::set<std::string> codigosCortos;
    std::set<std::string> codigosLargos;
    std::set<std::string> nombresMaterias;
    std::set<std::string> largosNombres;

    void clear() {
        codigosCortos.clear();
        codigosLargos.clear();
        nombresMaterias.clear();
        largosNombres.clear();
    }
};

}  // namespace quimbo::exporta
