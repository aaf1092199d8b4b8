#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/screenshot.png: the built program in a real window, with the
# medium game in docs/screenshot.pf opened through Ctrl+O and its dialog.
# Then docs/analyse.png: the review of a small game lost to the Meister, as
# bench/analyse_messung plays and reviews it in a real window.
# With "en" the program runs under an English locale and the pictures are
# docs/screenshot_en.png and docs/analyse_en.png.
# Needs what "scripts/deps.sh test" and "scripts/deps.sh bench" install, and a
# build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=xcb LC_ALL= LC_MESSAGES=
if [[ "${1:-}" == en ]]; then
    export LANG=en_US.UTF-8 LANGUAGE=en TITEL="^Open Game$" BILD=docs/screenshot_en.png ANALYSE=docs/analyse_en.png
else
    export LANG=de_DE.UTF-8 LANGUAGE= TITEL="^Spiel .*ffnen$" BILD=docs/screenshot.png ANALYSE=docs/analyse.png
fi
export CMAKE_GENERATOR=Ninja
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPUNKTFELD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target analyse_messung -j "$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/analyse_messung --bild "$ANALYSE"
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -euo pipefail -c '
    build/src/punktfeld &
    fenster=$(xdotool search --sync --onlyvisible --name "^Punktfeld$" | head -n 1)
    xdotool windowfocus --sync "$fenster" key ctrl+o
    xdotool search --sync --onlyvisible --name "$TITEL" >/dev/null
    xdotool type --delay 2 "$PWD/docs/screenshot.pf"
    xdotool key Return
    sleep 1
    import -window "$fenster" "$BILD"
    kill %1'
