# Installs the Debian packages the program needs to build, run and test, when missing.
# Sourced by scripts/run and scripts/test.
eitango_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libcups2-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  poppler-utils flite espeak-ng alsa-utils libbenchmark-dev
)

# Needed by the tests only: a print server of their own with a PDF printer queue.
eitango_test_packages=(cups printer-driver-cups-pdf)

# Also needed by CI: clang and its fuzzing runtime.
eitango_ci_packages=(clang libclang-rt-14-dev)

# eitango_install_missing [package ...]: the given packages, or the program's own list.
eitango_install_missing() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${eitango_packages[@]}")
  local missing=()
  local p
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

eitango_build() {
  local top="$1"
  cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$top/build" -j"$(nproc)"
}
