# Shared by scripts/run and scripts/test: install the Debian packages the
# build and the tests need, then configure and build into build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TALENO_BUILD_DIR:-$ROOT/build}"

# What Taleno needs to build and run. Checked with dpkg -s first, so a second
# run does not touch the network.
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev
  mplayer
  libx11-dev libxext-dev libfontconfig-dev
)

# What the tests and benchmarks need besides: clips made with ffmpeg, a
# private Xvfb display, X tools to read it back, and a private Xorg server
# with the dummy driver (and its headers, for the test module that gives it
# DPMS), a headless Wayland compositor with Xwayland and Qt's Wayland
# platform, for the test that the player keeps to X11 on a Wayland desktop,
# fonts for the font lookup's private fontconfig set-up, and the checkers
# of the installed desktop entry, AppStream data and Debian package (lintian), a
# private session bus with a media-controls client, Python for the layer check
# and the web pages' local server, yt-dlp, which resolves web video pages, and
# the accessibility bus with Python's client of it and a window manager, with
# which the player is read and driven as a screen reader does.
TEST_PACKAGES=(
  ffmpeg libbenchmark-dev
  xvfb xauth x11-xserver-utils x11-utils
  xserver-xorg-core xserver-xorg-video-dummy xserver-xorg-dev
  weston xwayland qt6-wayland
  fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev lintian
  dbus-daemon playerctl python3 yt-dlp
  at-spi2-core python3-pyatspi openbox
)

# What scripts/format needs.
FORMAT_PACKAGES=(clang-format)

# What scripts/fuzz needs besides the build packages: clang with libFuzzer
# and the sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-dev)

# What the benchmarks (bench/run.sh) need besides the test packages (which
# bring openbox, the window manager of the figures that count): strace for
# the start-up timeline, and the players measured beside Taleno in the same run.
BENCH_PACKAGES=(strace bc mpv vlc smplayer)

# ensure_packages [--tests|--bench|--fuzz|--format]: installs what is missing.
ensure_packages() {
  local wanted=("${PACKAGES[@]}")
  [[ "${1:-}" == "--tests" || "${1:-}" == "--bench" ]] && wanted+=("${TEST_PACKAGES[@]}")
  [[ "${1:-}" == "--bench" ]] && wanted+=("${BENCH_PACKAGES[@]}")
  [[ "${1:-}" == "--fuzz" ]] && wanted+=("${FUZZ_PACKAGES[@]}")
  [[ "${1:-}" == "--format" ]] && wanted=("${FORMAT_PACKAGES[@]}")
  local missing=()
  local p
  for p in "${wanted[@]}"; do
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

# Further cmake settings for the first configuration of BUILD_DIR (the
# sanitizer and fuzz builds set them).
CONFIGURE_ARGS=()

# build_project [TARGET...]: configures once, then builds the targets (all
# of them when none is named).
build_project() {
  if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${TALENO_BUILD_TYPE:-RelWithDebInfo}" \
      "${CONFIGURE_ARGS[@]}"
  fi
  local targets=()
  (($#)) && targets=(--target "$@")
  cmake --build "$BUILD_DIR" -j"$(nproc)" "${targets[@]}"
}

# revision_worktree KIND REVISION: a worktree of REVISION in
# build-KIND/<commit>/tree, made when missing, for the measuring scripts
# (mutation, coverage-by-test) that must never touch the checkout. Sets
# COMMIT, WORK, TREE and BUILD_DIR.
revision_worktree() {
  COMMIT="$(git -C "$ROOT" rev-parse --short "$2")"
  WORK="$ROOT/build-$1/$COMMIT"
  TREE="$WORK/tree"
  BUILD_DIR="$WORK/build"
  mkdir -p "$ROOT/build-$1"
  [[ -d "$TREE" ]] || git -C "$ROOT" worktree add --detach "$TREE" "$COMMIT"
}
