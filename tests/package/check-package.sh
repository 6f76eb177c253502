#!/usr/bin/env bash
# The Debian package: CPack builds it, lintian finds no error, the desktop entry validates, and
# the programs run from a temporary root where it is unpacked (dpkg -x), finding their files
# relative to themselves. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

lintian --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
! grep -q '^E:' "$work/lintian.txt" || fail "lintian reports errors"

root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/bin/KavoZel usr/bin/zel usr/libexec/kavozel/zel-draw \
         usr/share/kavozel/鉄筋Ｆ値.TBL usr/share/kavozel/samples/floor.Zel usr/share/applications/kavozel.desktop \
         usr/share/mime/packages/kavozel.xml usr/share/icons/hicolor/scalable/apps/kavozel.svg \
         usr/share/metainfo/org.example.kavozel.metainfo.xml usr/share/man/man1/zel.1.gz; do
  [ -e "$root/$f" ] || fail "missing /$f"
done
desktop-file-validate "$root/usr/share/applications/kavozel.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.kavozel.metainfo.xml" ||
  fail "AppStream metadata"

# The unpacked programs run where they lie.
[ "$("$root/usr/bin/zel" --version)" = "Ver.2.0.5" ] || fail "zel --version"
"$root/usr/bin/zel" calc "$root/usr/share/kavozel/samples/floor.Zel" >"$work/calc.txt" ||
  fail "zel calc on the installed sample"
"$build/bin/zel" calc "$build/bin/samples/floor.Zel" >"$work/calc-build.txt"
cmp -s "$work/calc.txt" "$work/calc-build.txt" || fail "installed zel calc differs from the build's"
grep -q "OK" "$work/calc.txt" || fail "zel calc printed no judgement"
# zel loads no Qt; its sheet comes from the drawing program in /usr/libexec/kavozel.
# grep -q stops reading at its match, and pipefail would count the writer's broken pipe.
! ldd "$root/usr/bin/zel" | grep libQt >/dev/null || fail "zel loads Qt"
"$root/usr/bin/zel" sheet -q "$root/usr/share/kavozel/samples/floor.Zel" -o "$work/floor.pdf" \
  >/dev/null || fail "zel sheet on the installed sample"
pdftotext "$work/floor.pdf" - | grep "2G1" >/dev/null || fail "the installed zel's sheet lacks beam 2G1"

# The window starts from there too, opens the installed sample, and keeps its settings and
# defaults in the user's configuration folder, since /usr/bin is not the place for them.
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen KAVOZEL_EXIT_AFTER_FIRST_PAINT=1 \
  "$root/usr/bin/KavoZel" "$root/usr/share/kavozel/samples/floor.Zel" >"$work/gui.log" 2>&1 ||
  { cat "$work/gui.log"; fail "KavoZel does not start from the unpacked package"; }
for f in KAVOZel.INI KavoZel.Def; do
  [ -f "$work/config/kavozel/$f" ] || fail "$f not in the configuration folder"
  [ ! -e "$root/usr/bin/$f" ] || fail "$f written beside the program"
done

# The file type is known by its extension and, renamed, by its signature.
update-mime-database "$root/usr/share/mime"
cp "$root/usr/share/kavozel/samples/floor.Zel" "$work/floor.Zel"
cp "$root/usr/share/kavozel/samples/floor.Zel" "$work/no-extension"
for f in "$work/floor.Zel" "$work/no-extension"; do
  type=$(XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$root/usr/share" \
         gio info -a standard::content-type "$f" | sed -n 's/.*standard::content-type: //p')
  [ "$type" = "application/x-kavo-zel" ] || fail "$(basename "$f") is $type"
done
echo "check-package: ok"
