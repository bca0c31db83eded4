#!/usr/bin/env python3
"""Builds the exercise descriptions programfiles/hlp/*.rtf from their sources in
tools/helpsrc/*.txt (UTF-8). The RTF is plain ASCII: characters of code page 1251 become
\\'hh escapes, anything else \\uN with a '?' fallback.

Source markup, one block per paragraph (blocks are separated by blank lines):
  # Title            centred title
  ## Heading         section heading
  - item             one bulleted line (consecutive items form a list)
  text               an ordinary paragraph; its lines are joined with spaces
Inline: **bold**, *italic*, __underline__, !!red!!, ++green++.

Usage: tools/make_help.py            (writes every document)
       tools/make_help.py --check    (fails when a document is out of date)
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "tools" / "helpsrc"
TARGET = ROOT / "programfiles" / "hlp"

HEADER = (r"{\rtf1\ansi\ansicpg1251\deff0\uc1"
          r"{\fonttbl{\f0\fswiss\fcharset204 Arial;}}"
          "\r\n"
          r"{\colortbl;\red0\green51\blue153;\red128\green0\blue0;\red204\green0\blue0;"
          r"\red0\green128\blue0;}"
          "\r\n"
          r"{\info{\title Oxelium}}\viewkind4\pard\plain\f0\fs22 ")

INLINE = re.compile(r"(\*\*|__|!!|\+\+|\*)")
SWITCHES = {"**": (r"\b ", r"\b0 "), "*": (r"\i ", r"\i0 "), "__": (r"\ul ", r"\ulnone "),
            "!!": (r"\cf3 ", r"\cf0 "), "++": (r"\cf4 ", r"\cf0 ")}


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 0x80:
            out.append(ch)
        else:
            try:
                out.append("\\'%02x" % ch.encode("cp1251")[0])
            except UnicodeEncodeError:
                code = ord(ch)
                out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
    return "".join(out)


def inline(text):
    out, state = [], set()
    for part in INLINE.split(text):
        if part in SWITCHES:
            on, off = SWITCHES[part]
            out.append(off if part in state else on)
            state ^= {part}
        else:
            out.append(escape(part))
    if state:
        raise ValueError("unclosed %s in: %s" % (sorted(state), text))
    return "".join(out)


def blocks(source):
    for block in re.split(r"\n\s*\n", source.strip()):
        lines = [line.strip() for line in block.strip().splitlines()]
        if lines[0].startswith("- "):
            items, current = [], None
            for line in lines:
                if line.startswith("- "):
                    current = [line[2:]]
                    items.append(current)
                else:
                    current.append(line)
            yield "list", [" ".join(item) for item in items]
        else:
            yield "text", " ".join(lines)


def paragraph(kind, text):
    if kind == "list":
        # The last item keeps the space after an ordinary paragraph.
        return "".join(r"\pard\li420\fi-210\sa%d \'95  " % (100 if i == len(text) - 1 else 40)
                       + inline(item) + r"\par" + "\r\n" for i, item in enumerate(text))
    if text.startswith("## "):
        return r"\pard\sb240\sa80{\b\fs26\cf2 " + inline(text[3:]) + r"}\par" + "\r\n"
    if text.startswith("# "):
        return r"\pard\qc\sa240{\b\fs34\cf1 " + inline(text[2:]) + r"}\par" + "\r\n"
    return r"\pard\qj\sa100 " + inline(text) + r"\par" + "\r\n"


def wrap(rtf, width=96):
    # A line end inside RTF text is ignored, so lines are broken only after a space.
    out = []
    for line in rtf.split("\r\n"):
        while len(line) > width:
            cut = line.rfind(" ", 0, width)
            if cut <= 0:
                break
            out.append(line[:cut + 1])
            line = line[cut + 1:]
        out.append(line)
    return "\r\n".join(out)


def build(source):
    body = "".join(paragraph(kind, text) for kind, text in blocks(source))
    return wrap(HEADER + "\r\n" + body + "}\r\n").encode("ascii")


def main():
    check = "--check" in sys.argv[1:]
    stale = []
    for src in sorted(SOURCES.glob("*.txt")):
        target = TARGET / (src.stem + ".rtf")
        data = build(src.read_text(encoding="utf-8"))
        if check:
            if not target.exists() or target.read_bytes() != data:
                stale.append(target.name)
        else:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    if stale:
        sys.exit("out of date: " + ", ".join(stale))


if __name__ == "__main__":
    main()
