#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders punktfeld.svg into the hicolor PNGs and the window icon board.ico
# (one 256 x 256 32-bit image), all committed beside it. Run it after
# changing the SVG; it needs rsvg-convert (Debian: librsvg2-bin) and
# ImageMagick's convert (imagemagick). Both write the same bytes on every run.
set -eu
cd "$(dirname "$0")"
for n in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$n" -h "$n" -o "hicolor/${n}x${n}/punktfeld.png" punktfeld.svg
done
convert hicolor/256x256/punktfeld.png board.ico
