#!/usr/bin/env bash
# Installs a built rkvviewer3 package on this machine as a user would
# (apt-get install ./rkvviewer3_*.deb), checks what it installed, runs the
# installed viewer on the installed sample model under Xvfb, the installed
# exporter and the installed thumbnailer, then purges the package and checks
# that none of its files is left. Needs root (or sudo), Xvfb, ImageMagick,
# xwininfo and poppler's pdfinfo.
#   packaging/install-test.sh path/to/rkvviewer3_<version>_amd64.deb
set -euo pipefail

deb="$(realpath "$1")"
package=rkvviewer3
model=/usr/share/RKVViewer3/models/Cottage/Cottage.RKV3
work="$(mktemp -d)"
viewer_pid="" xvfb_pid=""

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
fail() {
  echo "install test: $*" >&2
  exit 1
}
cleanup() {
  [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  # A failed run purges the package too, so the machine is left as it was.
  if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q "$package" >/dev/null || true
  fi
  rm -rf "$work"
}

# An installed copy would be removed at the end: the test leaves a machine
# that has the program installed alone.
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
  rm -rf "$work"
  fail "$package is already installed; remove it before running this test"
fi
trap cleanup EXIT

echo "Installing $deb"
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
dpkg-query -W -f='${Status}' "$package" | grep -q "install ok installed" || fail "$package is not installed"
dpkg -L "$package" | sort >"$work/files"

# What the desktop and the software centre read.
for f in /usr/bin/RKVViewer3 /usr/bin/rkv3export "$model" /usr/share/applications/RKVViewer3.desktop \
         /usr/share/thumbnailers/rkvviewer3.thumbnailer /usr/share/man/man1/RKVViewer3.1.gz \
         /usr/share/man/man1/rkv3export.1.gz /usr/share/doc/$package/copyright; do
  [ -e "$f" ] || fail "$f is not installed"
done
desktop-file-validate /usr/share/applications/RKVViewer3.desktop || fail "the menu entry is not valid"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log" >&2; fail "the metainfo is not valid"; }
fi
grep -q "application/x-rkv3-model:\*\.RKV3" /usr/share/mime/globs2 || fail "the model file type is not registered"

# The viewer on the sample model, on a display of its own with a home of its
# own: its window appears with the coloured page in it.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
QT_QPA_PLATFORM=xcb /usr/bin/RKVViewer3 "$model" >"$work/viewer.log" 2>&1 &
viewer_pid=$!
shown=""
for _ in $(seq 1 60); do
  sleep 0.5
  kill -0 "$viewer_pid" 2>/dev/null || { cat "$work/viewer.log" >&2; fail "the viewer ended early"; }
  xwininfo -root -tree 2>/dev/null | grep -q '"RKVViewer 3 (Cottage.RKV3' || continue
  # The page is drawn when the screen holds far more colours than an empty
  # window's few.
  import -window root "$work/screen.png" 2>/dev/null || continue
  colours="$(convert "$work/screen.png" -format '%k' info:)"
  if [ "$colours" -gt 500 ]; then shown=yes; break; fi
done
[ -n "$shown" ] || fail "the viewer's window with the sample model did not appear (colours: ${colours:-none})"
echo "The installed viewer shows the sample model ($colours colours on the screen)"
kill "$viewer_pid"; wait "$viewer_pid" 2>/dev/null || true; viewer_pid=""
kill "$xvfb_pid"; wait "$xvfb_pid" 2>/dev/null || true; xvfb_pid=""
unset DISPLAY

# The exporter: the sample model as a PDF of its pages.
rkv3export -q "$model" -o "$work/Cottage.pdf" || fail "the exporter failed"
pages="$(sed -n '3{s/\r//;p}' "$model")"  # the manifest's page count
sheets="$(pdfinfo "$work/Cottage.pdf" | awk '/^Pages:/ {print $2}')"
[ "$sheets" = "$pages" ] || fail "the exported PDF has $sheets pages, the model $pages"

# The thumbnailer, run as a file manager runs it: its Exec line with the
# size, the model and the output put in, each one word.
exec_line="$(sed -n 's/^Exec=//p' /usr/share/thumbnailers/rkvviewer3.thumbnailer)"
read -r -a words <<<"$exec_line"
for i in "${!words[@]}"; do
  case "${words[$i]}" in
    %s) words[$i]=128 ;;
    %i) words[$i]="$model" ;;
    %o) words[$i]="$work/thumb nail.png" ;;
  esac
done
"${words[@]}" || fail "the thumbnailer failed: ${words[*]}"
size="$(identify -format '%w %h' "$work/thumb nail.png")"
read -r w h <<<"$size"
[ "$(( w > h ? w : h ))" -eq 128 ] || fail "the thumbnail is $size, not 128 on its longer side"
echo "The installed exporter wrote $sheets sheets and a $w x $h thumbnail"

# Removed and purged, nothing of the package is left: no file, no link, and
# no folder of its own (folders other packages own, or that hold their
# files, stay).
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q -o DPkg::Lock::Timeout=300 "$package" \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get remove failed"; }
left=()
while IFS= read -r path; do
  if [ -L "$path" ] || [ -f "$path" ]; then
    left+=("$path")
  elif [ -d "$path" ] && [ -z "$(ls -A "$path")" ] && ! dpkg -S "$path" >/dev/null 2>&1; then
    left+=("$path/")
  fi
done <"$work/files"
[ "${#left[@]}" -eq 0 ] || fail "left behind after purging: ${left[*]}"
echo "Installed, ran and purged $package cleanly ($(wc -l <"$work/files") paths)"
