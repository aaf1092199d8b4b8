#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# Ninja for new build folders; an existing one keeps the generator it has.
export CMAKE_GENERATOR=Ninja
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target punktfeld -j "$(nproc)"
exec build/src/punktfeld
