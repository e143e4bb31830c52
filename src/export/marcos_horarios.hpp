#pragma once

#include <string>
#include <vector>

#include "access/xml_document.hpp"

namespace quimbo::exporta {

// One time frame (JORNADAS_ESCOLARES record) as the time-frame dialog shows it: values
// untrimmed, Windows-1252; a missing position is empty.
struct MarcoHorario {
    std::string codigo;
    std::string nombre;
    std::string fechaInicio;
    std::string fechaFin;
};

std::vector<MarcoHorario> marcosDelDocumento(const access::XmlDocument& document);

// The slot names (TRAMOS_HORARIOS position 1) of the slots whose frame code (position 4) equals
// `codigo` exactly, in document order.
std::vector<std::string> tramosDelMarco(const access::XmlDocument& document,
                                        const std::string& codigo);

// How the dialog judges its selection when it closes.
struct SeleccionMarcos {
    bool correcta = false;
    std::string marcosSeleccionados;  // each selected code padded and cut to 10 characters
    std::string mensaje;              // UTF-8; empty when the choice is valid
};

inline constexpr const char* kDemasiadosMarcos =
    "Demasiados Marcos Horarios seleccionados.\r\nComo máximo puede seleccionar 2 Marcos Horarios";
inline constexpr const char* kNingunMarco = "Debe al menos seleccionar 1 Marco Horario.";

// `codigosSeleccionados` are the selected codes in the order of the frame list.
SeleccionMarcos juzgarSeleccion(const std::vector<std::string>& codigosSeleccionados);

}  // namespace quimbo::exporta
