#!/usr/bin/env python3
"""Runs the command sessions shown in Markdown pages and checks they print what the pages show.

    scripts/run-docs.py --bin DIR [--update] [FILE.md...]   (default: README.md and docs/*.md)
    scripts/run-docs.py --self-test --bin DIR

A session is a fenced block opened with ```console. Each line starting with "$ " is a command
(lines starting with "> " continue it); the lines after it, up to the next command or the end of
the block, are what it prints, stdout and stderr together. Every page runs in a temporary folder
of its own holding a copy of examples/, with DIR (the folder of the built lotto739-cli) first on
PATH; the commands of a page run in order in that folder, so a file one writes the next can read.

What varies between runs is written so:
  ...          a line holding only "..." stands for any lines, none included;
  a...b        "..." inside a line stands for any characters on that line;
  [N]          a last line "[N]" says the command exits with status N; without it, 0;
  times        a number right before " seconds", and the value of a JSON key ending in
               "seconds", match any number (so "Job done in:0.0935 seconds" needs no escape).
CSV's CR LF line ends read as plain line ends.

--update rewrites the output of every command that printed otherwise than shown, unless a line
"..." stands in it, with what it printed.
Exit status 0 when every session printed what its page shows, 1 otherwise.
"""
import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FENCE = re.compile(r"^(\s*)(```+|~~~+)\s*(\S*)")
STATUS = re.compile(r"^\[(\d+)\]$")
TIMES = [
    re.compile(r"\d+(?:\.\d+)?(?:e[-+]?\d+)?(?= seconds)"),
    re.compile(r'(?<=seconds":)-?\d+(?:\.\d+)?(?:e[-+]?\d+)?'),
]


class Session:
    def __init__(self, path, line):
        self.path, self.line = path, line
        self.commands = []  # [command text, expected lines, line number]


def sessions(path, text):
    """The console blocks of a page with their commands and expected output."""
    found, current, fence = [], None, None
    for number, line in enumerate(text.split("\n"), 1):
        match = FENCE.match(line)
        if current is None:
            if match and match.group(3) == "console":
                fence = match.group(2)
                current = Session(path, number)
            continue
        stripped = line.strip()
        if stripped.startswith(fence) and stripped == fence[0] * len(stripped):
            found.append(current)
            current = None
            continue
        if line.startswith("$ "):
            current.commands.append([line[2:], [], number])
        elif line.startswith("> ") and current.commands and not current.commands[-1][1]:
            current.commands[-1][0] += "\n" + line[2:]
        elif current.commands:
            current.commands[-1][1].append(line)
    if current is not None:
        raise SystemExit(f"{path}:{current.line}: console block never closed")
    return found


def mask(line):
    for pattern in TIMES:
        line = pattern.sub("0", line)
    return line


def line_matches(expected, actual):
    expected, actual = mask(expected), mask(actual)
    if "..." not in expected:
        return expected == actual
    parts = [re.escape(part) for part in expected.split("...")]
    return re.fullmatch(".*?".join(parts), actual, re.S) is not None


def lines_match(expected, actual):
    """True when the actual lines fit the expected ones, "..." lines standing for any lines."""
    memo = {}

    def fit(i, j):
        if (i, j) not in memo:
            if i == len(expected):
                result = j == len(actual)
            elif expected[i] == "...":
                result = any(fit(i + 1, k) for k in range(j, len(actual) + 1))
            else:
                result = j < len(actual) and line_matches(expected[i], actual[j]) and fit(i + 1, j + 1)
            memo[(i, j)] = result
        return memo[(i, j)]

    return fit(0, 0)


def run(command, folder, env):
    done = subprocess.run(["stdbuf", "-oL", "bash", "-c", command], cwd=folder, env=env, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, timeout=600)
    text = done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines, done.returncode


