#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and the self-play tool in build-bench/ and runs both:
# the hot paths beside their floors (the median of five runs), then how the
# six computer levels fare against each other. The test command runs
# neither; BENCHMARKS.md holds their results.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh bench
export CMAKE_GENERATOR=Ninja
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPUNKTFELD_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target punktfeld_bench selbstspiel_stufen analyse_messung schaetzung_messung -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
build-bench/bench/punktfeld_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
build-bench/bench/selbstspiel_stufen
build-bench/bench/analyse_messung
build-bench/bench/schaetzung_messung
