#!/usr/bin/python3
"""Checks that `tamsel cleanup` keeps the meaning of real pages.

For each page (files given, the *.htm* files of folders given (not *.html.gz), or a list of paths with --list) the page is
cleaned with `tamsel cleanup --ignore-errors PAGE -o OUT` and four things are checked:

  text     the text a browser shows is the same (below);
  scripts  every inline JavaScript block `node --check` accepted before is still accepted;
  again    cleaning OUT once more gives OUT byte for byte;
  codes    `tamsel check` finds the same problem codes (as a multiset) on OUT as on PAGE.

The text comparison parses both pages with html5lib, as a browser would, and walks the body and the
title. Outside PRE, TEXTAREA, LISTING, XMP and PLAINTEXT, where every character counts, a run of white space
shows as one blank, and a blank next to the edge of a block-level box (a paragraph, a list item, a table
cell, a line break) does not show at all: those are the only blanks the cleanup may add or remove, since it
puts block-level elements on lines of their own. Between inline pieces a blank shows, so one added there
(`H<SUB>2</SUB>O` becoming `H <SUB>2</SUB> O`) or lost counts as a change. Images, form controls and
other replaced elements stand as one character each, so a blank next to them counts too. Markup between
pieces of text (B, A, SPAN ...) is not compared; script and style contents are the scripts check's and
nobody's.

Prints one line per failing page with its reasons, then a summary; exit status 1 when a page failed.
Needs /usr/bin/python3 with python3-html5lib, and node for the scripts check (skipped without it).
"""

import argparse
import collections
import concurrent.futures
import difflib
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile

import html5lib

HERE = os.path.dirname(os.path.abspath(__file__))

# Elements whose box is a block: white space at their edges does not show.
BLOCK = set("""address article aside blockquote body caption center col colgroup dd details dialog dir div dl dt
fieldset figcaption figure footer form frame frameset h1 h2 h3 h4 h5 h6 header hgroup hr html legend li listing
main menu nav ol optgroup option p plaintext pre section summary table tbody td tfoot th thead title tr
ul xmp""".split())
PRESERVED = {"pre", "textarea", "listing", "xmp", "plaintext"}
# Not shown at all; a browser with frames shows no NOFRAMES (the parser keeps its content as raw text).
HIDDEN = {"script", "style", "template", "meta", "link", "base", "param", "source", "track", "area", "map",
          "noframes", "noembed"}
# Replaced elements: one character on the line, their content (fallback) not shown.
REPLACED = {"img", "input", "embed", "iframe", "video", "audio", "canvas", "svg", "math", "applet"}
# Inline boxes with content of their own: a character outside, a block inside.
INLINE_BOX = {"button", "select", "textarea", "object"}

BLOCK_EDGE = "\u00b6"  # shown in differences
LINE_BREAK = "\u21b5"
OBJECT = "\ufffc"
WHITE = re.compile(r"[ \t\n\r\f]+")
JS_TYPES = {"", "text/javascript", "application/javascript", "text/ecmascript", "application/ecmascript",
            "text/jscript", "application/x-javascript", "module"}


def decode(data):
    """The page's text as tamsel reads it: UTF-8 when the bytes are, otherwise Windows-1252."""
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("cp1252", errors="replace")


def parse(data):
    return html5lib.parse(decode(data), treebuilder="etree", namespaceHTMLElements=False)


def shown_pieces(root):
    """The page as a list of text pieces (text, preserved) and the marks BLOCK_EDGE, LINE_BREAK, OBJECT."""
    out = []

    def walk(el, preserved):
        tag = el.tag if isinstance(el.tag, str) else None
        if tag is None or tag in HIDDEN:
            return
        if tag == "input" and (el.get("type") or "").strip().lower() == "hidden":
            return
        if tag == "head":
            for child in el:
                if child.tag == "title":
                    walk(child, False)
            return
        if tag in REPLACED:
            out.append(OBJECT)
            return
        if tag == "br":
            out.append(LINE_BREAK)
            return
        box = tag in INLINE_BOX
        edge = box or tag in BLOCK
        if box:
            out.append(OBJECT)
        if edge:
            out.append(BLOCK_EDGE)
        preserved = preserved or tag in PRESERVED
        if el.text:
            out.append((el.text, preserved))
        for child in el:
            walk(child, preserved)
            if child.tail:
                out.append((child.tail, preserved))
        if edge:
            out.append(BLOCK_EDGE)
        if box:
            out.append(OBJECT)

    walk(root, False)
    return out


