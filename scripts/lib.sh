# Shared by scripts/run and scripts/test: install the Debian packages the
# build and the tests need, then configure and build into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TALENO_BUILD_DIR:-$ROOT/build}"

# Everything Taleno needs to build, run and test. Checked with dpkg -s first,
# so a second run does not touch the network.
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  mplayer ffmpeg
  xvfb xauth x11-xserver-utils x11-utils
  xserver-xorg-core xserver-xorg-video-dummy xserver-xorg-dev
  libx11-dev libxext-dev libfontconfig-dev
)

ensure_packages() {
  local missing=()
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build_project() {
  if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${TALENO_BUILD_TYPE:-RelWithDebInfo}"
  fi
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}
