#!/bin/sh
# Installs the build into a scratch DESTDIR and runs the installed program from there: it must find its
# shipped data beside it (no TAMSEL_DATA_DIR), and the menu entry, icon and manual pages must be in place.
set -eu
build=$1
stage=$(mktemp -d)
manifest="$build/install_manifest.txt"
# cmake --install writes the build folder's manifest; a real install's must survive this test.
[ -f "$manifest" ] && cp "$manifest" "$stage/manifest.keep"
restore() {
  if [ -f "$stage/manifest.keep" ]; then cp "$stage/manifest.keep" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$stage"
}
trap restore EXIT
fail() { echo "install test: $*" >&2; exit 1; }

DESTDIR="$stage/root" cmake --install "$build" --prefix /usr/local >/dev/null
root="$stage/root/usr/local"
for f in bin/tamsel bin/tamsel2001 share/tamsel2001/HTML_Tags.DB share/applications/tamsel2001.desktop \
         share/icons/hicolor/scalable/apps/tamsel2001.svg share/man/man1/tamsel.1 share/man/man1/tamsel2001.1; do
  [ -e "$root/$f" ] || fail "$f was not installed"
done
[ -e "$root/share/tamsel2001/templates/HTML5 Page.tpl" ] || fail "the document templates were not installed"
# The Help menu's files, compiled by the build when chmcmd is there.
if command -v chmcmd >/dev/null; then
  for f in tamsel2001.chm HTML.chm CSS.chm; do
    [ -s "$root/share/tamsel2001/$f" ] || fail "the help file $f was not installed"
  done
fi

mkdir -p "$stage/home"
printf '<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY><P>x</P></BODY></HTML>\n' >"$stage/page.htm"
out=$(cd "$stage" && env -u TAMSEL_DATA_DIR HOME="$stage/home" XDG_DATA_HOME="$stage/home/data" \
      XDG_CONFIG_HOME="$stage/home/config" "$root/bin/tamsel" check page.htm 2>&1) || fail "check failed: $out"
case "$out" in *"1 file, 0 errors, 0 warnings"*) ;; *) fail "unexpected check output: $out" ;; esac
"$root/bin/tamsel2001" --version | grep -q '^tamsel2001 ' || fail "tamsel2001 --version"

desktop="$root/share/applications/tamsel2001.desktop"
grep -q '^Exec=tamsel2001 %F$' "$desktop" || fail "the menu entry does not start tamsel2001"
grep -q '^MimeType=.*text/html;' "$desktop" || fail "the menu entry does not open HTML"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop" || fail "invalid menu entry"; fi
echo "install test: passed"
