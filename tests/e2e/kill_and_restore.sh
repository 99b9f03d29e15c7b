#!/bin/sh
# As a user would: type a scenario and two payment changes, wait, kill the program with SIGKILL,
# start it again and answer Yes to the recovery question. The restored study, saved, must give
# the same summary as the copy the killed program left; then a second save keeps the first as
# the backup.
# Usage: kill_and_restore.sh PATH/TO/hearthline PATH/TO/hearthline-cli
set -eu
PROGRAM="$1"
CLI="$2"
. "$(dirname "$0")/desktop_session.sh" xvfb-run xdotool
DATA="$XDG_DATA_HOME/Hearthline"
STUDY="$WORK/restored.mtg"
fail() { echo "FAIL: $*"; exit 1; }

cat > "$WORK/drive.sh" <<DRIVE
#!/bin/sh
set -eu
[ -z "${HL_KEEP:-}" ] || set -x
wait_for() { for i in \$(seq 1 100); do id=\$(xdotool search --name "\$1" 2>/dev/null | head -1) && [ -n "\$id" ] && { echo "\$id"; return 0; }; sleep 0.1; done; return 1; }
focus() { xdotool windowactivate --sync "\$1" 2>/dev/null || xdotool windowfocus --sync "\$1" 2>/dev/null || true; sleep 0.3; }
if command -v openbox >/dev/null 2>&1; then openbox >/dev/null 2>&1 & sleep 0.5; fi

# First run: a scenario, two payment changes, then SIGKILL once the copy has had time.
"$PROGRAM" & pid=\$!
about=\$(wait_for '^About\$'); focus "\$about"; xdotool key Return
main=\$(wait_for 'Hearthline - version 2.0'); sleep 1; focus "\$main"
xdotool type --delay 20 "100000"; xdotool key Tab
xdotool type --delay 20 "10"; xdotool key Tab
xdotool type --delay 20 "25"; xdotool key Tab
xdotool type --delay 20 "5"; xdotool key Tab
xdotool type --delay 20 "Jan 1 96"; xdotool key Tab
# Past the frequency and the comment to "Enter / View Payment Changes"; typing on a cell of its
# grid edits it.
sleep 0.3; xdotool key Tab; sleep 0.3; xdotool key Tab; sleep 0.3; xdotool key space; sleep 1
xdotool type --delay 50 "25"; xdotool key Return; sleep 0.3
xdotool key Down Down Right; xdotool type --delay 50 "3000"; xdotool key Return
sleep 3
cp "$DATA"/recovery-\$pid.mtg "$WORK/before.mtg"
kill -9 \$pid; wait \$pid 2>/dev/null || true

# Second run: the question comes before the start-up window; Yes (the default) restores.
"$PROGRAM" & pid=\$!
question=\$(wait_for '^Warning - possible data loss...\$'); focus "\$question"
/usr/bin/import -window root "$WORK/question.png" 2>/dev/null || true
xdotool key Return
about=\$(wait_for '^About\$'); focus "\$about"; xdotool key Return
main=\$(wait_for 'Hearthline - version 2.0'); sleep 1; focus "\$main"
/usr/bin/import -window root "$WORK/restored.png" 2>/dev/null || true
save() {
  xdotool key ctrl+s
  dialog=\$(wait_for '^Save As\$'); sleep 0.5; focus "\$dialog"
  xdotool key ctrl+a; xdotool type --delay 10 "$STUDY"; xdotool key Return
  # The second time the dialog asks before replacing the file: Yes.
  [ "\$1" = first ] || { sleep 0.5; xdotool key alt+y; }
  for i in \$(seq 1 50); do [ -f "$STUDY" ] && ! cmp -s "$STUDY" "$WORK/first.mtg" && break; sleep 0.1; done
  sleep 0.5
  cp "$STUDY" "$WORK/\$1.mtg"
}
# An edit between the saves and after the last: the amount, from View > Input Form by its keys.
edit() {
  focus "\$main"; xdotool key alt+v i; sleep 0.5
  xdotool key ctrl+a; xdotool type --delay 20 "\$1"; xdotool key Tab; sleep 0.3
}
save first; edit 120000; save second; edit 5
/usr/bin/import -window root "$WORK/edited.png" 2>/dev/null || true
xdotool key ctrl+q
# The last edit is not saved: No to the question.
question=\$(wait_for '^Warning - possible data loss...\$'); focus "\$question"
/usr/bin/import -window root "$WORK/quit.png" 2>/dev/null || true
xdotool key alt+n
for i in \$(seq 1 50); do kill -0 \$pid 2>/dev/null || exit 0; sleep 0.1; done
kill \$pid; exit 1
DRIVE
chmod +x "$WORK/drive.sh"
xvfb-run -a -s '-screen 0 1280x1024x24' "$WORK/drive.sh" || fail "the program was not driven through"

[ -f "$WORK/before.mtg" ] || fail "no recovery copy was written within 3 seconds"
[ "$(sed -n 9p "$WORK/before.mtg" | tr -d '\r')" = 2 ] || fail "the copy does not hold two changes"
"$CLI" summary "$WORK/before.mtg" > "$WORK/before.txt" || fail "summary of the copy"
"$CLI" summary "$WORK/first.mtg" > "$WORK/after.txt" || fail "summary of the restored study"
cmp -s "$WORK/before.txt" "$WORK/after.txt" || {
  diff "$WORK/before.txt" "$WORK/after.txt"; fail "the restored study differs"; }
cmp -s "$WORK/before.mtg" "$WORK/first.mtg" || fail "the restored study was not saved as it was"
cmp -s "$WORK/first.mtg" "$STUDY.bak" || fail "the backup is not the first version"
cmp -s "$WORK/second.mtg" "$STUDY" || fail "the study is not the second version"
cmp -s "$WORK/first.mtg" "$WORK/second.mtg" && fail "the edit between the saves was lost"
ls "$DATA"/recovery-* >/dev/null 2>&1 && fail "a recovery copy outlived a normal quit"
echo "restored after SIGKILL: $(grep -c . "$WORK/after.txt") summary lines equal"
