#!/usr/bin/env bash
# Installs the build tree into a temporary DESTDIR and checks the layout a desktop needs:
# both programs, the launcher entry (accepted by desktop-file-validate), the robot file type,
# the icon, the AppStream description, the manual pages and the copyright and changelog. Exit 77 (skipped) when desktop-file-validate is missing.
set -euo pipefail

build_dir=${1:?usage: install_test.sh BUILD_DIR}
prefix=/usr/local

if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is not installed: skipped"
    exit 77
fi

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

DESTDIR="$dest" cmake --install "$build_dir" --prefix "$prefix" >/dev/null

root="$dest$prefix"
failures=0
expect_file() {
    if [ -f "$root/$1" ]; then
        echo "ok: $1"
    else
        echo "missing: $1"
        failures=$((failures + 1))
    fi
}

# The playback module's folder, multiarch where the platform has one.
module_dir() {
    local arch
    arch=$(gcc -print-multiarch 2>/dev/null || true)
    if [ -n "$arch" ] && [ -d "$root/lib/$arch/zuvomatic" ]; then
        echo "lib/$arch/zuvomatic"
    else
        echo "lib/zuvomatic"
    fi
}

expect_file bin/zuvomatic
expect_file bin/zuvomatic-cli
expect_file share/applications/zuvomatic.desktop
expect_file share/icons/hicolor/scalable/apps/zuvomatic.svg
expect_file share/mime/packages/zuvomatic.xml
expect_file share/metainfo/com.example.zuvomatic.metainfo.xml
expect_file share/man/man1/zuvomatic.1.gz
expect_file share/man/man1/zuvomatic-cli.1.gz
expect_file share/doc/zuvomatic/copyright
expect_file share/doc/zuvomatic/changelog.gz
expect_file "$(module_dir)/libzuvo_playback.so"
expect_file "$(module_dir)/libzuvo_cli_pictures.so"
expect_file "$(module_dir)/libzuvo_editor.so"
expect_file "$(module_dir)/libzuvo_svgart.so"

for program in zuvomatic zuvomatic-cli; do
    if [ -f "$root/bin/$program" ] && [ ! -x "$root/bin/$program" ]; then
        echo "not executable: bin/$program"
        failures=$((failures + 1))
    fi
done

# The installed command-line tool runs from its new place.
if [ -x "$root/bin/zuvomatic-cli" ]; then
    if ! "$root/bin/zuvomatic-cli" sample 1 1 -o "$dest/sample.qvk" >/dev/null \
        || ! "$root/bin/zuvomatic-cli" read "$dest/sample.qvk" >/dev/null; then
        echo "the installed zuvomatic-cli does not run"
        failures=$((failures + 1))
    fi
fi

desktop="$root/share/applications/zuvomatic.desktop"
if [ -f "$desktop" ]; then
    if ! desktop-file-validate "$desktop"; then
        echo "desktop-file-validate refused the launcher entry"
        failures=$((failures + 1))
    fi
    for line in 'Exec=zuvomatic %f' 'Icon=zuvomatic' 'MimeType=application/x-zuvomatic-robot;' \
        'Categories=Education;Development;' 'Name=Zuvomatic'; do
        if ! grep -qxF "$line" "$desktop"; then
            echo "launcher entry lacks: $line"
            failures=$((failures + 1))
        fi
    done
    if ! grep -q '^Name\[ja\]=' "$desktop"; then
        echo "launcher entry lacks a Japanese name"
        failures=$((failures + 1))
    fi
fi

mime="$root/share/mime/packages/zuvomatic.xml"
if [ -f "$mime" ]; then
    if ! grep -q 'type="application/x-zuvomatic-robot"' "$mime" \
        || ! grep -q 'pattern="\*.qvk"' "$mime"; then
        echo "the robot file type lacks its name or its *.qvk pattern"
        failures=$((failures + 1))
    fi
    # The type must compile into a MIME database that maps *.qvk to it.
    if command -v update-mime-database >/dev/null; then
        update-mime-database "$root/share/mime" >/dev/null 2>&1 || true
        if ! grep -qF 'application/x-zuvomatic-robot:*.qvk' "$root/share/mime/globs2" 2>/dev/null; then
            echo "update-mime-database did not register *.qvk"
            failures=$((failures + 1))
        fi
    fi
fi

svg="$root/share/icons/hicolor/scalable/apps/zuvomatic.svg"
if [ -f "$svg" ] && ! grep -q '<svg' "$svg"; then
    echo "the icon is not an SVG picture"
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the installed layout"
    exit 1
fi
echo "installed layout complete"
