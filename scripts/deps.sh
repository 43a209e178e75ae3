# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the program needs to build, run and test, when missing.
# Sourced by scripts/run and scripts/test.
eitango_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libcups2-dev libfontconfig-dev
  libhunspell-dev hunspell-en-us
  fonts-ipafont-gothic fonts-ipafont-mincho
  poppler-utils flite espeak-ng alsa-utils libbenchmark-dev
)

# Needed by the tests only: a print server of their own with a PDF printer queue.
eitango_test_packages=(cups printer-driver-cups-pdf)

# Also needed by the tests: Debian's packaging tools, to build and check the package.
eitango_package_tools=(
  build-essential
  debhelper
  lintian
  appstream
)

# Needed by scripts/startbench only: an X server of its own, to time the start in a real window.
eitango_startbench_packages=(xvfb xauth)

# Also needed by CI: clang and its fuzzing runtime.
eitango_ci_packages=(clang libclang-rt-14-dev)

# eitango_install_missing [package ...]: the given packages, or the program's own list.
# As root, or with sudo for a user in group sudo, installs what is missing; otherwise names the
# missing packages and the command that installs them, and stops. Asks nothing when nothing is missing.
eitango_install_missing() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${eitango_packages[@]}")
  local missing=()
  local p
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && { sudo -n true 2>/dev/null || id -nG | tr ' ' '\n' | grep -qx sudo; }; then
      as_root=(sudo)
    else
      echo "必要なパッケージがありません / Missing Debian packages: ${missing[*]}" >&2
      echo "root で次のコマンドを実行してから、もう一度どうぞ / Install them as root, then run this again:" >&2
      echo "  su -c 'apt-get install ${missing[*]}'" >&2
      return 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  # Through env, so that sudo's env_reset keeps the variable and debconf asks nothing.
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

eitango_build() {
  local top="$1"
  cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$top/build" -j"$(nproc)"
}