def shown_text(root):
    """What a reader sees, as one string: folded text, blanks at block edges gone, marks in between."""
    items = []
    run = []

    def end_run():
        if run:
            text = WHITE.sub(" ", "".join(run))
            if text:
                items.append(["fold", text])
            run.clear()

    for piece in shown_pieces(root):
        if isinstance(piece, tuple):
            text, preserved = piece
            if preserved:
                end_run()
                items.append(["keep", text])
            else:
                run.append(text)
        else:
            end_run()
            items.append(["mark", piece])
    end_run()
    edges = (BLOCK_EDGE, LINE_BREAK)
    for i, item in enumerate(items):
        if item[0] != "fold":
            continue
        if i == 0 or items[i - 1][1] in edges:
            item[1] = item[1].lstrip(" ")
        if i + 1 == len(items) or items[i + 1][1] in edges:
            item[1] = item[1].rstrip(" ")
    text = "".join(item[1] for item in items)
    # Marks of empty boxes in a row say nothing a reader sees.
    return re.sub(BLOCK_EDGE + "+", BLOCK_EDGE, text)


def first_difference(a, b, what):
    i = 0
    while i < len(a) and i < len(b) and a[i] == b[i]:
        i += 1
    before, after = a[max(0, i - 30):i + 30], b[max(0, i - 30):i + 30]
    if i < len(b) and b[i] == " " and a[i:i + 4] == b[i + 1:i + 5]:
        kind = "a blank added"
    elif i < len(a) and a[i] == " " and b[i:i + 4] == a[i + 1:i + 5]:
        kind = "a blank lost"
    else:
        kind = "text differs"
    return f"{what}: {kind} at {i}: {before!r} -> {after!r}", f"{what}: {kind}"


def inline_scripts(root):
    scripts = []
    for el in root.iter("script"):
        kind = (el.get("type") or "").strip().lower()
        language = (el.get("language") or "javascript").strip().lower()
        if el.get("src") is not None or kind not in JS_TYPES or "script" not in language or "vb" in language:
            continue
        scripts.append((el.text or "", kind == "module"))
    return scripts


_node_cache = {}


def node_accepts(node, text, module, folder):
    key = (hashlib.sha1(text.encode("utf-8", "surrogatepass")).hexdigest(), module)
    if key not in _node_cache:
        path = os.path.join(folder, key[0] + (".mjs" if module else ".js"))
        with open(path, "w", encoding="utf-8", errors="surrogatepass") as f:
            f.write(text)
        run = subprocess.run([node, "--check", path], capture_output=True, text=True, errors="replace")
        first = next((line for line in run.stderr.splitlines() if "Error" in line), run.stderr.strip()[:120])
        _node_cache[key] = (run.returncode == 0, first)
    return _node_cache[key]


def second_cleanup_change(a, b):
    """The first place the second cleanup changes, and whether it only cuts lines anew: the margin rule cuts
    a long line at the first blank beyond the margin, which leaves a line longer than the margin that the
    next cleanup cuts at the last blank before it."""
    old, new = a.splitlines(), b.splitlines()
    places = sum(1 for h in difflib.SequenceMatcher(None, old, new, autojunk=False).get_opcodes() if h[0] != "equal")
    line = next((n for n, (x, y) in enumerate(zip(old, new)) if x != y), min(len(old), len(new)))
    # Each word with the indentation of its line: cutting a line anew keeps both.
    placed = lambda text: [(len(x) - len(x.lstrip(" ")), w) for x in text.splitlines() for w in x.split()]
    if placed(a) == placed(b):
        shown = lambda lines: " / ".join(x.strip() for x in lines)[:160]
        return (f"second cleanup cuts again lines the margin rule left long, {places} places, first at line {line + 1}: "
                f"{shown(old[line:line + 2])!r} -> {shown(new[line:line + 2])!r}",
                "second cleanup cuts again lines the margin rule left long")
    wa, wb = " ".join(a.split()), " ".join(b.split())
    if wa == wb:
        return (f"second cleanup changes the indentation, {places} places, first at line {line + 1}: "
                f"{old[line][:100]!r} -> {new[line][:100]!r}", "second cleanup changes the indentation")
    i = next((n for n, (x, y) in enumerate(zip(wa, wb)) if x != y), min(len(wa), len(wb)))
    return (f"second cleanup changes more than line cuts, {places} places, first at line {line + 1}; text differs at "
            f"{wa[max(0, i - 50):i + 50]!r} -> {wb[max(0, i - 50):i + 50]!r}", "second cleanup changes more than line cuts")


