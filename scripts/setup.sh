# Shared by ./run and ./test: installs the Debian packages the project needs
# (only those missing), then configures and builds in release mode.
# Sourced, not run: it leaves MARULO_BUILD set for the caller.

set -euo pipefail

MARULO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MARULO_BUILD="$MARULO_ROOT/build"
source "$MARULO_ROOT/scripts/install-packages.sh"

marulo_packages=(
  # toolchain and Qt
  g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  # tags and covers carried through every conversion by the converter bridge
  libtag1-dev
  # Qt's translation tools: lupdate and lrelease, and their CMake functions
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  # the window's Japanese font and a display for screenshots
  fonts-ipafont-gothic
  # the desktop's opener of folders, and a virtual X server for the test of it
  xdg-utils xvfb xauth
  # the real converters behind the bridge, and ffprobe for the end-to-end checks
  lame twolame vorbis-tools flac ffmpeg sox
  # the loudness meter behind normalize.exe's loudness forms
  libebur128-dev
  # the icon's PNG sizes drawn at build time, and the validators the install test runs
  librsvg2-bin desktop-file-utils appstream
)

# A script that needs more (scripts/package) names it in marulo_extra_packages
# before sourcing this file.
marulo_packages+=("${marulo_extra_packages[@]}")

marulo_build() {
  if [ ! -f "$MARULO_BUILD/build.ninja" ]; then
    cmake -S "$MARULO_ROOT" -B "$MARULO_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$MARULO_BUILD" "$@"
}

marulo_install_missing_packages "${marulo_packages[@]}"
