# Shared by ./run and ./test: installs the Debian packages the project needs
# (only those missing), then configures and builds in release mode.
# Sourced, not run: it leaves MARULO_BUILD set for the caller.

set -euo pipefail

MARULO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MARULO_BUILD="$MARULO_ROOT/build"

marulo_packages=(
  # toolchain and Qt
  g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  # Qt's translation tools: lupdate and lrelease, and their CMake functions
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  # the window's Japanese font and a display for screenshots
  fonts-ipafont-gothic
  # the desktop's opener of folders, and a virtual X server for the test of it
  xdg-utils xvfb xauth
  # the real converters behind the bridge, and ffprobe for the end-to-end checks
  lame twolame vorbis-tools flac ffmpeg sox
  # the icon's PNG sizes drawn at build time, and the validators the install test runs
  librsvg2-bin desktop-file-utils appstream
)

# A script that needs more (scripts/package) names it in marulo_extra_packages
# before sourcing this file.
marulo_packages+=("${marulo_extra_packages[@]}")

marulo_install_missing() {
  local missing=()
  local p
  for p in "${marulo_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing Debian packages: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo=(sudo); else
      echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
      exit 1
    fi
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

marulo_build() {
  if [ ! -f "$MARULO_BUILD/build.ninja" ]; then
    cmake -S "$MARULO_ROOT" -B "$MARULO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$MARULO_BUILD" "$@"
}

marulo_install_missing
