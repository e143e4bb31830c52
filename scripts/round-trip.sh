#!/usr/bin/env bash
# The sample school's round trip: BIN_DIR holds the built programs, WORK_DIR receives the
# exchange directory and a copy of the Séneca file.
set -euo pipefail
bin=$1
work=$2
examples="$(cd "$(dirname "$0")/.." && pwd)/examples"
rm -rf "$work"
mkdir -p "$work/QTEMP/seneca"
cp "$examples/ies_alminar.xml" "$work/QTEMP/seneca/"
seneca="$work/QTEMP/seneca/ies_alminar.xml"

echo "== Séneca -> Tempario"
"$bin/quimbo" exportar "$seneca" --qtemp "$work/QTEMP" --niveles "$examples/niveles.csv" --marcos M,T
echo "== Solución de horario simulada (sustituye a Tempario)"
"$bin/soluc_simulada" "$work/QTEMP"
echo "== Tempario -> Séneca"
"$bin/quimbo" importar "$seneca" --qtemp "$work/QTEMP"

horarios="$work/QTEMP/seneca/ResultadoQuimboies_alminar.xml"
teachers=$(grep -o 'seq="HORARIO_REGULAR_PROFESOR_' "$horarios" | wc -l)
activities=$(grep -o 'seq="ACTIVIDAD_' "$horarios" | wc -l)
echo
echo "Resumen: $teachers profesores, $activities actividades escritas."
echo "Archivo de Séneca:        $seneca"
echo "Tablas de Tempario:       $work/QTEMP/*.DBF"
echo "Archivo HORARIOS:         $horarios"
echo "Página de revisión:       $horarios.revision.html"
