# Shared by the project's scripts: paths, the Wine prefix, a private X server and wineserver.
# Source it; it defines functions and variables only.

SORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# Several developers (or helpers) can work in one tree with their own build roots.
SORVANE_BUILD=${SORVANE_BUILD_DIR:-$SORVANE_ROOT/build}
case "$SORVANE_BUILD" in /*) ;; *) SORVANE_BUILD=$SORVANE_ROOT/$SORVANE_BUILD ;; esac
SORVANE_WIN_BUILD=$SORVANE_BUILD/win64
SORVANE_NATIVE_BUILD=$SORVANE_BUILD/native
export WINEPREFIX=$SORVANE_WIN_BUILD/wineprefix
export WINEDEBUG=-all
# No Mono/Gecko install prompts, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

sorvane_wineserver() {
    if command -v wineserver >/dev/null 2>&1; then echo wineserver; else echo /usr/lib/wine/wineserver; fi
}

sorvane_log() { printf '%s\n' "== $*" >&2; }

# The packages building, running and testing need; setup installs what is missing.
SORVANE_PACKAGES=(cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev g++-mingw-w64-x86-64
    wine64 xvfb xauth x11-utils imagemagick fonts-noto-cjk fonts-noto-core openssl python3 nsis zip clang)

sorvane_missing_packages() {
    local p missing=()
    for p in "${SORVANE_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[@]}"
}

# Bumped whenever setup configures the prefix differently, so older prefixes are brought up to date.
SORVANE_PREFIX_MARKER=.sorvane-ready-2
sorvane_prefix_ready() { [ -f "$WINEPREFIX/$SORVANE_PREFIX_MARKER" ]; }

# setup runs only when something is missing, so the two commands stay fast.
sorvane_ensure_setup() {
    if [ -n "$(sorvane_missing_packages)" ] || ! sorvane_prefix_ready; then
        "$SORVANE_ROOT/scripts/setup"
    fi
}

# Starts a private X server; sets DISPLAY and SORVANE_XVFB_PID.
sorvane_start_xvfb() {
    local fifo display
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    SORVANE_XVFB_PID=$!
    read -r -t 20 display <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$display" ]; then
        sorvane_log "Xvfb did not start"
        return 1
    fi
    export DISPLAY=:$display
    local i
    for i in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    sorvane_log "Xvfb on $DISPLAY does not answer"
    return 1
}

# One wineserver for a whole run: each Wine process then starts in a fraction of a second.
sorvane_start_wineserver() {
    "$(sorvane_wineserver)" -p
    # The first programs on a new prefix can fail while Wine is still settling; the tests start
    # only once a program has run and the desktop (explorer) is up.
    local try
    for try in 1 2 3 4 5; do
        wine cmd /c exit >/dev/null 2>&1 </dev/null && break
        sleep 1
    done
    wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null || true
}

sorvane_stop_all() {
    "$(sorvane_wineserver)" -k >/dev/null 2>&1 || true
    "$(sorvane_wineserver)" -w >/dev/null 2>&1 || true
    if [ -n "${SORVANE_XVFB_PID:-}" ]; then
        kill "$SORVANE_XVFB_PID" 2>/dev/null || true
        wait "$SORVANE_XVFB_PID" 2>/dev/null || true
        SORVANE_XVFB_PID=
    fi
}

sorvane_configure_and_build() {  # preset, build dir, extra build args (e.g. --target Sorvane)...
    local preset=$1 dir=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake --preset "$preset" -B "$dir" -DSORVANE_WARNINGS_AS_ERRORS=ON >"$dir.configure.log" 2>&1 ||
            { cat "$dir.configure.log"; return 1; }
    fi
    cmake --build "$dir" -j "$(nproc)" "$@"
}
