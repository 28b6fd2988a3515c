#!/usr/bin/env bash
# Builds the benchmarks and runs them on a clip made with ffmpeg in a scratch
# folder. HOME points into that folder, so neither the engine's configuration
# nor the player's settings touch the real home. Never part of the tests.
#
#   bench/run.sh               build into build-bench/ and run everything
#   RUNS=40 bench/run.sh       more start-up repetitions (default 20)
#   TALENO_BUILD_DIR=... bench/run.sh
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export TALENO_BUILD_DIR="${TALENO_BUILD_DIR:-$ROOT/build-bench}"
source "$ROOT/scripts/lib.sh"
ensure_packages --bench

if [[ ! -f "$BUILD_DIR/build.ninja" ]]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${TALENO_BUILD_TYPE:-RelWithDebInfo}"
fi
cmake --build "$BUILD_DIR" -j"${JOBS:-2}" --target benchmarks

SCRATCH="$(mktemp -d "${TMPDIR:-/tmp}/taleno-bench.XXXXXX")"
trap 'rm -rf "$SCRATCH"' EXIT
mkdir -p "$SCRATCH/home"
export HOME="$SCRATCH/home"
export XDG_CONFIG_HOME="$HOME/.config"

# One minute of 640x360 MPEG-4 video at 25 frames a second with a 128 kbit/s
# MP3 track: long enough for the CPU figures, small enough to make in seconds.
CLIP="$SCRATCH/clip.avi"
ffmpeg -y -loglevel error -f lavfi -i testsrc=size=640x360:rate=25 \
  -f lavfi -i sine=frequency=440:sample_rate=44100 -t 60 \
  -c:v mpeg4 -q:v 5 -c:a libmp3lame -b:a 128k -metadata title="Bench Clip" "$CLIP"

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "kernel:  $(uname -r)"
echo "engine:  $(/usr/bin/mplayer 2>&1 | grep -m1 "^MPlayer")"
echo "load:    $(cut -d' ' -f1-3 /proc/loadavg)"
echo

echo "== engine controller =="
"$BUILD_DIR/bench/bench_engine" "$CLIP" --runs "${RUNS:-20}"
echo

# The window benchmark runs a copy of the player in a folder of its own, so
# that its settings file beside it ("Taleno .ini") is ours: the X11 video
# driver (Xvfb has no XVideo) and the null audio driver (no sound device).
mkdir -p "$SCRATCH/player" "$SCRATCH/runtime"
chmod 700 "$SCRATCH/runtime"
export XDG_RUNTIME_DIR="$SCRATCH/runtime"
# No session bus: the player's screen-saver inhibition must not reach a real
# desktop session, and nothing may start a bus of its own.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$SCRATCH/runtime/no-bus"
cp "$BUILD_DIR/taleno" "$SCRATCH/player/taleno"
printf '[TALENO]\nnVideoOutputDriver=3\nnAudioOutputDriver=1\nbAllowMultipleInstances=true\n' \
  > "$SCRATCH/player/Taleno .ini"

# The switch needs a player that keeps to one instance, and a second clip: a
# green picture, told apart from the test picture by its colour.
mkdir -p "$SCRATCH/single"
cp "$BUILD_DIR/taleno" "$SCRATCH/single/taleno"
printf '[TALENO]\nnVideoOutputDriver=3\nnAudioOutputDriver=1\n' > "$SCRATCH/single/Taleno .ini"
GREEN="$SCRATCH/green.avi"
ffmpeg -y -loglevel error -f lavfi -i color=c=0x00C000:size=640x360:rate=25 -t 60 -c:v mpeg4 -q:v 5 "$GREEN"

echo "== player window (Xvfb 1280x1024x24, -vo x11 -zoom, -ao null) =="
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$BUILD_DIR/bench/bench_window" "$SCRATCH/player/taleno" "$CLIP" --runs "${RUNS:-20}" --seconds 45 \
  --switch "$SCRATCH/single/taleno" "$GREEN"
echo

# What a user sees on a desktop: every player started as an unprivileged
# user ("nobody", as a desktop user would run it) on a private Xvfb display
# open to that user (-ac), once with a window manager (openbox: the figures
# that count) and once without, on two clips, rounds interleaved; the bare
# engine gets the argument vector the player's own engine ran with, less
# "-wid N". The peers run with their own defaults and no sound device.
HD="$SCRATCH/hd.mp4"
ffmpeg -y -loglevel error -f lavfi -i testsrc=size=1280x720:rate=25 \
  -f lavfi -i sine=frequency=440:sample_rate=44100 -t 60 -c:v libx264 -preset veryfast -c:a aac "$HD"
