#!/usr/bin/env python3
"""Scores the translator on the development set in eval/: each source sentence is
translated by `velmar-cli translate` and compared with its reference by chrF (the
character n-gram F-score, n = 1…6, recall weighted twice; 100 = identical) and by the
share of reference words the translation contains, and the share of sentences rendered
exactly. Prints one line a direction, each in mode 1 and in mode 5 (word by word);
--show prints every sentence with its mode-1 translation.
    eval.py --cli build/bin/velmar-cli [--data DIR] [--show]"""

import argparse
import os
import re
import subprocess
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
SETS = (("fr-pl.tsv", "fr"), ("pl-fr.tsv", "pl"))
WORD = re.compile(r"[^\W\d_]+(?:['’-][^\W\d_]+)*")


def read_set(path):
    pairs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line and not line.startswith("# "):
                source, reference = line.split("\t")
                pairs.append((source, reference))
    return pairs


def char_ngrams(text, n):
    text = " ".join(text.split())
    return Counter(text[i:i + n] for i in range(len(text) - n + 1))


def chrf(hypothesis, reference, beta=2.0):
    precisions, recalls = [], []
    for n in range(1, 7):
        hyp, ref = char_ngrams(hypothesis, n), char_ngrams(reference, n)
        if not hyp or not ref:
            continue
        common = sum((hyp & ref).values())
        precisions.append(common / sum(hyp.values()))
        recalls.append(common / sum(ref.values()))
    if not precisions:
        return 0.0
    p, r = sum(precisions) / len(precisions), sum(recalls) / len(recalls)
    return 0.0 if p + r == 0 else 100 * (1 + beta ** 2) * p * r / (beta ** 2 * p + r)


def words(text):
    return Counter(w.lower() for w in WORD.findall(text))


def translate(cli, data, language, sources, mode):
    command = [cli, "translate", "--from", language, "--translation-mode", str(mode)] + (["--data", data] if data else [])
    run = subprocess.run(command, input="\n".join(sources) + "\n", capture_output=True, text=True)
    if run.returncode != 0:
        raise SystemExit(f"velmar-cli translate failed: {run.stderr.strip()}")
    lines = run.stdout.split("\n")
    return (lines + [""] * len(sources))[:len(sources)]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--data")
    parser.add_argument("--show", action="store_true")
    parser.add_argument("--folder", default=os.path.join(HERE, "..", "eval"))
    args = parser.parse_args()
    for name, language in SETS:
        pairs = read_set(os.path.join(args.folder, name))
        # mode 1 renders every word in its one chosen translation; mode 5 (word by word,
        # without the sentence stages) beside it shows what the analysis adds
        figures = []
        for mode in (1, 5):
            outputs = translate(args.cli, args.data, language, [s for s, _ in pairs], mode)
            figures.append(f"mode {mode}: " + score(pairs, outputs, args.show and mode == 1))
        print(f"{name[:-4]}: " + "; ".join(figures))


def score(pairs, outputs, show):
    scores, found, total, exact = [], 0, 0, 0
    for (source, reference), output in zip(pairs, outputs):
        scores.append(chrf(output, reference))
        ref_words = words(reference)
        found += sum((words(output) & ref_words).values())
        total += sum(ref_words.values())
        exact += output.strip() == reference.strip()
        if show:
            print(f"{scores[-1]:5.1f}  {source}\n       → {output}\n       = {reference}")
    return (f"chrF {sum(scores) / len(scores):.1f}, reference words found {100.0 * found / max(total, 1):.1f}%, "
            f"exact {exact} of {len(pairs)}")

if __name__ == "__main__":
    main()
