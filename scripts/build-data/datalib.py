"""Shared pieces of the data build: readable line files, the hand-made core, progress."""

import os
import re
import sys
import time

RAW_BYTE = re.compile(r"\{\{(\d{3})\}\}")
# a bracket opening a headword's tail; a raw byte "{{nnn}}" is a letter of the headword
HEAD_TAIL = re.compile(r"\{\{\d{3}\}\}|(?P<bracket>[{\[])")

# Characters that carry meaning in the line grammar of the dictionaries; an imported
# word holding one of them would be read as syntax, so such words are left out.
LINE_SYNTAX = set("_#*+$[]{}<>|;,=\\×‰¦÷¤‡±đř†@")

CODE_PAGE = {"pl": "cp1250", "fr": "cp1252"}


_STARTED = time.time()


def progress(step, total, text):
    print(f"[data {step}/{total}] {time.time() - _STARTED:5.0f} s  {text}", flush=True)


def encodable(text, language):
    """True when the text has a byte in the code page of its language."""
    try:
        text.encode(CODE_PAGE[language])
        return True
    except UnicodeEncodeError:
        return False


def clean_word(text, language):
    """The text as a dictionary word, or None when it cannot be one."""
    text = " ".join(text.split())
    if not text or any(c in LINE_SYNTAX for c in text) or not encodable(text, language):
        return None
    return text


def read_lines(path):
    """The lines of a readable source, without blank lines and "# " comments."""
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\r\n") for line in f if line.strip() and not is_comment(line.rstrip("\r\n"))]


def is_comment(line):
    return line == "#" or line.startswith("# ")


def read_table(path):
    """(version, rows) of a TAB-separated table: "#" lines are comments, the row
    "version<TAB>N" gives its version, every other row is its list of fields."""
    version, rows = None, []
    for line in read_lines(path):
        if line.startswith("#"):
            continue
        fields = line.split("\t")
        if fields[0] == "version":
            version = fields[1]
        else:
            rows.append(fields)
    return version, rows


def write_lines(path, lines):
    """Writes the lines atomically (temporary file beside the target, then rename)."""
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8", newline="\n") as f:
        for line in lines:
            f.write(line + "\n")
    os.replace(temporary, path)


def main_key(line):
    """Headword of a main-dictionary line, without the tail a bracket opens (the
    pronunciation in "chat {sza}_…"), as the dictionaries key it."""
    head = line.split("_", 1)[0]
    tail = next((m.start() for m in HEAD_TAIL.finditer(head) if m.group("bracket")), len(head))
    return head[:tail].strip()


def forms_pair(line):
    """(form, base) of a readable forms line; the base is the text after the code byte."""
    form, after = line.split("\\", 1)
    match = RAW_BYTE.match(after)
    return form, (after[match.end():] if match else after[1:])


def forms_line(form, code, base):
    return f"{form}\\{{{{{code:03d}}}}}{base}"


def fail(message):
    print(f"data build: {message}", file=sys.stderr)
    sys.exit(1)


def read_fitted_codes(path):
    """{lemma: code} of a fitted-code table ("lemma<TAB>code<TAB>…"; "#" comments)."""
    codes = {}
    if os.path.exists(path):
        for line in read_lines(path):
            if not line.startswith("#"):
                fields = line.split("\t")
                codes[fields[0]] = fields[1]
    return codes
