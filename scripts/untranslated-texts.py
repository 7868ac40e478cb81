#!/usr/bin/env python3
"""Names the texts of the window, the session and the report that look like sentences a user reads
but are not given to tr(), translate() or QT_TR_NOOP/QT_TRANSLATE_NOOP: lupdate collects only what
those hold, so a sentence built outside them would never be translated.

A text looks like a sentence when a capital letter's word is followed by a blank and a lowercase
word ("Cannot open the file"), or when it holds three lowercase words in a row ("the link was
lost"). Adjacent literals count as one text. The allow-list names the texts that are meant to stay
as they are (keys, file names, formats), one a line, and with "file PATH" the files not yet looked
at; "#" begins a comment.

Usage: untranslated_texts.py ALLOW_LIST FOLDER...   (exit status 1 when a text is found)
"""

import pathlib
import re
import sys

TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3",
               "QT_TR_N_NOOP", "QT_TRANSLATE_N_NOOP", "qtTrId"}
SENTENCE = re.compile(r"\b[A-Z][a-z']*[ ]+[a-z]|\b[a-z']+ [a-z']+ [a-z']+\b")
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "'": "'", "\\": "\\"}


def literals(source):
    """Yields (line, text, translated) for every run of adjacent string literals of `source`."""
    i, line, n = 0, 1, len(source)
    calls = []           # the name before each open parenthesis, innermost last
    last_word = None     # the identifier just before, for the next "("
    run = None           # the literal run being read: [line, text, translated]
    line_start = True
    while i < n:
        c = source[i]
        if c == "\n":
            line += 1
            line_start = True
            i += 1
            continue
        if c in " \t\r":
            i += 1
            continue
        if line_start and c == "#":  # a preprocessor line (an #include's file name)
            while i < n and source[i] != "\n":
                i += 2 if source[i] == "\\" else 1
            continue
        line_start = False
        if source.startswith("//", i):
            while i < n and source[i] != "\n":
                i += 1
            continue
        if source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += source.count("\n", i, end)
            i = end
            continue
        raw = re.match(r'R"([^(\s]*)\(', source[i:i + 20])
        if c == '"' or raw:
            if raw:
                start = i + raw.end()
                end = source.find(")" + raw.group(1) + '"', start)
                text = source[start:end]
                i = end + len(raw.group(1)) + 2
            else:
                j, parts = i + 1, []
                while source[j] != '"':
                    if source[j] == "\\":
                        parts.append(ESCAPES.get(source[j + 1], "\\" + source[j + 1]))
                        j += 2
                    else:
                        parts.append(source[j])
                        j += 1
                text = "".join(parts)
                i = j + 1
            translated = any(call in TRANSLATING for call in calls)
            if run is None:
                run = [line, text, translated]
            else:
                run[1] += text
            line += text.count("\n") if raw else 0
            last_word = None
            continue
        if run is not None:
            yield tuple(run)
            run = None
        if c == "'" and not (i > 0 and source[i - 1].isdigit()):  # a character, not 1'000
            j = i + 1
            while source[j] != "'":
                j += 2 if source[j] == "\\" else 1
            i = j + 1
            continue
        word = re.match(r"[A-Za-z_]\w*", source[i:i + 80])
        if word and word.group(0) in ("u", "U", "L", "u8") and source[i + word.end()] in "'\"":
            i += word.end()  # the literal's prefix
            continue
        if word:
            last_word = word.group(0)
            i += word.end()
            continue
        if c in "([{":
            calls.append(last_word if c == "(" else None)
        elif c in ")]}" and calls:
            calls.pop()
        last_word = None
        i += 1
    if run is not None:
        yield tuple(run)


def main():
    allowed, skipped = set(), []
    for entry in pathlib.Path(sys.argv[1]).read_text().splitlines():
        entry = entry.strip()
        if entry.startswith("file "):
            skipped.append(entry[5:].strip())
        elif entry and not entry.startswith("#"):
            allowed.add(entry)
    found = 0
    for folder in sys.argv[2:]:
        for path in sorted(pathlib.Path(folder).rglob("*")):
            if path.suffix not in (".cpp", ".h") or any(str(path).startswith(s) for s in skipped):
                continue
            for line, text, translated in literals(path.read_text(encoding="utf-8")):
                if not translated and text not in allowed and SENTENCE.search(text):
                    shown = text.replace("\n", "\\n")
                    print(f"{path}:{line}: not through tr(): \"{shown}\"")
                    found += 1
    if found:
        print(f"{found} texts a user reads are outside tr(); wrap them, or name the ones that are "
              f"not for users in {sys.argv[1]}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
