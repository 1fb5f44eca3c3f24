#!/usr/bin/env python3
"""Gives every tag of HTML_Tags.txt the attributes all elements take, and rewrites HTML_Attr.txt in the order
the loader expects (by tag, then by name, by character code) and in the aligned layout of `tamsel db dump`.

Usage: python3 data/tools/global_attrs.py [DATA_DIR]   (default: the data folder above this script)

A row equal to one of the rows below is treated as generated: it is dropped and made again for every tag.
A tag's own row of the same name with other settings wins (BDO takes DIR as a required attribute, say).
The comment record "!" takes no attributes: the validator skips the attributes of "<!" tags.
"""
import os
import sys

GLOBAL_ATTRS = [  # name, type, choices
    ("ACCESSKEY", "Text", ""),
    ("AUTOCAPITALIZE", "Choice", "off,none,on,sentences,words,characters"),
    ("AUTOCORRECT", "Choice", "on,off"),
    ("AUTOFOCUS", "Boolean", ""),
    ("CLASS", "Text", ""),
    ("CONTENTEDITABLE", "Choice", "true,false,plaintext-only"),
    ("DIR", "Choice", "ltr,rtl,auto"),
    ("DRAGGABLE", "Choice", "true,false"),
    ("ENTERKEYHINT", "Choice", "enter,done,go,next,previous,search,send"),
    ("HIDDEN", "Boolean", ""),
    ("ID", "Text", ""),
    ("INERT", "Boolean", ""),
    ("INPUTMODE", "Choice", "none,text,decimal,numeric,tel,search,email,url"),
    ("IS", "Text", ""),
    ("ITEMID", "URL", ""),
    ("ITEMPROP", "Text", ""),
    ("ITEMREF", "Text", ""),
    ("ITEMSCOPE", "Boolean", ""),
    ("ITEMTYPE", "URL", ""),
    ("LANG", "Text", ""),
    ("NONCE", "Text", ""),
    ("POPOVER", "Choice", "auto,manual,hint"),
    ("ROLE", "Text", ""),
    ("SLOT", "Text", ""),
    ("SPELLCHECK", "Choice", "true,false"),
    ("STYLE", "Text", ""),
    ("TABINDEX", "Integer", ""),
    ("TITLE", "Text", ""),
    ("TRANSLATE", "Choice", "yes,no"),
    ("WRITINGSUGGESTIONS", "Choice", "true,false"),
]

# The accessibility attributes that apply to any element, and the widget states pages set most often.
TRUE_FALSE = "true,false"
ARIA_ATTRS = [
    ("ARIA-ATOMIC", "Choice", TRUE_FALSE),
    ("ARIA-BUSY", "Choice", TRUE_FALSE),
    ("ARIA-CHECKED", "Choice", "true,false,mixed,undefined"),
    ("ARIA-CONTROLS", "Text", ""),
    ("ARIA-CURRENT", "Choice", "page,step,location,date,time,true,false"),
    ("ARIA-DESCRIBEDBY", "Text", ""),
    ("ARIA-DESCRIPTION", "Text", ""),
    ("ARIA-DETAILS", "Text", ""),
    ("ARIA-DISABLED", "Choice", TRUE_FALSE),
    ("ARIA-ERRORMESSAGE", "Text", ""),
    ("ARIA-EXPANDED", "Choice", "true,false,undefined"),
    ("ARIA-HASPOPUP", "Choice", "false,true,menu,listbox,tree,grid,dialog"),
    ("ARIA-HIDDEN", "Choice", TRUE_FALSE),
    ("ARIA-INVALID", "Choice", "false,true,grammar,spelling"),
    ("ARIA-KEYSHORTCUTS", "Text", ""),
    ("ARIA-LABEL", "Text", ""),
    ("ARIA-LABELLEDBY", "Text", ""),
    ("ARIA-LIVE", "Choice", "off,polite,assertive"),
    ("ARIA-MODAL", "Choice", TRUE_FALSE),
    ("ARIA-OWNS", "Text", ""),
    ("ARIA-PRESSED", "Choice", "true,false,mixed,undefined"),
    ("ARIA-RELEVANT", "Text", ""),
    ("ARIA-REQUIRED", "Choice", TRUE_FALSE),
    ("ARIA-ROLEDESCRIPTION", "Text", ""),
    ("ARIA-SELECTED", "Choice", "true,false,undefined"),
]

# Mouse, keyboard, focus, clipboard and drag events; those of windows, forms and media stay with their tags.
GLOBAL_EVENTS = """ONBLUR ONCLICK ONCONTEXTMENU ONCOPY ONCUT ONDBLCLICK ONDRAG ONDRAGEND ONDRAGENTER ONDRAGLEAVE
    ONDRAGOVER ONDRAGSTART ONDROP ONFOCUS ONINPUT ONKEYDOWN ONKEYPRESS ONKEYUP ONMOUSEDOWN ONMOUSEENTER
    ONMOUSELEAVE ONMOUSEMOVE ONMOUSEOUT ONMOUSEOVER ONMOUSEUP ONPASTE ONSCROLL ONWHEEL""".split()

HEADER = (
    "# HTML_Attr: one attribute a line, grouped by the tag that owns it.\n"
    "# type: Text, Integer, Choice, File, Font, FontSize, Percent, URL, Color, Graphic, Event, Boolean.\n"
    "# required: yes or no. choices: the values of a Choice, joined by \",\".\n")
COLUMNS = ["# tag", "name", "type", "required", "choices"]


def record_rows(path, columns):
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            row = [c.strip() for c in line.split("|")]
            if len(row) != columns or "\\" in line:
                sys.exit(f"{path}: cannot handle the line: {line}")
            yield row


def aligned(rows):
    widths = [max(len(r[i]) for r in rows) for i in range(len(rows[0]) - 1)]
    lines = []
    for r in rows:
        cells = [c.ljust(w) for c, w in zip(r, widths)] + [r[-1]]
        lines.append(" | ".join(cells).rstrip() + "\n")
    return "".join(lines)


def main():
    data = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    tags = [row[0] for row in record_rows(os.path.join(data, "HTML_Tags.txt"), 7)]
    generated = [(name, kind, "no", choices) for name, kind, choices in GLOBAL_ATTRS + ARIA_ATTRS]
    generated += [(name, "Event", "no", "") for name in GLOBAL_EVENTS]
    generated_set = set(generated)

    attr_path = os.path.join(data, "HTML_Attr.txt")
    own = {}
    for tag, name, kind, required, choices in record_rows(attr_path, 5):
        if tag not in tags:
            sys.exit(f"{attr_path}: {tag} {name}: no such tag")
        if (name, kind, required, choices) in generated_set:
            continue
        if (tag, name) in own:
            sys.exit(f"{attr_path}: {tag} {name} given twice")
        own[(tag, name)] = [tag, name, kind, required, choices]
    rows = dict(own)
    for tag in tags:
        if tag == "!":
            continue
        for name, kind, required, choices in generated:
            rows.setdefault((tag, name), [tag, name, kind, required, choices])

    # Every text is plain ASCII, so Python's order of strings is the order by character code.
    ordered = [rows[key] for key in sorted(rows)]
    with open(attr_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(HEADER + aligned([COLUMNS] + ordered))
    print(f"{attr_path}: {len(ordered)} records, {len(own)} of them the tags' own")


if __name__ == "__main__":
    main()