def cleanup(tool, page, out, env):
    os.makedirs(os.path.dirname(out), exist_ok=True)
    run = subprocess.run([tool.tamsel, "cleanup", "--data", tool.data, "--ignore-errors", *tool.sets, page, "-o", out],
                         capture_output=True, env=env)
    if run.returncode != 0 or not os.path.exists(out):
        last = run.stderr.decode("utf-8", "replace").strip().splitlines()[-1:] or [""]
        return f"exit {run.returncode}: {last[0][:160]}"
    return None


def check_page(tool, index, page, work, env):
    """Cleans one page and checks text, scripts and the second cleanup. Returns (page, out, results)
    where results maps a check to None (passed), "skip" or (reason with detail, reason kind)."""
    folder = os.path.join(work, str(index))
    name = os.path.basename(page)
    out = os.path.join(folder, "once", name)
    again = os.path.join(folder, "again", name)
    results = {}
    failed = cleanup(tool, page, out, env)
    if failed:
        results["cleanup"] = (f"cleanup: {failed}", "cleanup did not write the page: " + failed.split(":")[0])
        return page, None, results
    with open(page, "rb") as f:
        before_bytes = f.read()
    with open(out, "rb") as f:
        after_bytes = f.read()

    failed = cleanup(tool, out, again, env)
    if failed:
        results["again"] = (f"second cleanup: {failed}", "second cleanup did not write the page")
    else:
        with open(again, "rb") as f:
            again_bytes = f.read()
        results["again"] = None if again_bytes == after_bytes else second_cleanup_change(decode(after_bytes),
                                                                                        decode(again_bytes))

    before, after = parse(before_bytes), parse(after_bytes)
    text_before, text_after = shown_text(before), shown_text(after)
    results["text"] = None if text_before == text_after else first_difference(text_before, text_after, "text")

    if not tool.node:
        results["scripts"] = "skip"
    else:
        old, new = inline_scripts(before), inline_scripts(after)
        results["scripts"] = None
        if len(old) != len(new):
            results["scripts"] = (f"scripts: {len(old)} inline scripts before, {len(new)} after", "scripts: count changed")
        else:
            for n, ((a, module), (b, _)) in enumerate(zip(old, new), 1):
                if a == b or not node_accepts(tool.node, a, module, folder)[0]:
                    continue
                ok, message = node_accepts(tool.node, b, module, folder)
                if not ok:
                    results["scripts"] = (f"script {n} no longer parses: {message}", "script no longer parses")
                    break
    shutil.rmtree(os.path.join(folder, "again"), ignore_errors=True)
    return page, out, results


def problem_codes(tool, paths, env):
    """The problem codes `tamsel check` prints for each path, as Counters; a few hundred paths a run."""
    codes = {p: collections.Counter() for p in paths}
    code = re.compile(r"\[(-?\d+)\]\s*$")
    for start in range(0, len(paths), 300):
        batch = paths[start:start + 300]
        run = subprocess.run([tool.tamsel, "check", "--data", tool.data, *batch], capture_output=True, env=env)
        # A problem starts with its path and ends with its code; a message may hold line breaks.
        known = set(batch)
        current, record = None, []
        for line in run.stdout.decode("utf-8", "replace").split("\n") + [None]:
            owner = None
            if line is not None:
                for m in re.finditer(":", line):
                    if line[:m.start()] in known:
                        owner = line[:m.start()]
                        break
            if line is None or owner is not None:
                if current is not None:
                    m = code.search("\n".join(record))
                    if m:
                        codes[current][m.group(1)] += 1
                current, record = owner, [line] if line is not None else []
            elif current is not None:
                record.append(line)
    return codes


def pages_of(paths, list_file):
    """The pages to check in order; a page reached through several links counts once."""
    found, seen = [], set()

    def add(path):
        real = os.path.realpath(path)
        if real not in seen:
            seen.add(real)
            found.append(path)

    named = list(paths)
    if list_file:
        with (sys.stdin if list_file == "-" else open(list_file)) as f:
            named += [line.rstrip("\n") for line in f if line.strip()]
    for path in named:
        if not os.path.isdir(path):
            add(path)
            continue
        walked = set()
        for folder, dirs, files in os.walk(path, followlinks=True):
            real = os.path.realpath(folder)
            if real in walked:
                dirs[:] = []
                continue
            walked.add(real)
            dirs.sort()
            for name in sorted(files):
                # as tamsel's site walk: what follows the last "." begins with "htm" (no "page.html.gz")
                if name.lower().rsplit(".", 1)[-1].startswith("htm") and not name.endswith("$"):
                    add(os.path.join(folder, name))
    return found