def check_page(path, bindir, update):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    failures, replacements = 0, {}
    found = sessions(path, text)
    if not found:
        return 0
    env = dict(os.environ, PATH=os.path.abspath(bindir) + os.pathsep + os.environ.get("PATH", ""),
               LC_ALL="C.UTF-8", COLUMNS="100")
    with tempfile.TemporaryDirectory(prefix="run-docs-") as folder:
        shutil.copytree(os.path.join(ROOT, "examples"), os.path.join(folder, "examples"),
                        ignore=shutil.ignore_patterns("consumer"))
        for session in found:
            for command, expected, number in session.commands:
                status = 0
                if expected and STATUS.match(expected[-1]):
                    status = int(STATUS.match(expected[-1]).group(1))
                    expected = expected[:-1]
                actual, code = run(command, folder, env)
                if lines_match(expected, actual) and code == status:
                    continue
                if update and "..." not in expected:
                    replacements[number] = actual + ([f"[{code}]"] if code else [])
                    continue
                failures += 1
                print(f"{path}:{number}: $ {command}", file=sys.stderr)
                if code != status:
                    print(f"  exit status {code}, the page says {status}", file=sys.stderr)
                print("  the page shows:", file=sys.stderr)
                for line in expected:
                    print("    " + line, file=sys.stderr)
                print("  it printed:", file=sys.stderr)
                for line in actual:
                    print("    " + line, file=sys.stderr)
    if replacements:
        rewrite(path, text, found, replacements)
    return failures


def rewrite(path, text, found, replacements):
    """Puts each replaced command's new output in place of its old one."""
    lines = text.split("\n")
    ends = {}
    for session in found:
        for index, (command, expected, number) in enumerate(session.commands):
            start = number + command.count("\n")  # index of the first output line (0-based)
            ends[number] = (start, start + len(expected))
    for number in sorted(replacements, reverse=True):
        start, end = ends[number]
        lines[start:end] = replacements[number]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    print(f"{path}: updated {len(replacements)} command(s)", file=sys.stderr)


SELF_TEST = """
```console
$ echo one; echo two; echo three
one
...
three
$ echo "Job done in:0.0935 seconds"; echo '{"search_seconds":1.5e-05,"stored":3}'
Job done in:7 seconds
{"search_seconds":2,"stored":3}
$ echo 'a,b,c'; exit 3
a...c
[3]
$ ls examples/tickets.txt
examples/tickets.txt
```
"""

SELF_TEST_FAILING = [
    "```console\n$ echo one\ntwo\n```\n",  # wrong output
    "```console\n$ echo one; exit 2\none\n```\n",  # exit status left out
    "```console\n$ echo one\none\n[1]\n```\n",  # exit status not met
    "```console\n$ echo one; echo two\none\n```\n",  # a line too many
    '```console\n$ echo \'{"stored":3}\'\n{"stored":4}\n```\n',  # only times are masked
]


def self_test(bindir):
    """The runner passes a right page and fails each deliberately wrong one."""
    bad = 0
    with tempfile.TemporaryDirectory(prefix="run-docs-self-") as folder:
        good = os.path.join(folder, "good.md")
        with open(good, "w", encoding="utf-8") as f:
            f.write(SELF_TEST)
        if check_page(good, bindir, False) != 0:
            print("self-test: a right page failed", file=sys.stderr)
            bad += 1
        for index, page in enumerate(SELF_TEST_FAILING):
            wrong = os.path.join(folder, f"wrong{index}.md")
            with open(wrong, "w", encoding="utf-8") as f:
                f.write(page)
            stderr = sys.stderr
            sys.stderr = open(os.devnull, "w")
            try:
                failed = check_page(wrong, bindir, False)
            finally:
                sys.stderr.close()
                sys.stderr = stderr
            if failed != 1:
                print(f"self-test: a wrong page passed:\n{page}", file=sys.stderr)
                bad += 1
    print("run-docs self-test: " + ("passed" if not bad else f"{bad} failure(s)"))
    return 1 if bad else 0


def main():
    parser = argparse.ArgumentParser(description="Runs the console sessions of Markdown pages.")
    parser.add_argument("--bin", required=True, help="folder holding the built lotto739-cli")
    parser.add_argument("--update", action="store_true", help="rewrite outputs without '...'")
    parser.add_argument("--self-test", action="store_true", help="check the runner itself")
    parser.add_argument("pages", nargs="*")
    args = parser.parse_args()
    if args.self_test:
        return self_test(args.bin)
    if not args.pages:
        args.pages = [os.path.join(ROOT, "README.md")] + sorted(
            glob.glob(os.path.join(ROOT, "docs", "**", "*.md"), recursive=True))
    failures = sum(check_page(page, args.bin, args.update) for page in args.pages)
    commands = sum(len(s.commands) for page in args.pages
                   for s in sessions(page, open(page, encoding="utf-8").read()))
    print(f"run-docs: {commands} command(s) in {len(args.pages)} page(s), {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
