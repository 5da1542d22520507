#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its contents and declared dependencies.
set -euo pipefail
build=$1
cpack --config "$build/CPackConfig.cmake" -B "$build/package" > /dev/null
deb=$(ls -t "$build"/package/kelvo-calculator_*.deb | head -n 1)
dpkg-deb --field "$deb" Package Version Depends
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/kelvo-calculator ./usr/share/applications/example.kelvo.Calculator.desktop \
    ./usr/share/metainfo/example.kelvo.Calculator.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/example.kelvo.Calculator.svg; do
    grep -q " $file\$" <<< "$contents" || { echo "not in the package: $file"; exit 1; }
done
for dependency in libqt6widgets6 qt6-qpa-plugins libpulse0; do
    dpkg-deb --field "$deb" Depends | grep -q "$dependency" || { echo "no dependency on $dependency"; exit 1; }
done
echo "package: $deb"
