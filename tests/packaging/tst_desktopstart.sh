#!/usr/bin/env bash
# The first start of the installed program from the application menu, on a virtual display:
# the Debian package unpacked into a scratch root stands in for the installed one (its share/
# first in XDG_DATA_DIRS, its bin/ first in PATH) for a user who never ran MOTRA. gtk-launch
# starts the menu entry, the first-start question is answered with the Return key, and the
# locked main window must show. The new installation folder must equal the template, and the
# installed motra-cli scores the demo examination in it. Every wait is bounded.
#
#   tst_desktopstart.sh DEB_DIR WORK_DIR APP_ID
set -euo pipefail
debs=$1 work=$2 id=$3
fail() {
    echo "FAIL: $*" >&2
    [ ! -s "$work/launch.log" ] || { echo "--- what the launched programs printed:" >&2; cat "$work/launch.log" >&2; }
    exit 1
}
# The id of the visible window captioned exactly $1, waiting at most 20 seconds.
visible_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }

for tool in Xvfb xdotool gtk-launch dpkg-deb; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/test installs it)"
done
rm -rf "$work"
mkdir -p "$work"
shopt -s nullglob
found=("$debs"/motra_*.deb)
[ ${#found[@]} -eq 1 ] || fail "expected one motra_*.deb in $debs"
root=$work/root
dpkg-deb -x "${found[0]}" "$root"

# A user who never ran MOTRA, with the unpacked package in the places the installed one takes.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_DATA_DIRS=$root/usr/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
export PATH=$root/usr/bin:$PATH
unset MOTRA_ROOT QT_QPA_PLATFORM WAYLAND_DISPLAY DESKTOP_STARTUP_ID MOTRA_EXIT_WHEN_SHOWN
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
user_root=$XDG_DATA_HOME/motra/c
template=$root/usr/share/motra/template

# Xvfb takes a free display and names it once it is ready. When it ends, every program
# still connected to it ends too.
xvfb="" program=""
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
Xvfb -displayfd 3 -noreset -screen 0 1280x860x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$(head -1 "$work/display")

# The menu entry, found by its id in XDG_DATA_DIRS like a desktop's menu finds it.
timeout 20 gtk-launch "$id" >"$work/launch.log" 2>&1 || fail "gtk-launch $id"
question=$(visible_window MOTRA) || true
[ -n "$question" ] || fail "no first-start question showed"
grep -qF "$user_root" "$work/launch.log" || fail "the first-start question does not name $user_root"
[ ! -e "$XDG_DATA_HOME/motra" ] || fail "$XDG_DATA_HOME/motra was made before the user answered"
# Return presses the default button, "Létrehozás".
timeout 10 xdotool windowfocus --sync "$question" key Return || fail "the question took no key press"

main=$(visible_window "Ostravine MOTRA") || true
[ -n "$main" ] || fail "the locked main window did not show"
program=$(xdotool getwindowpid "$main") || fail "the main window names no process"
[ "$(readlink "/proc/$program/exe")" = "$root/usr/bin/motra" ] ||
    fail "the main window belongs to $(readlink "/proc/$program/exe"), not the unpacked motra"
kill "$program"
for _ in $(seq 1 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
program=""

diff -r "$template" "$user_root" >"$work/diff.out" 2>&1 || { cat "$work/diff.out" >&2; fail "$user_root differs from the template"; }
[ "$(stat -c %a "$user_root")" = 700 ] || fail "$user_root is readable by others: $(stat -c %a "$user_root")"

# The installed command-line tool on the new installation: every scale of the three
# questionnaires of the demo examination that has them all.
[ "$(command -v motra-cli)" = "$root/usr/bin/motra-cli" ] || fail "motra-cli is not the unpacked one"
status=0
motra-cli score "$user_root/_halden/motra/archivum/DEMO01.mtr" >"$work/score.out" 2>&1 || status=$?
[ $status -eq 0 ] || { cat "$work/score.out" >&2; fail "motra-cli score ended with $status"; }
[ "$(grep -c $'^[123]\t[0-9]\\+\t[0-9]' "$work/score.out")" -eq $((15 + 17 + 16)) ] ||
    { cat "$work/score.out" >&2; fail "motra-cli score printed no score for some scale"; }
echo "menu entry -> first start -> locked window -> motra-cli score: all checks passed"
