#pragma once

namespace quimbo::cli {

inline constexpr const char* kHelpText =
    R"(quimbo: traspasa datos entre Séneca y Tempario sin ventanas.

Uso:
  quimbo exportar ARCHIVO.xml [--qtemp DIR] [--niveles CSV | --sin-comprobar-cursos]
                              [--marcos COD[,COD]]
      Séneca -> Tempario: rehace las nueve tablas de trabajo de Tempario a partir del
      archivo de Séneca.
      --niveles CSV   archivo UTF-8 separado por ";" cuya primera línea nombra al menos
                      las columnas CLAVE, NIVEL y CURSO (en cualquier orden). Cada curso
                      recibe su nivel y su curso como si se escribieran en la ventana de
                      Niveles y Cursos; después se comprueba que no falte ninguno.
      --sin-comprobar-cursos
                      sigue sin comprobar niveles y cursos, como al cerrar esa ventana
                      con el aspa.
      --marcos M[,T]  uno o dos códigos de Marco Horario del archivo; obligatorio
                      cuando el archivo tiene dos o más.
  quimbo importar ARCHIVO.xml [--qtemp DIR]
      Tempario -> Séneca: escribe el documento HORARIOS "ResultadoQuimbo" + nombre del
      archivo, junto al archivo elegido.
  quimbo revisar ARCHIVO.xml [--qtemp DIR]
      revisa, sin escribir nada, lo que el archivo HORARIOS perderá o dejará vacío:
      filas de SOLUC de profesores que no están en PROFT, actividades con alguna clave
      vacía (y por qué), días u horas imposibles, dos clases a la misma hora y
      profesores sin ninguna clase. Cada «importar» deja además esta revisión, con la
      semana de cada profesor, en ResultadoQuimbo<nombre>.revision.html.
  quimbo cursos ARCHIVO.xml
      escribe la plantilla CLAVE;ESTUD;NIVEL;CURSO con los cursos del archivo, para
      rellenarla y usarla con --niveles.
  quimbo marcos ARCHIVO.xml
      lista los Marcos Horarios del archivo: código, nombre, fechas y número de tramos.
  quimbo --help
      muestra esta ayuda.

  --qtemp DIR     carpeta de intercambio de Tempario para esta llamada (si no se da:
                  la variable TRANSQUIMBO_QTEMP, o C:\QTEMP de Wine).

Las respuestas (--niveles, --marcos) se comprueban antes de tocar ninguna tabla.
quimbo nunca escribe Tempario.ini.

Códigos de salida:
  0  proceso finalizado
  1  error del proceso (archivo inexistente o no válido, tabla dañada o en uso...)
  2  uso incorrecto, o una respuesta de --niveles o --marcos no válida
  3  falta el NIVEL o el CURSO de algún curso (se listan en la salida de error)
  4  «revisar» ha encontrado algo que corregir
)";

}  // namespace quimbo::cli
