# Sourced by the other scripts: installs the Debian packages the build needs,
# asking apt only when something is missing.

# Everything the build, the tests and the benchmarks use.
BUILD_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libsimdjson-dev libboost-graph-dev
    libxml2-utils
)

# The Debian package: CPack's dependency scan needs file and dpkg-shlibdeps.
PACKAGE_PACKAGES=(file dpkg-dev)

# Its check: lintian, what the package depends on beyond its links (so that
# apt installs it offline), a virtual display, window lookup and screenshots.
PACKAGE_CHECK_PACKAGES=(
    lintian desktop-file-utils qt6-translations-l10n
    xvfb xdotool x11-utils imagemagick
)

# Tests reading exported pictures back: the TikZ picture is built with
# pdflatex, PDF pages are rendered with pdftoppm.
TEX_PACKAGES=(texlive-latex-base texlive-pictures poppler-utils)

# The fuzzers need clang with its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-dev)

# ensure_packages PKG...: installs those of PKG that are not installed yet.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
