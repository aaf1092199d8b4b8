#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test headless:
#  1. as released with Qt 6, with the Debian package built, checked with
#     lintian and unpacked, its program in a real window under Xvfb in
#     English and German, and reuse lint;
#  2. under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer,
#     where any report fails the run, together with the saved-game reader
#     under libFuzzer for a bounded time;
#  3. the Meister's searches on several threads at once under
#     ThreadSanitizer (the engine needs no Qt, whose own locks the sanitizer
#     cannot see);
#  4. as released with Qt 5.15, all but the desktop tests.
# The package is built with the system's compiler, GCC; the other passes
# with clang, which builds them in half the time and has libFuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
# Ninja for new build folders; an existing one keeps the generator it has.
export CMAKE_GENERATOR=Ninja
# Each target's sources compiled as a few large files: Qt's headers are read
# a few times instead of once per file, which more than halves the build.
unity=-DCMAKE_UNITY_BUILD=ON

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

# -O2 without debug information, which nothing here reads: it builds faster.
cmake -S . -B build "$unity" -DPUNKTFELD_QT=6 -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

# The leak suppressions are for Qt 5's offscreen plugin, whose frames only
# the slow unwinder sees. This pass builds with Qt 6, which leaves no leak to
# suppress, so it keeps the fast unwinder: the engine's tests allocate on
# every position, and the slow one made them four times slower.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Debug keeps Qt's own assertions; -O1 is what the sanitizers advise, and it
# builds and runs faster than -O0.
sanitizer=("$unity" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DPUNKTFELD_QT=6
           -DPUNKTFELD_DESKTOP_TESTS=OFF)
cmake -S . -B build-san "${sanitizer[@]}" -DPUNKTFELD_SANITIZE=ON -DPUNKTFELD_FUZZ=ON >/dev/null
cmake -S . -B build-tsan "${sanitizer[@]}" -DPUNKTFELD_THREAD_SANITIZE=ON >/dev/null
cmake --build build-san -j "$jobs"
# The thread sanitizer's build uses what the tests leave of the cores; the
# tests hold under such load.
cmake --build build-tsan --target tst_meister -j 1 >build-tsan/bauen.log 2>&1 &
tsan_bau=$!
trap 'kill "$tsan_bau" 2>/dev/null || true' EXIT
(cd build-san && PUNKTFELD_DAUERLAUF_SEKUNDEN=10 ctest --output-on-failure -j "$jobs")
wait "$tsan_bau" || { cat build-tsan/bauen.log; exit 1; }

export TSAN_OPTIONS="halt_on_error=1:suppressions=$PWD/tests/tsan.supp"
(cd build-tsan && ctest --output-on-failure -R '^tst_meister_nebenlaeufig$')

# Without debug information, which nothing here reads, it builds faster.
cmake -S . -B build-qt5 "$unity" -DCMAKE_CXX_COMPILER=clang++ -DPUNKTFELD_QT=5 -DCMAKE_BUILD_TYPE=Release \
    -DPUNKTFELD_DESKTOP_TESTS=OFF >/dev/null
cmake --build build-qt5 -j "$jobs"
(cd build-qt5 && ctest --output-on-failure -j "$jobs")
