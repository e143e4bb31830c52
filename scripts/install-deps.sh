#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, only those that are missing.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libxml2-dev libxml2-utils libgtest-dev
          qt6-base-dev python3 python3-dbfread python3-dbf libchm-dev fp-utils clang libclang-rt-14-dev xvfb xauth)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalando paquetes: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Faltan paquetes y no soy root: instálelos con apt-get install ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
