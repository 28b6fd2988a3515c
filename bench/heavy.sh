#!/usr/bin/env bash
# Heavy clips on every core: the engine's decoding time for a 1080p60 H.264
# and a 2160p HEVC clip, with the decoding threads the player gives it and
# with one thread, beside mpv with its defaults in the same run; then a
# 1080p60 clip played in the player's window for 30 s, its position read
# through the desktop's media controls (a private session bus) against the
# clock. Called by bench/run.sh with the scratch folder and the player copy:
#
#   bench/heavy.sh SCRATCH PLAYER
set -euo pipefail
SCRATCH="$1"
PLAYER="$2"
THREADS=$(nproc)
((THREADS > 16)) && THREADS=16

FHD="$SCRATCH/1080p60.mp4"
UHD="$SCRATCH/2160p.mkv"
[[ -f "$FHD" ]] || ffmpeg -y -loglevel error -f lavfi -i testsrc2=size=1920x1080:rate=60 -t 40 \
  -c:v libx264 -preset veryfast -pix_fmt yuv420p "$FHD"
[[ -f "$UHD" ]] || ffmpeg -y -loglevel error -f lavfi -i testsrc2=size=3840x2160:rate=30 -t 4 \
  -c:v libx265 -preset ultrafast -x265-params log-level=error -pix_fmt yuv420p "$UHD"

seconds() {  # seconds COMMAND...: the wall time a command takes, in seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l | xargs printf '%.2f'
}

echo "decoding time in seconds (median of 3), $(nproc) processors; the engine as the player starts it:"
echo "  -benchmark -vo null -nosound -lavdopts threads=N; mpv: --vo=null --ao=null --untimed"
printf '%-34s %10s %10s %10s\n' clip "threads=$THREADS" threads=1 mpv
for clip in "$FHD:10" "$UHD:4"; do
  file="${clip%%:*}"
  length="${clip##*:}"
  row=()
  for run in engine-n engine-1 mpv; do
    times=()
    for _ in 1 2 3; do
      case $run in
        engine-n) times+=("$(seconds mplayer -really-quiet -benchmark -vo null -nosound -endpos "$length" \
          -lavdopts "threads=$THREADS" "$file")") ;;
        engine-1) times+=("$(seconds mplayer -really-quiet -benchmark -vo null -nosound -endpos "$length" \
          -lavdopts threads=1 "$file")") ;;
        mpv) times+=("$(seconds mpv --no-config --really-quiet --vo=null --ao=null --untimed \
          --end="$length" "$file")") ;;
      esac
    done
    row+=("$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)")
  done
  printf '%-34s %10s %10s %10s\n' "$(basename "$file") (${length} s)" "${row[@]}"
done
echo

# The 1080p60 clip in the player's window: its position against the clock.
bus_address=$(mktemp -u "$SCRATCH/bus.XXXXXX")
dbus-daemon --session --nofork --nopidfile --address="unix:path=$bus_address" &
bus=$!
sleep 0.5
export DBUS_SESSION_BUS_ADDRESS="unix:path=$bus_address"
xvfb-run -a -s "-screen 0 1920x1200x24" bash -c '
  "$1" "$2" >/dev/null 2>&1 & player=$!
  sleep 4
  p0=$(playerctl -p taleno position); t0=$(date +%s.%N)
  sleep 30
  p1=$(playerctl -p taleno position); t1=$(date +%s.%N)
  kill -TERM "$player"; wait "$player" 2>/dev/null
  echo "1080p60 in the window for 30 s: position advanced $(echo "$p1 - $p0" | bc -l | xargs printf "%.2f") s in $(echo "$t1 - $t0" | bc -l | xargs printf "%.2f") s of clock"
' _ "$PLAYER" "$FHD"
kill "$bus"
