# Shared by scripts/run and scripts/test (sourced, not run): installs the Debian packages
# the build needs and configures and builds build/ in the repository.

MOTRA_REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MOTRA_BUILD="$MOTRA_REPO/build"
# What building and running the program needs (scripts/run installs these and the full
# LibreOffice Writer, in which the word report opens). libqt6gui6 carries Qt's JPEG image
# plugin, which shows the photographs of the open dialog; the program loads the font
# configuration itself (libfontconfig) while its windows are made.
MOTRA_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core qt6-translations-l10n
    libqt6gui6 libzip-dev libfontconfig-dev)
# What the tests need besides (scripts/test installs both lists): the word-report test's
# Writer and its Python bridge, the PDF text tool, the Debian package's tools (dpkg-shlibdeps,
# the icon's PNG sizes, the validators, the MIME database) and the virtual display the
# menu-entry test starts the program on. "a|b": either one will do; the first is installed
# when none is there (the headless Writer never replaces a desktop's full LibreOffice Writer).
MOTRA_TEST_PACKAGES=("libreoffice-writer-nogui|libreoffice-writer" python3-uno poppler-utils
    dpkg-dev librsvg2-bin desktop-file-utils appstream shared-mime-info xvfb xdotool libgtk-3-bin)

motra_say() { printf 'motra: %s\n' "$*" >&2; }

# motra_install_packages ENTRY...: installs the packages named that are missing.
motra_install_packages() {
    local missing=() entry pkg found
    for entry in "$@"; do
        found=
        for pkg in ${entry//|/ }; do
            if dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
                found=1
            fi
        done
        [ -n "$found" ] || missing+=("${entry%%|*}")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    motra_say "installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            motra_say "these packages are missing and sudo is not available; install them as root: ${missing[*]}"
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update || return 1
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" || return 1
}

# motra_build [TARGET...]: configures build/ and builds the targets named (all without).
motra_build() {
    local launcher=() targets=()
    if command -v ccache >/dev/null 2>&1; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$MOTRA_REPO" -B "$MOTRA_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" || return 1
    if [ $# -gt 0 ]; then targets=(--target "$@"); fi
    cmake --build "$MOTRA_BUILD" -j"$(nproc)" "${targets[@]}" || return 1
}
