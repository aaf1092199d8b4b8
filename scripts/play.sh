#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it: with Qt 6, or with
# Qt 5.15 when PUNKTFELD_QT=5.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# Ninja for new build folders; an existing one keeps the generator it has.
export CMAKE_GENERATOR=Ninja
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DPUNKTFELD_QT="${PUNKTFELD_QT:-}" >/dev/null
cmake --build build --target punktfeld -j "$(nproc)"
exec build/src/punktfeld
