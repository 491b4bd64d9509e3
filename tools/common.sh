# Shared by ./run, ./test and .ci/run: install the Debian packages when missing, then build.
set -euo pipefail

ZN_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZN_PACKAGES=(qt6-base-dev qt6-webengine-dev qt6-multimedia-dev qt6-tools-dev
    libjpeg62-turbo-dev libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
    qt6-translations-l10n
    cmake ninja-build g++ python3 xvfb xauth adwaita-icon-theme)
# ./test: clang with the sanitizer and libFuzzer runtimes; llvm for llvm-symbolizer (stack traces).
ZN_PACKAGES+=(clang libclang-rt-14-dev llvm)
# The checks of the installed program and its Debian package (tools/check-install).
ZN_PACKAGES+=(desktop-file-utils appstream lintian dpkg-dev file sqlite3)

zn_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

zn_install() {
    local missing=()
    for p in "${ZN_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Instaluji balíčky / installing packages: ${missing[*]}"
    zn_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    zn_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# zn_build BUILD_DIR [cmake options...]
zn_build() {
    local dir=$1; shift
    cmake -S "$ZN_TOP" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# The sanitized build of ./test: clang, AddressSanitizer and UBSan for everything, the fuzz
# harnesses linked with libFuzzer, the benchmarks compiled. -O1 -g1: what the sanitizers need for
# useful reports, at half the compile time of -O2 -g.
zn_build_sanitized() {
    zn_build "$1" -DZN_SANITIZE=ON -DZN_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS_DEBUG="-O1 -g1" -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1"
}

# How programs from that build report: leaks inside system libraries (fontconfig, D-Bus, GLib,
# Chromium) are theirs, see tests/lsan.supp; undefined behaviour stops the program.
zn_sanitizer_env() {
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export LSAN_OPTIONS="suppressions=$ZN_TOP/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}
