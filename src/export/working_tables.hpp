#pragma once

#include "access/field_definition.hpp"

// Names and field lists of Tempario's working tables, as the export steps create them.
namespace quimbo::tables {

inline constexpr const char* kPeriodos = "PERIODOS";
inline constexpr const char* kCursos = "CURSOST";
inline constexpr const char* kAsignaturas = "ASIGNOMT";
inline constexpr const char* kAsignaturas2 = "ASIGNOMT2";
inline constexpr const char* kProfesores = "PROFT";
inline constexpr const char* kAulas = "AULAT";
inline constexpr const char* kGrupos = "GRUPOST";
inline constexpr const char* kAsignaciones = "ASIGT";
inline constexpr const char* kTramos = "DIASHORAST";
inline constexpr const char* kSolucion = "SOLUC";
inline constexpr const char* kSeneMaterias = "SENEMATERIAS.DBF";

access::FieldDefinitions periodosFields();
access::FieldDefinitions cursosFields();
access::FieldDefinitions asignaturasFields();
access::FieldDefinitions asignaturas2Fields();
access::FieldDefinitions profesoresFields();
access::FieldDefinitions aulasFields();
access::FieldDefinitions gruposFields();
access::FieldDefinitions asignacionesFields();
access::FieldDefinitions tramosFields();

}  // namespace quimbo::tables
