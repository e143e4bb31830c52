#include "export/working_tables.hpp"

namespace quimbo::tables {

using access::floatField;
using access::integerField;
using access::logicalField;
using access::textField;

access::FieldDefinitions periodosFields() {
    return {textField("CURSOANNO", 4), textField("F_INICIO", 10), textField("F_FIN", 10)};
}

access::FieldDefinitions cursosFields() {
    return {textField("ABREV", 3), textField("TURNO", 1),  textField("NIVEL", 5),
            textField("CURSO", 3), textField("CLAVE", 10), textField("ESTUD", 80)};
}

access::FieldDefinitions asignaturasFields() {
    return {textField("COD", 10), textField("CODLARGO", 10), textField("NOMBRE", 80),
            textField("CODTAREA", 10), logicalField("ESTAREA")};
}

access::FieldDefinitions asignaturas2Fields() {
    return {textField("COD", 10),     textField("CODLARGO", 10),    textField("NOMBRE", 80),
            textField("MATERIA", 20), textField("OFERTAMATRI", 20), textField("CODTAREA", 10),
            logicalField("ESTAREA")};
}

access::FieldDefinitions profesoresFields() {
    return {textField("ABREV", 10), textField("NOMBRE", 80),     textField("DEPART", 40),
            integerField("DNI"),    textField("X_EMPLEADO", 10), textField("F_TOMAPOS", 10)};
}

access::FieldDefinitions aulasFields() {
    return {textField("ABREV", 10), textField("NOMBRE", 80), textField("EDIFICIO", 1),
            integerField("MAXALUM"), textField("DEPCENTRO", 10)};
}

access::FieldDefinitions gruposFields() {
    return {textField("ABREV", 10),      textField("TURNO", 1),    textField("NIVEL", 5),
            textField("CURSO", 3),       textField("GRUPO", 2),    textField("CLAVE", 10),
            textField("CLAVECURSO", 10), textField("DESCRIP", 80), textField("MARCO", 1)};
}

access::FieldDefinitions asignacionesFields() {
    return {textField("CASIG", 10),      textField("CPROF", 10), textField("CGRUP", 10),
            textField("CAULA", 10),      textField("TURNO", 1),  textField("NIVEL", 5),
            textField("CURSO", 3),       textField("GRUPO", 2),  floatField("HORAS"),
            textField("SESIONES", 20),   textField("NCONEX", 4), textField("CLAVE", 10),
            textField("CLAVECURSO", 10), textField("CTAREA", 10)};
}

access::FieldDefinitions tramosFields() {
    return {textField("DIHO", 10),     textField("CODDIHO", 10),  textField("DIA", 20),
            textField("TEXTODIA", 20), textField("HORA", 8),      textField("TEXTOHOR", 15),
            textField("HORADESDE", 8), textField("HORAHASTA", 8), textField("MINUTOS", 8),
            textField("MARCO", 1),     textField("MARCOXML", 10)};
}

}  // namespace quimbo::tables
