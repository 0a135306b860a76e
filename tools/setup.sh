# Sourced by ./play and ./check: makes sure what the build needs is installed.
# Where apt-get is (tested on Debian 12 and 13) it installs what is missing
# (through sudo when not root) and installs nothing when all is present.

morveta_need() {
    local missing=()
    local pkg
    if command -v dpkg-query >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1; then
        for pkg in "$@"; do
            dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' \
                || missing+=("$pkg")
        done
        [ ${#missing[@]} -eq 0 ] && return 0
        echo "Installing: ${missing[*]}" >&2
        local sudo=()
        if [ "$(id -u)" -ne 0 ]; then
            if command -v sudo >/dev/null 2>&1; then
                sudo=(sudo)
            else
                echo "Please install as root: apt-get install ${missing[*]}" >&2
                return 1
            fi
        fi
        # A fresh system may have no package lists yet.
        if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"; then
            "${sudo[@]}" apt-get update -q || return 1
            "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" || return 1
        fi
        return 0
    fi
    if ! command -v cmake >/dev/null 2>&1; then
        cat >&2 <<'MSG'
This system has no apt-get. Please install CMake 3.21 or newer, a C++20 compiler,
Qt 6.3 or newer (Widgets; Test for the tests) with its translations and, on
Linux, its Wayland plugin, fontconfig, Wayland's client library, wayland-scanner
and the Wayland protocols, and a serif
face metric-compatible with Times New Roman. Only Debian 12 and 13 are tested;
these names are a starting point, untried:
  Fedora:  sudo dnf install cmake gcc-c++ qt6-qtbase-devel qt6-qttranslations qt6-qtwayland
               fontconfig-devel wayland-devel wayland-protocols-devel liberation-serif-fonts
               liberation-sans-fonts
  Arch:    sudo pacman -S cmake gcc qt6-base qt6-translations qt6-wayland fontconfig wayland
               wayland-protocols ttf-liberation
then run this command again.
MSG
        return 1
    fi
    return 0
}

# How many compilers and tests run at once: one a core.
MORVETA_JOBS=$(nproc 2>/dev/null || echo 2)

# What building and playing the game need: the compilers and Qt, fontconfig,
# Wayland's client library and its protocols, the design's faces, Qt's
# Bulgarian texts and its Wayland plugin.
MORVETA_BUILD_PACKAGES=(cmake make gcc g++ qt6-base-dev libgl-dev libfontconfig-dev libwayland-dev
    libwayland-bin wayland-protocols fonts-liberation qt6-translations-l10n qt6-wayland)
# What the tests and ./check add: doctest, Qt's native interface (the
# Wayland test's round trips), the compositor and the stand-in
# face some tests run with, the static checkers, the fuzzing compiler, the
# package validators, what the AT-SPI and screen-reader tests run on, and the Windows cross
# compiler, Wine and NSIS for the Windows program.
MORVETA_CHECK_PACKAGES=(doctest-dev qt6-base-private-dev weston fonts-dejavu-core locales
    clang-tidy clang-format cppcheck clang libclang-rt-dev
    desktop-file-utils appstream dpkg-dev file lintian man-db git binutils-mingw-w64-x86-64
    xvfb xauth dbus at-spi2-core python3-pyatspi xdotool orca speech-dispatcher
    g++-mingw-w64-x86-64-posix wine64 nsis)
# What the web page adds: emscripten (its compiler, libraries and node), the
# font and the tools its face is made from, and the three engines the page is
# tested in (Chromium with its driver, Firefox, WebKitGTK with its driver and
# an X server), selenium, PIL and a WebSocket client.
MORVETA_WEB_PACKAGES=(emscripten fonts-croscore fonttools python3-brotli
    chromium chromium-driver firefox-esr webkit2gtk-driver xvfb python3-selenium python3-pil
    python3-websocket)

# Runs ctest with the given arguments and fails where any test was skipped:
# everything a test needs is installed here, so a skip (exit 77, QSKIP) is a
# fault, which CTest alone would count as a pass.
morveta_ctest() {
    local log
    log=$(mktemp)
    local status=0
    ctest "$@" 2>&1 | tee "$log" || status=$?
    if grep -q '(Skipped)' "$log"; then
        echo "Skipped, which counts as failed here:" >&2
        grep '(Skipped)' "$log" >&2
        status=1
    fi
    rm -f "$log"
    return "$status"
}
