#!/usr/bin/env python3
"""Writes the manual page of velmar-cli from its own help: the command list of
`velmar-cli --help` and the usage of each `velmar-cli COMMAND --help`, so that the page
never says what the program no longer does.

Usage: velmar-cli-man.py VELMAR_CLI OUTPUT
"""
import re
import subprocess
import sys


def run(cli, *words):
    return subprocess.run([cli, *words], check=True, capture_output=True, text=True).stdout


def roff(text):
    """Plain text as roff: backslashes and leading dots or quotes escaped."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\n".join(("\\&" + line) if line.startswith((".", "'")) else line for line in text.split("\n"))


def commands(help_text):
    """(name, summary) of each line of the Commands: section."""
    section = help_text.split("Commands:\n", 1)[1].split("\n\n", 1)[0]
    return [re.match(r"\s+(\S+)\s+(.*)", line).groups() for line in section.splitlines() if line.strip()]


def page(cli):
    help_text = run(cli, "--help")
    version = run(cli, "--version").split()[-1]
    out = [
        f'.TH VELMAR-CLI 1 "" "velmar-cli {version}" "User Commands"',
        ".SH NAME",
        "velmar\\-cli \\- the translator and dictionary tools of Velmar without windows",
        ".SH SYNOPSIS",
        ".B velmar\\-cli",
        "\\fICOMMAND\\fR [\\fIARGUMENTS\\fR]",
        ".br",
        ".B velmar\\-cli",
        "\\fICOMMAND\\fR \\fB\\-\\-help\\fR",
        ".br",
        ".B velmar\\-cli",
        "\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR",
        ".SH DESCRIPTION",
        "velmar\\-cli gives the engine of Velmar, the French\\(enPolish translator and",
        "dictionary, on the command line: translation, look\\-up, inflection, segmentation,",
        "frequency analysis, the sentence archive and the tools that build and check the data files.",
        "Text is read and written as UTF\\-8.",
        ".SH COMMANDS",
    ]
    for name, summary in commands(help_text):
        # The usage, without the summary paragraph that ends the command's help.
        usage = run(cli, name, "--help").rstrip().rsplit("\n\n", 1)[0].removeprefix("Usage: ")
        # Further forms of the command line are indented under "Usage: " on a terminal.
        usage = re.sub(r"(?m)^ +(velmar-cli )", r"\1", usage)
        out += [".SS " + name, roff(summary[0].upper() + summary[1:]) + ".", ".PP", ".nf", roff(usage), ".fi"]
    out += [
        ".SH EXIT STATUS",
        "0 success, 1 the operation failed (not found, bad file), 2 bad usage.",
        ".SH ENVIRONMENT",
        ".TP",
        ".B VELMAR_DATA_DIR",
        "The folder of the data files, instead of the installed share/velmar folder (or the",
        "program's own folder).",
        ".TP",
        ".B XDG_DATA_HOME",
        "Files Velmar writes go to $XDG_DATA_HOME/velmar when the data folder is not writable.",
        ".SH SEE ALSO",
        ".BR velmar (1)",
    ]
    return "\n".join(out) + "\n"


def main():
    cli, output = sys.argv[1], sys.argv[2]
    with open(output, "w", encoding="utf-8") as f:
        f.write(page(cli))


if __name__ == "__main__":
    main()
