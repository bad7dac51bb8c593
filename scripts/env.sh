# Sourced by the other scripts: settings for running the page view here.
# Chromium refuses to run as root with its sandbox on.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
# No GPU under Xvfb; no background traffic to the network from the page view.
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-background-networking --disable-component-update}"

# The page view's engine reports its graphics set-up and start parameters at every
# start (information messages; the program writes none of its own), and
# Chromium logs what it cannot use under Xvfb; neither is for the user.
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.webenginecontext.info=false}"
case " $QTWEBENGINE_CHROMIUM_FLAGS " in
    *" --log-level="*) ;;
    *) QTWEBENGINE_CHROMIUM_FLAGS="$QTWEBENGINE_CHROMIUM_FLAGS --log-level=3" ;;
esac
# Qt warns when the session has no runtime folder (as under a bare Xvfb or sudo).
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi

BUILD_DIR="${BUILD_DIR:-build}"

# Starts Xvfb (screen XVFB_SCREEN, 1280x800x24 unless set) and openbox when there is no display;
# sets DISPLAY. Returns the Xvfb pid in XVFB_PID (empty when a display was already there).
start_display() {
    XVFB_PID=""
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local n=99
    while [ -e "/tmp/.X${n}-lock" ]; do n=$((n + 1)); done
    Xvfb ":${n}" -screen 0 "${XVFB_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":${n}"
    for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox --config-file "$(pwd)/scripts/openbox-rc.xml" >/dev/null 2>&1 &
    OPENBOX_PID=$!
    sleep 1
}

stop_display() {
    [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

build_project() {
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
