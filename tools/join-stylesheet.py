#!/usr/bin/env python3
"""Makes one self-contained stylesheet of a page: its structure, the shared templates it draws with and the
words of one language, joined under the structure's root, so that the installed file imports and includes
nothing (MSXML loads it with its default properties) and a lab restyles it without knowing of other files.

    join-stylesheet.py OUTPUT --words WORDS.xsl --prefix report. STRUCTURE.xsl [SHARED.xsl ...]

The words file's variables whose names begin with one of the --prefix values are taken; the other parts
are taken whole, without their xsl:output and xsl:strip-space (the structure's stand)."""
import argparse
import re
import sys

ROOT = re.compile(r"<xsl:stylesheet\b[^>]*>", re.S)
END = "</xsl:stylesheet>"
# A top-level variable of a words file: one line, or a text over several lines (no markup inside).
VARIABLE = re.compile(r'[ \t]*<xsl:variable name="([^"]+)"(?:[^>]*/>|[^>]*>.*?</xsl:variable>)[ \t]*\n?', re.S)
REPEATED = re.compile(r"[ \t]*<xsl:(?:output|strip-space)\b[^>]*/>[ \t]*\n?")
LINKED = re.compile(r"<xsl:(?:import|include)\b")


def split(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    root = ROOT.search(text)
    end = text.rfind(END)
    if root is None or end < root.end():
        sys.exit(f"{path}: no xsl:stylesheet element")
    return text[: root.start()], root.group(0), text[root.end() : end]


def words_of(path, prefixes):
    _, _, body = split(path)
    chosen = [m.group(0) for m in VARIABLE.finditer(body) if m.group(1).startswith(tuple(prefixes))]
    if not chosen:
        sys.exit(f"{path}: no variable begins with {', '.join(prefixes)}")
    return "\n" + "".join(chosen)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("output")
    parser.add_argument("--words", required=True)
    parser.add_argument("--prefix", action="append", required=True)
    parser.add_argument("parts", nargs="+")
    args = parser.parse_args()

    head, root, body = split(args.parts[0])
    files = [p.rsplit("/", 1)[-1] for p in args.parts + [args.words]]
    names = ", ".join(files[:-1]) + " and " + files[-1]
    declaration, _, comment = head.partition("?>")
    text = declaration + "?>\n<!-- Made from " + names + " when the program was built: the whole page in one file. -->"
    text += comment + root + body.rstrip() + "\n"
    for part in args.parts[1:]:
        text += "\n" + REPEATED.sub("", split(part)[2]).strip("\n") + "\n"
    text += words_of(args.words, args.prefix) + END + "\n"
    if LINKED.search(text):
        sys.exit(f"{args.output}: a part still imports or includes another file")
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
