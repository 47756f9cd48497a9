#!/usr/bin/env bash
# Builds the Debian package and checks that it carries the program and depends on the Qt runtime
# it links, plus the platform plugins that draw its window.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work" >/dev/null 2>&1)
package=$(ls "$work"/*.deb)
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"

failures=0
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libstdc++6; do
    grep -q "\b$needed\b" <<<"$depends" || { echo "MISSING dependency: $needed"; failures=$((failures + 1)); }
done
# Only what the binary really needs: no development packages, no test or unused Qt modules.
for unwanted in -dev libqt6test6 libqt6network6 libqt6sql6; do
    grep -q -- "$unwanted" <<<"$depends" && { echo "UNNEEDED dependency: $unwanted"; failures=$((failures + 1)); }
done
contents=$(dpkg-deb -c "$package")
for path in ./usr/bin/tabloom ./usr/share/applications/org.tabloom.Tabloom.desktop; do
    grep -q " $path\$" <<<"$contents" || { echo "MISSING in package: $path"; failures=$((failures + 1)); }
done

if ((failures)); then echo "$failures problem(s) in the package"; exit 1; fi
echo "package ok: $(basename "$package")"
