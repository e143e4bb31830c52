#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "timetable/escribe_horarios_regulares.hpp"

namespace quimbo::horario {

// An integer field of SOLUC as read: its value, or the conversion error that reading it raises.
class IntegerValue {
  public:
    static IntegerValue read(const access::Table& table, const char* field);
    std::int32_t get() const;  // throws the conversion error where reading failed

  private:
    std::int32_t value_ = 0;
    std::string error_;
};

// One SOLUC row as the timetable export reads it.
struct SolucRow {
    IntegerValue dia;
    std::string diaText;
    IntegerValue hora;
    std::string marco;
    std::string asig;
    std::string codGrupo;
    std::string tarea;
    std::string aula;
};

struct OfertaMateria {
    std::string clave;
    std::string claveCurso;
};

struct Tramo {
    std::string dia;
    std::string codDiho;
    std::string desde;
    std::string hasta;
};

struct Unidad {
    std::string clave;
    std::string claveCurso;
};

// Every look-up of the teacher timetables. Each answers with the first matching row in stored
// order, as a scan from the table's first row finds it.
class TimetableLookups {
  public:
    virtual ~TimetableLookups() = default;
    // SOLUC's rows whose PROF equals the abbreviation, in stored order.
    virtual std::vector<SolucRow> rowsOf(const std::string& abrev) = 0;
    virtual std::optional<OfertaMateria> asignacion(const std::string& casig,
                                                    const std::string& cgrup) = 0;
    virtual std::optional<std::string> codTarea(const std::string& cod) = 0;
    virtual std::optional<Tramo> tramo(const std::string& diho, const std::string& marco) = 0;
    virtual std::optional<Unidad> unidad(const std::string& abrev) = 0;
    virtual std::optional<std::string> materia(const std::string& cod,
                                               const std::string& ofertaMatri) = 0;
};

// The straightforward reference: the SOLUC filter and scans from the first row of each table.
std::unique_ptr<TimetableLookups> scanningLookups(TablasHorario& tablas);

// The same answers from indexes built once per run from the open tables.
std::unique_ptr<TimetableLookups> indexedLookups(TablasHorario& tablas);

}  // namespace quimbo::horario
