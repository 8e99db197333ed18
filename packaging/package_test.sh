#!/usr/bin/env bash
# Builds the Debian package from the build tree (CPack, into a temporary folder), checks its
# control fields and its contents, unpacks it and runs the programs from there, validates the
# unpacked metadata with the platform's tools and runs lintian on it. Exit 77 (skipped) when a
# tool is missing.
set -euo pipefail

build_dir=$(cd "${1:?usage: package_test.sh BUILD_DIR VERSION}" && pwd)
version=${2:?usage: package_test.sh BUILD_DIR VERSION}

for tool in cpack dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate man file; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# --- the package, with the one command the README documents (here into a folder of its own)
start=$(date +%s%N)
if ! cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "cpack failed"
    exit 1
fi
echo "cpack: $((($(date +%s%N) - start) / 1000000)) ms"
arch=$(dpkg --print-architecture)
deb="$work/out/zuvomatic_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
    ls "$work/out"
    echo "no $(basename "$deb")"
    exit 1
fi

# --- control fields
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zuvomatic ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section is $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority is $(field Priority)"
[ "$(field Homepage)" = "https://zuvomatic.example.com/" ] || fail "Homepage is $(field Homepage)"
grep -qF '<zuvomatic@example.com>' <<<"$(field Maintainer)" || fail "Maintainer is $(field Maintainer)"
[ -n "$(field Installed-Size)" ] || fail "no Installed-Size"
description=$(field Description)
[ "${description%%$'\n'*}" = "program a small robot with picture icons and send it as sound" ] \
    || fail "Description synopsis: ${description%%$'\n'*}"
[ "$(wc -l <<<"$description")" -gt 5 ] || fail "no long description"
depends=$(field Depends)
# What the binaries link (found by dpkg-shlibdeps) and what the program loads by name.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 \
    libpulse0 fonts-ipafont-gothic qt6-translations-l10n; do
    grep -qxF "$package" <<<"$(tr ',' '\n' <<<"$depends" | awk '{print $1}')" \
        || fail "Depends lacks $package: $depends"
done
grep -q 'pulseaudio' <<<"$(field Recommends)" || fail "Recommends lacks a sound server"
# No maintainer scripts: dpkg's triggers refresh the MIME, launcher and icon caches.
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control_files" = "control md5sums " ] || fail "control archive holds: $control_files"

# --- contents: exactly these files, owned by root, programs executable, the rest not
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
expected=$(sort <<EOF_LIST
./usr/bin/zuvomatic 755
./usr/bin/zuvomatic-cli 755
./usr/lib/$multiarch/zuvomatic/libzuvo_cli_pictures.so 644
./usr/lib/$multiarch/zuvomatic/libzuvo_editor.so 644
./usr/lib/$multiarch/zuvomatic/libzuvo_playback.so 644
./usr/lib/$multiarch/zuvomatic/libzuvo_svgart.so 644
./usr/share/applications/zuvomatic.desktop 644
./usr/share/doc/zuvomatic/changelog.gz 644
./usr/share/doc/zuvomatic/copyright 644
./usr/share/icons/hicolor/scalable/apps/zuvomatic.svg 644
./usr/share/man/man1/zuvomatic-cli.1.gz 644
./usr/share/man/man1/zuvomatic.1.gz 644
./usr/share/metainfo/com.example.zuvomatic.metainfo.xml 644
./usr/share/mime/packages/zuvomatic.xml 644
EOF_LIST
)
mode_of() { # -rwxr-xr-x -> 755
    local p=$1 m=0 i
    for i in 1 4 7; do
        local v=0
        [ "${p:$i:1}" = r ] && v=$((v + 4))
        [ "${p:$i+1:1}" = w ] && v=$((v + 2))
        [ "${p:$i+2:1}" = x ] && v=$((v + 1))
        m=$((m * 10 + v))
    done
    echo "$m"
}
actual=$(dpkg-deb -c "$deb" | while read -r perms owner _size _date _time path _rest; do
    [ "$owner" = root/root ] || echo "owner $owner of $path"
    [ "${perms:0:1}" = - ] && echo "$path $(mode_of "$perms")"
done | sort)
if [ "$actual" != "$expected" ]; then
    fail "contents differ from the expected list"
    diff <(echo "$expected") <(echo "$actual") || true
fi

# --- unpacked: the programs run from there
root="$work/root"
dpkg-deb -x "$deb" "$root"
cli="$root/usr/bin/zuvomatic-cli"
[ "$("$cli" --version)" = "zuvomatic-cli $version" ] || fail "zuvomatic-cli --version: $("$cli" --version)"
"$cli" sample 4 1 -o "$work/sample.qvk" || fail "zuvomatic-cli sample"
if compiled=$("$cli" compile "$work/sample.qvk"); then
    # The same bytes as the build tree's tool gives; hex text, nothing else.
    [ "$compiled" = "$("$build_dir/src/cli/zuvomatic-cli" compile "$work/sample.qvk")" ] \
        || fail "the packaged compile differs from the build tree's"
    grep -qE '^[0-9A-F]{2}( [0-9A-F]{2})+$' <<<"$compiled" || fail "compile printed: $compiled"
