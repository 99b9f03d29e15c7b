#!/bin/sh
# As a screen-reader user would: start the desktop program under Xvfb with a window manager and
# an accessibility bus, and run the scenarios of atspi_scenarios.py, which find the controls by
# their names, click and type, and read the boxes back.
# Usage: accessibility_tree.sh PATH/TO/hearthline [SCENARIO ...]
set -eu
PROGRAM="$1"
shift
HERE=$(cd "$(dirname "$0")" && pwd)
PYTHON=/usr/bin/python3
for tool in xvfb-run xdotool openbox dbus-launch; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
"$PYTHON" -c 'import pyatspi' 2>/dev/null || { echo "skipped: pyatspi is not installed"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export HEARTHLINE_WORKING_FOLDER="$WORK/working"
export XDG_RUNTIME_DIR="$WORK/xdg"
export HOME="$WORK/home"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
# The example study: a Weekly loan with one payment change and one lump payment.
cp "$HERE/../../examples/sample.mtg" "$WORK/changes.mtg"

cat > "$WORK/drive.sh" <<DRIVE
#!/bin/sh
eval \$(dbus-launch --sh-syntax)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
openbox >/dev/null 2>&1 &
sleep 1
PYTHONPATH="$HERE" "$PYTHON" "$HERE/atspi_scenarios.py" "$PROGRAM" "$WORK/changes.mtg" $*
status=\$?
kill \$DBUS_SESSION_BUS_PID 2>/dev/null
exit \$status
DRIVE
chmod +x "$WORK/drive.sh"
xvfb-run -a -s '-screen 0 1280x1024x24' "$WORK/drive.sh"
