#!/bin/sh
# Makes the RTF fixtures of this folder again from sources/ with the programs that write RTF: LibreOffice
# (Debian's libreoffice-writer-nogui), AbiWord (abiword) and pandoc. The tests only read the committed
# .rtf files; after making them again, check each page the import writes (<case>.actual) before it
# becomes <case>.htm.
set -e
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/sources/* "$work"
cd "$work"
soffice --headless --infilter="HTML (StarWriter)" --convert-to rtf letter.html >/dev/null
cp letter.rtf "$here/libreoffice_letter.rtf"
abiword --to=rtf letter.html -o "$here/abiword_letter.rtf"
pandoc notes.md -o notes.docx
soffice --headless --convert-to rtf notes.docx >/dev/null
cp notes.rtf "$here/libreoffice_from_docx.rtf"
pandoc -s -t rtf notes.md -o "$here/pandoc_notes.rtf"