# VLC asks about network access on its first start: answered beforehand, as
# for a user who has started it before.
mkdir -p "$HOME/.config/vlc"
printf '[qt]\nqt-privacy-ask=0\n' > "$HOME/.config/vlc/vlcrc"
# The least a Qt Widgets program takes to show a main window, and the memory
# it holds: the floor under the player's own figures.
cp "$BUILD_DIR/bench/bench_qt_floor" "$SCRATCH/qt-floor"
chown -R 65534:65534 "$SCRATCH"
chmod 755 "$SCRATCH"
desktop() {  # desktop wm|none CLIP
  local n=90
  while [[ -e "/tmp/.X$n-lock" ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -ac -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$! wm=""
  sleep 1
  if [[ "$1" == wm ]]; then
    DISPLAY=":$n" setpriv --reuid=65534 --regid=65534 --clear-groups openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
  fi
  # The player's engine arguments, from a player playing the clip.
  DISPLAY=":$n" setpriv --reuid=65534 --regid=65534 --clear-groups "$SCRATCH/player/taleno" "$2" >/dev/null 2>&1 &
  local player=$!
  sleep 2
  local bare
  bare=$(tr '\0' ' ' < "/proc/$(cut -d' ' -f1 "/proc/$player/task/$player/children")/cmdline" |
    sed -E 's/ -wid [0-9]+//; s/ [^ ]+ $//')
  kill -TERM "$player"; wait "$player" 2>/dev/null || true
  echo "bare engine: $bare CLIP"
  DISPLAY=":$n" "$BUILD_DIR/bench/bench_desktop" "$2" --runs "${DESKTOP_RUNS:-7}" --as 65534 \
    --player "mplayer=$bare" --player "taleno=$SCRATCH/player/taleno" --player "mpv=/usr/bin/mpv --ao=null" \
    --player "vlc=/usr/bin/vlc --aout=dummy" --player "smplayer=/usr/bin/smplayer" \
    --window-only "qt-floor=$SCRATCH/qt-floor" \
    --timeline "$SCRATCH/player/taleno" --switch "$SCRATCH/single/taleno" "$GREEN"
  [[ -n "$wm" ]] && kill "$wm"
  kill "$xvfb"
  wait 2>/dev/null || true
}
for clip in "$CLIP" "$HD"; do
  echo "== desktop with a window manager (openbox), $(basename "$clip") =="
  desktop wm "$clip"
  echo
  echo "== desktop without a window manager, $(basename "$clip") =="
  desktop none "$clip"
  echo
done

echo "== the Qt floor's memory (Xvfb, shown for 5 s) =="
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$1" & floor=$!
  sleep 5
  echo "qt-floor: PSS $(awk "/^Pss:/ {printf \"%.1f\", \$2 / 1024}" "/proc/$floor/smaps_rollup") MiB"
  kill "$floor"; wait "$floor"
' _ "$SCRATCH/qt-floor"
echo

echo "== list windows (Log, playlist) =="
xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD_DIR/bench/bench_lists" --seconds 20
echo

# The engine's CPU while the player shows the clip at its own size and in
# full screen: the x11 driver (what runs without XVideo) scales the picture
# in software only in full screen.
engine_cpu() {  # engine_cpu NAME INI-LINES
  mkdir -p "$SCRATCH/$1"
  cp "$BUILD_DIR/taleno" "$SCRATCH/$1/taleno"
  printf '[TALENO]\nnVideoOutputDriver=3\nnAudioOutputDriver=1\nbAllowMultipleInstances=true\n%b' "$2" \
    > "$SCRATCH/$1/Taleno .ini"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" "$2" >/dev/null 2>&1 & player=$!
    sleep 5
    engine=$(cut -d" " -f1 "/proc/$player/task/$player/children")
    ticks() { awk "{print \$14 + \$15}" "/proc/$engine/stat"; }
    t0=$(ticks); sleep 20; t1=$(ticks)
    kill -TERM "$player"; wait "$player"
    echo "$3: engine CPU $(( (t1 - t0) * 1000 / $(getconf CLK_TCK) / 20 / 10 )).$(( (t1 - t0) * 1000 / $(getconf CLK_TCK) / 20 % 10 )) % of one core"
  ' _ "$SCRATCH/$1/taleno" "$CLIP" "$1"
}
echo "== engine CPU by picture size (Xvfb 1280x1024x24, -vo x11 -zoom) =="
engine_cpu original ""
engine_cpu fullscreen "bLaunchInFullscreen=true\n"
echo

echo "== heavy clips on every core =="
"$ROOT/bench/heavy.sh" "$SCRATCH" "$SCRATCH/player/taleno"
echo

echo "load:    $(cut -d' ' -f1-3 /proc/loadavg)"
