#pragma once

#include <string>
#include <vector>

#include "access/xml_document.hpp"

// The addressing rules of Séneca's exchange envelope:
// SERVICIO / BLOQUE_DATOS / grupo_datos[@seq] / grupo_datos / dato.
namespace quimbo::seneca {

// Group names as Séneca writes them.
inline constexpr const char* kJornadasEscolares = "JORNADAS_ESCOLARES";
inline constexpr const char* kTramosHorarios = "TRAMOS_HORARIOS";
inline constexpr const char* kCursosDelCentro = "CURSOS_DEL_CENTRO";
inline constexpr const char* kMaterias = "MATERIAS";
inline constexpr const char* kActividades = "ACTIVIDADES";
inline constexpr const char* kEmpleados = "EMPLEADOS";
inline constexpr const char* kDependencias = "DEPENDENCIAS";
inline constexpr const char* kUnidades = "UNIDADES";

// The records' path of a named group, or of the top-level groups when `group` is empty.
std::string recordsPath(const std::string& group);

// One record: its own `dato` children in document order. Values are converted to Windows-1252.
class Record {
  public:
    explicit Record(access::XmlNode node);

    std::size_t size() const { return datos_.size(); }
    // The conversion steps pass over records with fewer than two values.
    bool hasEnoughValues() const { return datos_.size() >= 2; }
    // The value at `position`, untrimmed; empty when the record has no such position.
    std::string raw(std::size_t position) const;
    // The value at `position` passed through AllTrim; empty when missing.
    std::string value(std::size_t position) const;
    // The serialised markup of the `dato` at `position` (UTF-8); empty when missing.
    std::string markup(std::size_t position) const;

  private:
    std::vector<access::XmlNode> datos_;
};

// The records of a group, in document order (groups of the same name follow each other).
std::vector<Record> recordsOf(const access::XmlDocument& document, const std::string& group);

// The top-level groups as records of their own `dato` children.
std::vector<Record> topLevelGroups(const access::XmlDocument& document);

// True when the document has /SERVICIO/BLOQUE_DATOS with at least one child element.
bool hasDataBlock(const access::XmlDocument& document);

}  // namespace quimbo::seneca
