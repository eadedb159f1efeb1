#!/usr/bin/env bash
# What a screen reader hears through the real AT-SPI bus: the game runs on a
# virtual X display (Qt's offscreen platform has no accessibility bridge) in
# a D-Bus session of the test's own, with the AT-SPI bus started for it, and
# atspi_client.py plays a short game by keys.   atspi_test.sh GAME
# Exit 77 (a skip) only when the session or AT-SPI bus cannot start at all.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd) python=/usr/bin/python3 launcher=/usr/libexec/at-spi-bus-launcher
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIPPED, LOUDLY: $* - the screen reader test did NOT run" >&2; exit 77; }
command -v Xvfb >/dev/null || fail "Xvfb missing (scripts/install-deps test brings it)"
"$python" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null || fail "no AT-SPI bindings for python3"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[[ -x $launcher ]] || skip "at-spi2-core's bus launcher is not installed"
if [[ ${ATSPI_TEST_INSIDE:-} != 1 ]]; then
  ATSPI_TEST_INSIDE=1 timeout 150 dbus-run-session -- bash "$0" "$@"
  status=$?
  [[ $status == 124 ]] && fail "the test outlived its 150 seconds"
  exit $status
fi

scratch=$(mktemp -d) pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT
wait_until() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }

# A display number of Xvfb's own choosing, so parallel runs never collide.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
wait_until test -s "$scratch/display" || { cat "$scratch/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n 1 "$scratch/display")

"$launcher" --launch-immediately >"$scratch/bus.log" 2>&1 &
pids+=($!)
# Asked only once the launcher holds its name, so the question cannot start a second one.
owned() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
  string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'; }
address() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
  2>/dev/null | grep -q 'unix:'; }
wait_until owned && wait_until address || { cat "$scratch/bus.log" >&2; skip "the AT-SPI bus did not start"; }

# A copy of the game keeps its settings and kept game beside itself: there a
# kept game with three open cells.
mkdir -p "$scratch/game"
cp "$1" "$scratch/game/lumitile"
"$python" "$here/atspi_client.py" --write-kept-game "$scratch/game/lumitile.sav"
# The client listens before the game starts: a game that comes up first can
# miss the listener's registration and then sends no events at all.
ATSPI_CLIENT_READY="$scratch/listening" "$python" "$here/atspi_client.py" &
client=$!
wait_until test -e "$scratch/listening" || fail "the client did not start listening"
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME="$scratch" \
  XDG_CONFIG_HOME="$scratch/config" LC_ALL= LANG=ja_JP.UTF-8 LANGUAGE=ja \
  "$scratch/game/lumitile" >"$scratch/game.log" 2>&1 &
pids+=($!)
wait "$client" || { cat "$scratch/game.log" >&2; exit 1; }
