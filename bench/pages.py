#!/usr/bin/env python3
"""Writes the large pages the editor benchmarks open, into a folder: a table of rows as generated pages
have them (tags with attributes, links, a comment now and then), of 1, 10, 50 and 100 MB in CR LF lines,
and of 10 MB on a single line as a minifier leaves it. A page already there is kept.

usage: pages.py FOLDER [NAME...]   (names as "10_MB_page"; all of them when none is given)
"""
import os
import sys

PAGES = {
    "1_MB_page": (1, False),
    "10_MB_page": (10, False),
    "50_MB_page": (50, False),
    "100_MB_page": (100, False),
    "10_MB_on_one_line": (10, True),
}


def page(megabytes, one_line):
    end = b"" if one_line else b"\r\n"
    size = megabytes * 1024 * 1024
    parts = [b"<HTML><HEAD><TITLE>Rows</TITLE></HEAD><BODY><TABLE BORDER=1>" + end]
    written = len(parts[0])
    i = 0
    while written < size:
        n = str(i).encode()
        row = (b'<TR><TD ALIGN=center WIDTH="50%">caf\xc3\xa9 ' + n + b'</TD><TD><A HREF="p' + n
               + b'.htm" TARGET=main>link</A></TD></TR>' + end)
        if i % 50 == 0:
            row += b"<!-- row " + n + b" -->" + end
        parts.append(row)
        written += len(row)
        i += 1
    parts.append(b"</TABLE></BODY></HTML>" + end)
    return b"".join(parts)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name in sys.argv[2:] or PAGES:
        if name not in PAGES:
            sys.exit("pages.py: no page named " + name)
        path = os.path.join(folder, name + ".htm")
        if not os.path.exists(path):
            with open(path + ".part", "wb") as out:
                out.write(page(*PAGES[name]))
            os.replace(path + ".part", path)
        print(path)


if __name__ == "__main__":
    main()
