# Shared by the scripts: the project's Debian packages, and the build.
# Source it; it defines functions only.

kelvaro_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Everything the project needs to build, test and run, from Debian 12's archive.
kelvaro_packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev librsvg2-bin
  fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool x11-utils xclip libx11-dev libxcb1-dev time
  desktop-file-utils appstream dpkg-dev lintian
  libncurses-dev tmux
  orca python3-pyatspi speech-dispatcher openbox at-spi2-core dbus-daemon libglib2.0-bin
  firefox-esr
  emscripten node-acorn chromium chromium-driver python3-selenium
)

# Installs whichever of the packages is missing; asks the archive only when one is.
kelvaro_ensure_packages() {
  local missing=() package
  for package in "${kelvaro_packages[@]}" "$@"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" != installed ]; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

# Configures and builds one CMake preset; quick when nothing changed.
kelvaro_build() {
  local preset="$1"
  (cd "$kelvaro_root" && cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset")
}
