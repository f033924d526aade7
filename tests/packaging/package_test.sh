#!/bin/bash
# package_test.sh BUILD_DIR CPACK: makes the Debian package from the build, unpacks it into a
# temporary root and checks what a user gets: the converter and the compiler convert, the editor
# starts and opens the file named on its command line, the desktop files and manual pages pass
# the checks of the tools the desktop uses, and lintian reports no error. Every tool it needs is
# installed by scripts/install-deps; a missing one fails the test.
set -euo pipefail
build=$(cd "$1" && pwd)
cpack=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in "$cpack" dpkg-deb lintian desktop-file-validate appstreamcli man update-mime-database gio; do
  command -v "$tool" > /dev/null || fail "$tool is missing (scripts/install-deps installs it)"
done

echo "== the package builds"
(cd "$work" && "$cpack" --config "$build/CPackConfig.cmake" -B "$work/package" > cpack.log 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/package/kelvane_*_amd64.deb)
[ -f "${debs[0]}" ] || fail "no kelvane_VERSION_amd64.deb"
deb=${debs[0]}
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "Depends lacks what shlibdeps finds: $depends"
[[ $depends == *qt6-translations-l10n* ]] || fail "Depends lacks Qt's translations: $depends"
[[ $(dpkg-deb --field "$deb" Description) == *"npm install hanzi-writer-data@2.0.1"* ]] ||
  fail "the description does not say how to install the stroke-order data"
version=$(dpkg-deb --field "$deb" Version)

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

echo "== kelvane-convert and kelvane-shx from the package"
printf '[0041] A\n0,0;3,9;6,0\n[0042] B\n0,0;0,9;5,9;5,0\n' > "$work/two.lff"
"$root/usr/bin/kelvane-convert" "$work/two.lff" "$work/two.shp" --kind ascii --grid 24
grep -q '^\*65,' "$work/two.shp" || fail "the converted font lacks A"
"$root/usr/bin/kelvane-shx" "$work/two.shp" "$work/two.shx"
[ "$(head -c 20 "$work/two.shx")" = "AutoCAD-86 shapes 1." ] || fail "kelvane-shx wrote no compiled font"

echo "== the editor starts and opens the file named"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
[ "$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/kelvane" --version)" = \
  "Kelvane $version" ] || fail "kelvane --version without a display"
"$root/usr/bin/kelvane" --screenshot "$work/empty.png"
"$root/usr/bin/kelvane" --screenshot "$work/open.png" "$work/two.shp"
[ -s "$work/open.png" ] || fail "no picture of the window"
cmp -s "$work/empty.png" "$work/open.png" && fail "the window shows no font"
[ -e "$XDG_CONFIG_HOME" ] && fail "taking a picture wrote the user's configuration"
printf '*65,3,A\r\n8,(1,\r\n' > "$work/broken.shp"
if "$root/usr/bin/kelvane" --screenshot "$work/broken.png" "$work/broken.shp" 2> "$work/errors.txt"; then
  fail "a broken font opened"
fi
grep -q "broken.shp" "$work/errors.txt" || fail "the error does not name the file: $(cat "$work/errors.txt")"
# An import would wait for its name dialog: refused at once.
status=0
timeout 30 "$root/usr/bin/kelvane" --screenshot "$work/import.png" "$work/font.lff" 2> /dev/null || status=$?
[ "$status" = 2 ] || fail "--screenshot of a font to import ended with $status"

echo "== desktop entry, AppStream metadata, file types"
desktop-file-validate "$share/applications/kelvane.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml
export XDG_DATA_DIRS=$share:/usr/share
update-mime-database "$share/mime"
cp "$work/two.shx" "$work/no-extension"
type=$(gio info -a standard::content-type "$work/no-extension" |
       sed -n 's/^ *standard::content-type: //p')
[ "$type" = application/x-autocad-shx ] || fail "a compiled font by its signature is $type"
for size in 16 24 32 48 64 128 256; do
  [ -s "$share/icons/hicolor/${size}x$size/apps/kelvane.png" ] || fail "no $size px icon"
done
[ -s "$share/icons/hicolor/scalable/apps/kelvane.svg" ] || fail "no SVG icon"
[ -s "$share/kelvane/用户手册.pdf" ] || fail "no manual"

echo "== manual pages"
for page in kelvane kelvane-convert kelvane-shx; do
  MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1.gz" > "$work/page.txt" 2> "$work/warnings.txt"
  [ -s "$work/warnings.txt" ] && fail "$page(1): $(cat "$work/warnings.txt")"
  grep -Eq "^ +$page +- " "$work/page.txt" || fail "$page(1) renders no NAME line of its own"
done

echo "== lintian"
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "package test: all checks passed"
