#!/bin/sh
# As a user would: print the sample study's three reports to PDF through the command line, with
# no display, and read the document back as text.
# Usage: report_pdf.sh PATH/TO/hearthline-cli PATH/TO/sample.mtg
set -eu
CLI="$1"
STUDY="$2"
for tool in pdftotext pdfinfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$CLI" report "$STUDY" \
  --output "$WORK/sample.pdf" 2>"$WORK/err" || fail "status $? ($(cat "$WORK/err"))"
[ ! -s "$WORK/err" ] || fail "unexpected standard error: $(cat "$WORK/err")"
pages=$(pdfinfo "$WORK/sample.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 9 ] || fail "$pages pages, not 9 (summary, 1 of changes, 7 of schedule)"
pdftotext -layout "$WORK/sample.pdf" "$WORK/sample.txt"

expect() { grep -q -- "$1" "$WORK/sample.txt" || fail "no \"$1\" in the document"; }
expect "Summary Schedule"
expect "Schedule Payment Changes and Lump Payments"
expect "Schedule of Payments"
expect "Comment: Five-year term, one payment change and one lump payment"
expect "Snapshot at Date: Mar 11 1997 *(payment number: 260)"
expect "Balance Remaining: *75305.39"
expect "run, it would be paid off on: *Jun 7 2005"
expect "Jan 26 1993 *0.00 *3000.00"
expect "^ *1 *Mar 24 1992 *249.99 *69.24 *180.75"
expect "260 *Mar 11 1997 .* 75305.39$"
k=1
while [ $k -le 9 ]; do
  expect "Page: $k of 9"
  k=$((k + 1))
done
# The footers stand in page order, one to a page.
[ "$(grep -c 'Page: [0-9]* of 9' "$WORK/sample.txt")" = 9 ] || fail "not one footer a page"
grep -o 'Page: [0-9]* of 9' "$WORK/sample.txt" | sed 's/Page: \([0-9]*\) of 9/\1/' | tr '\n' ' ' |
  grep -q '^1 2 3 4 5 6 7 8 9 $' || fail "the footers are out of order"

# The condensed schedule alone: one page.
"$CLI" report "$STUDY" --schedule --option 3 --output "$WORK/years.pdf" 2>/dev/null
pdftotext -layout "$WORK/years.pdf" - | grep -q "Condensed Schedule of Payments" ||
  fail "no condensed schedule"
[ "$(pdfinfo "$WORK/years.pdf" | sed -n 's/^Pages: *//p')" = 1 ] || fail "condensed: not 1 page"

# An unwritable path: one line on standard error, status 2, nothing left behind.
mkdir "$WORK/out"
set +e
"$CLI" report "$STUDY" --output "$WORK/none/x.pdf" 2>"$WORK/err2"
status=$?
set -e
[ $status = 2 ] || fail "status $status for an unwritable path"
[ "$(wc -l <"$WORK/err2")" = 1 ] || fail "not one line: $(cat "$WORK/err2")"
# Replacing a document leaves no scratch file in its folder.
"$CLI" report "$STUDY" --summary --output "$WORK/out/s.pdf"
"$CLI" report "$STUDY" --summary --output "$WORK/out/s.pdf"
[ "$(ls -A "$WORK/out")" = "s.pdf" ] || fail "left behind: $(ls -A "$WORK/out")"
# The scratch folder of a report killed half-way goes at the next report; this one leaves none.
mkdir "$WORK/tmp"
ended=$(sh -c 'echo $$')
mkdir "$WORK/tmp/.hearthline-$ended-Ab12Cd"
echo "%PDF" >"$WORK/tmp/.hearthline-$ended-Ab12Cd/report.pdf"
echo "keep" >"$WORK/tmp/other"
TMPDIR="$WORK/tmp" "$CLI" report "$STUDY" --summary --output "$WORK/out/s.pdf"
# (Qt may add a runtime folder of its own there.)
[ -f "$WORK/tmp/other" ] || fail "the temporary folder lost a file not of ours"
! ls -A "$WORK/tmp" | grep -q '^\.hearthline-' || fail "left behind: $(ls -A "$WORK/tmp")"
echo "ok"
