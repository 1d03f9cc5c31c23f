# Sourced by run.sh and test.sh: installs on a fresh Debian 12 machine whatever the build and the tests
# need and is missing, and generates the German locale that Wine runs under. Idempotent and quiet when
# everything is there.

KOLVANE_PACKAGES=(
    cmake make g++ clang clang-tidy cppcheck libgtest-dev libgmock-dev libbenchmark-dev libssl-dev
    g++-mingw-w64-x86-64 g++-mingw-w64-i686
    wine wine64 wine32:i386 xvfb xdotool imagemagick x11-utils locales
)

# Installs the packages above and any named as arguments (the tools that one script alone needs). Wine runs
# the 32-bit release next to 64-bit programs, as a 64-bit Windows does, only with its 32-bit half from i386.
install_prerequisites() {
    local missing=()
    local package sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    for package in "${KOLVANE_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        $sudo apt-get update -q
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
        $sudo locale-gen >/dev/null
    fi
}

# Configures and builds one preset, quietly unless it fails.
build_preset() {
    local preset=$1
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)" >"build/$preset.log" 2>&1 || {
        tail -n 60 "build/$preset.log"
        echo "Build of $preset failed (full log: build/$preset.log)" >&2
        return 1
    }
    echo "Built $preset"
}
