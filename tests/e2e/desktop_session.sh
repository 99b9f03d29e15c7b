# Sourced by the desktop scripts: skips the test (status 77) when a tool it drives is missing,
# and gives the run a folder of its own for the working files, the recovery copy and settings,
# so one run never meets another's leftovers.
# Usage: . desktop_session.sh TOOL ...
for tool in "$@"; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
[ -z "${HL_KEEP:-}" ] || trap 'echo kept $WORK' EXIT
export HEARTHLINE_WORKING_FOLDER="$WORK/working"
export XDG_RUNTIME_DIR="$WORK/xdg" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
