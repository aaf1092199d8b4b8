#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs (and with "test" also those its
# tests need), but only those that are missing, so a second run costs nothing.
set -euo pipefail

pakete=(g++ cmake ninja-build qtbase5-dev qtbase5-dev-tools libqt5gui5 qttranslations5-l10n libqt5charts5-dev)
if [[ "${1:-}" == test ]]; then
    pakete+=(fonts-dejavu-core xvfb xdotool imagemagick desktop-file-utils appstream clang
             libclang-rt-14-dev dpkg-dev file lintian reuse)
fi
if [[ "${1:-}" == bench ]]; then
    pakete+=(libbenchmark-dev)
fi

fehlend=()
for paket in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed'; then
        fehlend+=("$paket")
    fi
done

if ((${#fehlend[@]})); then
    echo "Installing: ${fehlend[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${fehlend[@]}"
fi
