#!/usr/bin/env bash
# Checks the metadata files with the platform's own tools: the AppStream description
# (appstreamcli validate, offline, warnings count), the launcher entry (desktop-file-validate),
# both manual pages (groff with every warning, and man's own rendering). Exit 77 (skipped)
# when a tool is missing.
set -euo pipefail

dir=${1:?usage: metadata_test.sh PACKAGING_DIR VERSION}
version=${2:?usage: metadata_test.sh PACKAGING_DIR VERSION}
for tool in appstreamcli desktop-file-validate groff man; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: skipped"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

metainfo="$dir/com.example.zuvomatic.metainfo.xml"
# --pedantic also reports the hints; anything but a clean pass is a failure.
if ! report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1); then
    fail "appstreamcli validate: $report"
elif ! grep -q 'Validation was successful' <<<"$report" || grep -qE '^[EWI]:' <<<"$report"; then
    fail "appstreamcli validate is not clean: $report"
fi
# The description names what the package really holds.
for expected in '<id>com.example.zuvomatic</id>' '<binary>zuvomatic</binary>' \
    '<binary>zuvomatic-cli</binary>' '<mediatype>application/x-zuvomatic-robot</mediatype>' \
    '<launchable type="desktop-id">zuvomatic.desktop</launchable>' \
    '<content_rating type="oars-1.1"/>' '<name xml:lang="ja">' '<summary xml:lang="ja">'; do
    grep -qF "$expected" "$metainfo" || fail "metainfo lacks $expected"
done
grep -qF 'MimeType=application/x-zuvomatic-robot;' "$dir/zuvomatic.desktop" \
    || fail "the launcher entry and the metainfo name different file types"

desktop-file-validate "$dir/zuvomatic.desktop" || fail "desktop-file-validate"

for page in "$dir"/man/zuvomatic.1 "$dir"/man/zuvomatic-cli.1; do
    name=$(basename "$page")
    warnings=$(groff -ww -b -z -man -Tutf8 "$page" 2>&1)
    [ -z "$warnings" ] || fail "groff -ww $name: $warnings"
    rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$rendered" ] || fail "man -l $name: $rendered"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' FILES 'SEE ALSO'; do
        grep -qx "\.SH $section" "$page" || fail "$name has no $section section"
    done
done
# Every command of the tool and every exit code is in its page.
cli_page="$dir/man/zuvomatic-cli.1"
for command in sample read check compile symbols wav play decode simulate render cards; do
    grep -qE "^(\.B[IR]? \"?|\\\\fB)$command\b" "$cli_page" || fail "zuvomatic-cli.1 does not describe $command"
done
for code in 0 1 2; do
    grep -qx "\.B $code" "$cli_page" || fail "zuvomatic-cli.1 does not describe exit status $code"
done

# One version everywhere: the manual pages, the release entry, the changelog.
for page in "$dir"/man/*.1; do
    grep -q "^\.TH .* \"Zuvomatic $version\"" "$page" || fail "$(basename "$page") is not of version $version"
done
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
grep -qF "zuvomatic ($version)" <<<"$(head -1 "$dir/changelog")" || fail "the changelog does not begin with $version"

if [ "$failures" -ne 0 ]; then
    echo "$failures problem(s) in the metadata"
    exit 1
fi
echo "metadata clean: AppStream, launcher entry, manual pages"
