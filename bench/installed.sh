#!/usr/bin/env bash
# The Debian package against the build tree: installed size, and start-up time from the
# start of the process to the visible locked window on a virtual display (median of RUNS
# starts, 5 by default). The installed programs are the ones in /usr/bin when the package
# is installed, otherwise the package is unpacked into a scratch folder and run from there;
# both start through motra-start, as the desktop entry does.
#
#   bench/installed.sh [BUILD_DIR]        (needs xvfb and xdotool)
set -euo pipefail
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
runs=${RUNS:-5}
for tool in Xvfb xdotool dpkg-deb; do
    command -v $tool >/dev/null || { echo "installed.sh: $tool is missing" >&2; exit 2; }
done
cmake --build "$build" --target package >"$build/package.log" 2>&1 || { cat "$build/package.log" >&2; exit 1; }
debs=("$build"/motra_*.deb)
deb=${debs[-1]}

tmp=$(mktemp -d)
xvfb=""
cleanup() { [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT

if dpkg-query -W -f='${Status} ${Version}' motra 2>/dev/null | grep -q "install ok installed $(dpkg-deb -f "$deb" Version)"; then
    prefix=/usr
else
    dpkg-deb -x "$deb" "$tmp/root"
    prefix=$tmp/root/usr
fi

installed_kib=$(dpkg-deb -f "$deb" Installed-Size)
tree_kib=$(du -skc "$build/bin/motra" "$build/bin/motra-cli" "$build/bin/motra-start" "$build/demo" | tail -1 | cut -f1)

# Xvfb picks a free display itself and says which once it is ready.
Xvfb -displayfd 3 -noreset -screen 0 1280x860x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 300); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$tmp/display")

# Milliseconds from starting $1 until one of its windows is visible (its first start made
# the installation already, so the launcher asks nothing).
startup_ms() {
    local root=$tmp/c.$RANDOM begin pid ms=""
    cp -R "$build/demo" "$root"
    begin=$(date +%s%N)
    MOTRA_ROOT=$root "$1" >"$tmp/log" 2>&1 &
    pid=$!
    for _ in $(seq 1 2000); do
        if xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; then
            ms=$((($(date +%s%N) - begin) / 1000000))
            break
        fi
        sleep 0.005
    done
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
    rm -rf "$root"
    [ -n "$ms" ] || { echo "installed.sh: $1 showed no window:" >&2; cat "$tmp/log" >&2; return 1; }
    echo $ms
}
median_ms() {
    local times=() i
    for ((i = 0; i < runs; i++)); do times+=("$(startup_ms "$1")") || return 1; done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

installed_ms=$(median_ms "$prefix/bin/motra-start") || exit 1
tree_ms=$(median_ms "$build/bin/motra-start") || exit 1
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
printf 'package %s (programs from %s)\n' "$(basename "$deb")" "$prefix"
printf 'installed size:      %6d KiB   build tree (programs + demo): %6d KiB   ratio %s\n' \
    "$installed_kib" "$tree_kib" "$(ratio "$installed_kib" "$tree_kib")"
printf 'start-up to window:  %6d ms    build tree:                   %6d ms    ratio %s  (median of %d)\n' \
    "$installed_ms" "$tree_ms" "$(ratio "$installed_ms" "$tree_ms")" "$runs"