else
    fail "zuvomatic-cli compile"
fi
# The drawing commands load their module from the package's folder, without a display.
env -u DISPLAY -u QT_QPA_PLATFORM "$cli" render "$work/sample.qvk" -o "$work/sample.png" >/dev/null \
    || fail "zuvomatic-cli render"
[ "$("$cli" read "$work/sample.png")" = "$("$cli" read "$work/sample.qvk")" ] \
    || fail "the rendered PNG does not read back as its robot file"
version_line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR="$work" \
    "$root/usr/bin/zuvomatic" --version) || fail "zuvomatic --version"
[ "$version_line" = "zuvomatic $version" ] || fail "zuvomatic --version: $version_line"
# play loads the packaged playback module (not the build tree's), then finds no sound server.
mkdir -p "$work/runtime"
printf 'autospawn = no\n' >"$work/client.conf"
play_code=0
env -u PULSE_SERVER XDG_RUNTIME_DIR="$work/runtime" PULSE_CLIENTCONFIG="$work/client.conf" \
    LD_DEBUG=files "$cli" play "$work/sample.qvk" >"$work/play.log" 2>&1 || play_code=$?
[ "$play_code" -eq 1 ] || fail "zuvomatic-cli play without a sound server exited $play_code"
grep -qF "calling init: $root/usr/bin/../lib/$multiarch/zuvomatic/libzuvo_playback.so" "$work/play.log" \
    || fail "zuvomatic-cli play did not load the packaged playback module"
if grep -qF "calling init: $build_dir" "$work/play.log"; then fail "play loaded a module of the build tree"; fi
# render loads the packaged picture module the same way.
env -u DISPLAY -u QT_QPA_PLATFORM LD_DEBUG=files "$cli" render "$work/sample.qvk" -o "$work/sample.svg" \
    >"$work/render.log" 2>&1 || fail "zuvomatic-cli render to SVG"
grep -qF "calling init: $root/usr/bin/../lib/$multiarch/zuvomatic/libzuvo_cli_pictures.so" "$work/render.log" \
    || fail "zuvomatic-cli render did not load the packaged picture module"
if grep -qF "calling init: $build_dir" "$work/render.log"; then fail "render loaded a module of the build tree"; fi
# The program loads its editor module from the package's folder too: a robot file on the command
# line opens the editor at once (offscreen, in folders of the test's own).
mkdir -p "$work/home"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_STATE_HOME= \
    XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work" LD_DEBUG=files \
    "$root/usr/bin/zuvomatic" "$work/sample.qvk" >"$work/editor.log" 2>&1 &
editor_pid=$!
editor_module="calling init: $root/usr/bin/../lib/$multiarch/zuvomatic/libzuvo_editor.so"
for _ in $(seq 100); do
    grep -qF "$editor_module" "$work/editor.log" && break
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
done
kill "$editor_pid" 2>/dev/null || true
wait "$editor_pid" 2>/dev/null || true
grep -qF "$editor_module" "$work/editor.log" || fail "zuvomatic did not load the packaged editor module"
if grep -qF "calling init: $build_dir" "$work/editor.log"; then fail "zuvomatic loaded a module of the build tree"; fi
for binary in "$root/usr/bin/zuvomatic" "$cli" "$root/usr/lib/$multiarch/zuvomatic/"*.so; do
    grep -q ', stripped' <<<"$(file -b "$binary")" || fail "not stripped: $binary"
    if grep -qE 'RPATH|RUNPATH' <<<"$(readelf -d "$binary")"; then fail "search path in $binary"; fi
done

# --- the metadata as installed
appstream=$(appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/com.example.zuvomatic.metainfo.xml" 2>&1) \
    || fail "appstreamcli validate: $appstream"
desktop-file-validate "$root/usr/share/applications/zuvomatic.desktop" || fail "desktop-file-validate"
for page in zuvomatic zuvomatic-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man -l $page: $warnings"
done
changelog=$(zcat "$root/usr/share/doc/zuvomatic/changelog.gz")
grep -qF "zuvomatic ($version)" <<<"${changelog%%$'\n'*}" || fail "the changelog does not begin with $version"

# --- lintian: no errors and no warnings (informational tags are printed, not counted)
start=$(date +%s%N)
report=$(lintian -I --tag-display-limit 0 "$deb" 2>&1 \
    | grep -v 'running with root privileges' || true)
echo "lintian: $((($(date +%s%N) - start) / 1000000)) ms"
[ -z "$report" ] || echo "$report"
if grep -qE '^[EW]: ' <<<"$report"; then fail "lintian reports errors or warnings"; fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the package"
    exit 1
fi
echo "package $(basename "$deb") complete"
