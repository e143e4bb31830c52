#!/usr/bin/env bash
# Builds the tool and runs the main job on the bundled sample school: the Séneca export file
# through `quimbo exportar` into Tempario's working tables, a stand-in for Tempario's timetable
# solution, and `quimbo importar` back to a HORARIOS file for Séneca.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build
scripts/round-trip.sh build/bin build/ejemplo