def main():
    build = os.path.join(os.path.dirname(HERE), "build")
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("paths", nargs="*", help="pages or site folders")
    ap.add_argument("--list", help="a file naming one page a line ('-': standard input)")
    ap.add_argument("--tamsel", default=os.environ.get("TAMSEL_CLI", os.path.join(build, "bin", "tamsel")))
    ap.add_argument("--data", default=os.environ.get("TAMSEL_DATA_DIR", os.path.join(build, "share", "tamsel2001")))
    ap.add_argument("--set", action="append", default=[], metavar="KEY=VALUE", help="passed on to tamsel cleanup")
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--examples", type=int, default=8, help="reasons listed in the summary")
    args = ap.parse_args()

    pages = pages_of(args.paths, args.list)
    if not pages:
        ap.error("no pages")
    tool = argparse.Namespace(tamsel=args.tamsel, data=args.data, node=shutil.which("node"),
                              sets=[x for kv in args.set for x in ("--set", kv)])
    work = tempfile.mkdtemp(prefix="cleanup_meaning.")
    # The layout of the program's defaults, not of whoever runs this.
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"), XDG_DATA_HOME=os.path.join(work, "data"))
    try:
        results, outputs = {}, {}
        with concurrent.futures.ProcessPoolExecutor(max_workers=max(1, args.jobs)) as pool:
            futures = [pool.submit(check_page, tool, i, page, work, env) for i, page in enumerate(pages)]
            for future in concurrent.futures.as_completed(futures):
                page, out, checks = future.result()
                results[page] = checks
                if out:
                    outputs[page] = out
        cleaned = [p for p in pages if p in outputs]
        before = problem_codes(tool, cleaned, env)
        after = problem_codes(tool, [outputs[p] for p in cleaned], env)
        for page in cleaned:
            old, new = before[page], after[outputs[page]]
            if old == new:
                results[page]["codes"] = None
            else:
                gained = "".join(f" +[{c}]x{n}" for c, n in sorted((new - old).items()))
                lost = "".join(f" -[{c}]x{n}" for c, n in sorted((old - new).items()))
                results[page]["codes"] = (f"codes:{gained}{lost}", f"codes:{gained}{lost}")
    finally:
        shutil.rmtree(work, ignore_errors=True)

    names = [("text", "text shown unchanged"), ("scripts", "inline scripts still parse"),
             ("again", "second cleanup changes nothing"), ("codes", "same problem codes")]
    reasons = collections.Counter()
    example = {}
    failing = 0
    for page in pages:
        checks = results[page]
        bad = [v for v in checks.values() if isinstance(v, tuple)]
        if not bad:
            continue
        failing += 1
        print(f"{page}: " + " | ".join(detail for detail, _ in bad))
        for detail, kind in bad:
            reasons[kind] += 1
            example.setdefault(kind, f"{page}: {detail}")
    total = len(pages)
    print(f"\n{total} pages (a page reached through several links counted once), {total - failing} pass every check")
    not_cleaned = sum(1 for p in pages if "cleanup" in results[p])
    if not_cleaned:
        print(f"  {not_cleaned} not cleaned (cleanup wrote nothing), so not checked further")
    for key, label in names:
        passed = sum(1 for p in pages if key in results[p] and results[p][key] is None)
        skipped = sum(1 for p in pages if results[p].get(key) == "skip")
        line = f"  {label:32} {passed:5} of {total - not_cleaned - skipped}" + (f" ({skipped} skipped)" if skipped else "")
        if key == "again":
            recut = sum(1 for p in pages if isinstance(results[p].get(key), tuple) and "margin" in results[p][key][1])
            line += f"; {passed + recut} when cutting again the lines the margin rule left long does not count"
        print(line)
    if reasons:
        print("most frequent reasons:")
        for kind, n in reasons.most_common(args.examples):
            print(f"  {n:5}  {kind}\n         e.g. {example[kind][:300]}")
    return 1 if failing else 0


if __name__ == "__main__":
    sys.exit(main())
