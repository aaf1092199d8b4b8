#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs (and with "test" also those its
# tests need), but only those that are missing, so a second run costs nothing.
# The game builds with Qt 6, or with Qt 5.15 when PUNKTFELD_QT=5; the tests
# build both.
set -euo pipefail

qt6=(qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-charts-dev
     libqt6opengl6-dev libgl-dev)
qt5=(qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qttranslations5-l10n libqt5charts5-dev)
pakete=(g++ cmake ninja-build)
case "${PUNKTFELD_QT:-}" in
    5) pakete+=("${qt5[@]}") ;;
    *) pakete+=("${qt6[@]}") ;;
esac
if [[ "${1:-}" == test ]]; then
    pakete+=("${qt6[@]}" "${qt5[@]}" fonts-dejavu-core xvfb x11-xserver-utils xdotool imagemagick desktop-file-utils
             appstream clang libclang-rt-14-dev dpkg-dev file lintian reuse)
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
