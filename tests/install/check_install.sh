#!/bin/bash
# The installed layout and the Debian package, from a finished build:
#   check_install.sh BUILD_DIR
# Installs into a temporary DESTDIR, checks that every file is there and
# that the desktop entry and the AppStream data validate, then makes the
# package and checks its prefix, its dependencies, its documents and that
# lintian finds neither an error nor a warning in it.
set -euo pipefail

build="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }

DESTDIR="$scratch/root" cmake --install "$build" >/dev/null
prefix="$scratch/root/usr/local"
share="$prefix/share"
wanted=(
  "$prefix/bin/taleno"
  "$share/applications/taleno.desktop"
  "$share/metainfo/org.taleno.Taleno.metainfo.xml"
  "$share/icons/hicolor/scalable/apps/taleno.svg"
)
for size in 16 22 24 32 48 64 128 256; do
  wanted+=("$share/icons/hicolor/${size}x${size}/apps/taleno.png")
done
for file in "${wanted[@]}"; do
  [[ -s "$file" ]] || fail "not installed: ${file#"$scratch/root"}"
done
[[ -x "$prefix/bin/taleno" ]] || fail "taleno is not executable"
for size in 16 256; do
  # The PNG header holds the width at bytes 16..19.
  width=$(od -An -tu1 -j16 -N4 "$share/icons/hicolor/${size}x${size}/apps/taleno.png" | awk '{print $3*256+$4}')
  [[ "$width" == "$size" ]] || fail "the ${size}x${size} icon is $width pixels wide"
done

desktop-file-validate "$share/applications/taleno.desktop" || fail "desktop-file-validate"
grep -qx 'Exec=taleno %f' "$share/applications/taleno.desktop" || fail "Exec line"
appstreamcli validate --no-net "$share/metainfo/org.taleno.Taleno.metainfo.xml" >/dev/null \
  || fail "appstreamcli validate"
grep -q '<release version="1.1"' "$share/metainfo/org.taleno.Taleno.metainfo.xml" || fail "release 1.1"

(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >/dev/null)
deb=$(ls "$scratch"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *mplayer* ]] || fail "the package does not depend on mplayer: $depends"
[[ "$depends" == *libqt6widgets6* ]] || fail "the libraries' packages are missing: $depends"
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/taleno usr/share/man/man1/taleno.1.gz usr/share/doc/taleno/copyright \
            usr/share/doc/taleno/changelog.Debian.gz; do
  grep -q " ./$file\$" <<<"$contents" || fail "the package does not install /$file"
done
# Clean for Debian's own checker at its error and warning levels.
lint=$(lintian --no-cfg --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lint"
exit $failed
