#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its desktop entry, its
# metainfo and its icons land in their standard places.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
expected=(
    bin/kelvo-calculator
    share/applications/example.kelvo.Calculator.desktop
    share/metainfo/example.kelvo.Calculator.metainfo.xml
    share/icons/hicolor/scalable/apps/example.kelvo.Calculator.svg
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/example.kelvo.Calculator.png")
done
missing=0
for file in "${expected[@]}"; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing: $file"
        missing=1
    fi
done
desktop-file-validate "$prefix/share/applications/example.kelvo.Calculator.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/example.kelvo.Calculator.metainfo.xml" > /dev/null
[ "$missing" -eq 0 ] && echo "installed: ${#expected[@]} files in place"
