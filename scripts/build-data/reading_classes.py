#!/usr/bin/env python3
"""The share of running-text words whose first reading has a known word class (a form
code of some class, not "other" and not unknown), as `velmar-cli segment` reads the
text with a data folder: how much of a text the analysis rules can see.
    reading_classes.py --cli build/bin/velmar-cli --lang fr|pl [--data DIR] TEXT_FILE…"""

import argparse
import re
import subprocess
from collections import Counter

WORD = re.compile(r'^\s+word \d+ "(.*)" before')
READING = re.compile(r'^\s+reading ".*" code (-?\d+) class (.*) score')


def first_readings(cli, language, data, text):
    """(word, code, class label) of every word of the text; code None for no reading."""
    command = [cli, "segment", "--lang", language] + (["--data", data] if data else [])
    output = subprocess.run(command, input=text, capture_output=True, text=True, check=True).stdout
    word = None
    for line in output.split("\n"):
        match = WORD.match(line)
        if match:
            if word is not None:
                yield word, None, ""
            word = match.group(1)
            continue
        match = READING.match(line)
        if match and word is not None:
            yield word, int(match.group(1)), match.group(2).strip()
            word = None
    if word is not None:
        yield word, None, ""


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--lang", choices=("fr", "pl"), required=True)
    parser.add_argument("--data")
    parser.add_argument("texts", nargs="+")
    args = parser.parse_args()
    words = known = 0
    unclassed = Counter()
    for path in args.texts:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        for word, code, label in first_readings(args.cli, args.lang, args.data, text):
            if not any(c.isalpha() for c in word):
                continue
            words += 1
            if code is not None and code >= 0 and label:
                known += 1
            else:
                unclassed[word.lower()] += 1
    print(f"{args.lang}: {known} of {words} words have a first reading of a known class "
          f"({100.0 * known / max(words, 1):.1f}%)")
    print("most frequent words without one: " + ", ".join(f"{w} {n}" for w, n in unclassed.most_common(25)))


if __name__ == "__main__":
    main()
