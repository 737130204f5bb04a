#!/usr/bin/env python3
"""Regenerates the lexicon files from the dictionary source and compares them
byte for byte with the delivered files in data/.

Usage: regenerate_test.py REPO_DIR

The source is looked for beside the repository (REPO_DIR/../shared/
lexicon-source) and at /work/shared/lexicon-source.  Without it the test
cannot run and reports itself skipped (exit code 77).
"""

import os
import subprocess
import sys
import tempfile

SKIP = 77
FILES = ("conjunctives.dat", "prepositions.dat", "adjectives.dat", "adverbs.dat",
         "verbs.dat", "nouns.dat", "pronouns.dat")


def find_source(repo):
    for candidate in (os.path.join(repo, "..", "shared", "lexicon-source"), "/work/shared/lexicon-source"):
        if os.path.isfile(os.path.join(candidate, "DICTLINE.GEN.csv")):
            return os.path.normpath(candidate)
    return None


def first_difference(a, b):
    for i, (x, y) in enumerate(zip(a, b)):
        if x != y:
            return i
    return min(len(a), len(b))


def main(argv):
    repo = os.path.abspath(argv[1])
    source = find_source(repo)
    if source is None:
        print("SKIPPED: the dictionary source (../shared/lexicon-source) is not present, "
              "so the lexicon files cannot be regenerated")
        return SKIP
    failures = []
    with tempfile.TemporaryDirectory() as out:
        # A random hash seed makes any dependence on set or dict hash order show.
        env = dict(os.environ, PYTHONHASHSEED="random")
        run = subprocess.run([sys.executable, os.path.join(repo, "tools", "gen_lexicon.py"), source, out],
                             env=env, capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            print("FAILED: the generator stopped with exit code", run.returncode)
            return 1
        produced = sorted(os.listdir(out))
        if produced != sorted(FILES):
            failures.append(f"generator wrote {produced}, expected {sorted(FILES)}")
        for name in FILES:
            delivered_path = os.path.join(repo, "data", name)
            if not os.path.exists(delivered_path):
                failures.append(f"data/{name} is missing")
                continue
            with open(delivered_path, "rb") as f:
                delivered = f.read()
            with open(os.path.join(out, name), "rb") as f:
                fresh = f.read()
            if delivered != fresh:
                at = first_difference(delivered, fresh)
                line = delivered[:at].count(b"\n") + 1
                failures.append(f"data/{name} differs from a fresh generation at byte {at} (line {line})")
    for failure in failures:
        print("FAILED:", failure)
    if not failures:
        print(f"OK: the {len(FILES)} lexicon files match a fresh generation from {source}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
