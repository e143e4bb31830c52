#include "timetable/seneca_writer.hpp"

#include "text/codepage.hpp"

namespace quimbo::horario {

access::XmlNode grupoDatos(access::XmlDocument& document, const std::string& seq) {
    access::XmlNode group = document.createElement("grupo_datos");
    group.setAttribute("seq", seq);
    return group;
}

void appendDato(access::XmlDocument& document, access::XmlNode parent, const std::string& name,
                const std::string& valueCp1252) {
    access::XmlNode dato = document.createElement("dato");
    parent.appendChild(dato);  // attached first: nothing is left unowned if a later call fails
    dato.setAttribute("nombre_dato", name);
    dato.setText(codepage::cp1252ToUtf8(valueCp1252));
}

}  // namespace quimbo::horario
