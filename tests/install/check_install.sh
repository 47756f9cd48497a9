#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there: the binary, the desktop
# entry, the metainfo and the icon theme, each accepted by its own validator.
set -euo pipefail
build_dir=$1
app_id=org.tabloom.Tabloom
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

failures=0
expect_file() {
    if [[ -f "$prefix/$1" ]]; then echo "ok: $1"; else echo "MISSING: $1"; failures=$((failures + 1)); fi
}

expect_file bin/tabloom
[[ -x "$prefix/bin/tabloom" ]] || { echo "bin/tabloom is not executable"; failures=$((failures + 1)); }
expect_file "share/applications/$app_id.desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
expect_file "share/icons/hicolor/scalable/apps/$app_id.svg"
for size in 16 24 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    expect_file "$icon"
    if [[ -f "$prefix/$icon" ]] && ! file "$prefix/$icon" | grep -q "PNG image data, $size x $size"; then
        echo "WRONG SIZE: $icon is $(file -b "$prefix/$icon")"; failures=$((failures + 1))
    fi
done

desktop="$prefix/share/applications/$app_id.desktop"
desktop-file-validate "$desktop" || failures=$((failures + 1))
grep -qx 'Name=Tabloom' "$desktop" || { echo "desktop entry lacks Name=Tabloom"; failures=$((failures + 1)); }
grep -qx "Icon=$app_id" "$desktop" || { echo "desktop entry names another icon"; failures=$((failures + 1)); }
grep -Eq '^Categories=.*\bOffice;' "$desktop" && grep -Eq '^Categories=.*\bDatabase;' "$desktop" \
    || { echo "desktop entry lacks the Office and Database categories"; failures=$((failures + 1)); }
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || failures=$((failures + 1))

if ((failures)); then echo "$failures problem(s) in the installed tree"; exit 1; fi
