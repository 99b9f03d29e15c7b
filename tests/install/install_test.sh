#!/bin/sh
# Installs the build into a temporary prefix and checks what lands there: both programs, the
# help pages and the French translation where the installed program looks for them, the desktop
# entry, the AppStream metadata, the icon and the manual page, each under its validator.
# Usage: install_test.sh BUILD_FOLDER
# Exits 77 (skipped) when a validator is not installed.
set -u
BUILD="$1"
for tool in desktop-file-validate appstreamcli xmllint groff; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

APP=org.hearthline.Hearthline
for f in bin/hearthline bin/hearthline-cli; do
  [ -f "$PREFIX/$f" ] && [ -x "$PREFIX/$f" ] || fail "$f is not an installed program"
done
for f in share/hearthline/help/hearthline-help.html share/hearthline/help/fr/hearthline-help.html \
  share/hearthline/i18n/hearthline_fr_CA.qm share/applications/$APP.desktop \
  share/metainfo/$APP.metainfo.xml share/icons/hicolor/scalable/apps/$APP.svg \
  share/man/man1/hearthline-cli.1 share/mime/packages/$APP.xml; do
  [ -s "$PREFIX/$f" ] || fail "$f is missing"
done
# Nothing but programs goes into bin/.
extra="$(find "$PREFIX/bin" -mindepth 1 ! -name hearthline ! -name hearthline-cli)"
[ -z "$extra" ] || fail "bin/ holds more than the programs: $extra"

# The installed command-line program runs.
"$PREFIX/bin/hearthline-cli" --help | grep -q -- '--csv' || fail "hearthline-cli --help"

# The validators.
desktop-file-validate "$PREFIX/share/applications/$APP.desktop" || fail "desktop entry"
grep -q "^Exec=hearthline %f$" "$PREFIX/share/applications/$APP.desktop" || fail "desktop Exec"
grep -q "^MimeType=application/x-hearthline-study;$" "$PREFIX/share/applications/$APP.desktop" ||
  fail "desktop MimeType"
xmllint --noout "$PREFIX/share/mime/packages/$APP.xml" || fail "study file type is not XML"
# The installed type names .mtg files as studies.
if command -v update-mime-database >/dev/null 2>&1; then
  update-mime-database "$PREFIX/share/mime" || fail "update-mime-database"
  grep -q '^application/x-hearthline-study:\*\.mtg$' "$PREFIX/share/mime/globs" ||
    fail "the study file type does not claim *.mtg"
fi
grep -q "^Icon=$APP$" "$PREFIX/share/applications/$APP.desktop" || fail "desktop Icon"
appstreamcli validate --no-net "$PREFIX/share/metainfo/$APP.metainfo.xml" ||
  fail "AppStream metadata"
xmllint --noout "$PREFIX/share/icons/hicolor/scalable/apps/$APP.svg" || fail "icon is not XML"
grep -q '<svg' "$PREFIX/share/icons/hicolor/scalable/apps/$APP.svg" || fail "icon is not SVG"
warnings="$(groff -man -ww -z "$PREFIX/share/man/man1/hearthline-cli.1" 2>&1)"
[ -z "$warnings" ] || fail "manual page: $warnings"
MANWIDTH=80 groff -man -Tutf8 "$PREFIX/share/man/man1/hearthline-cli.1" 2>/dev/null |
  grep -q 'csv' || fail "manual page does not render"

[ "$failures" -eq 0 ] || exit 1
echo "installed and valid under $PREFIX"
