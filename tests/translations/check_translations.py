#!/usr/bin/env python3
"""Runs the translation update over the program's sources and checks that
every text a user can see has its translation in each given .ts file.

The update runs on a copy: the committed files are not touched. A text that
is new to the sources, changed in them, or left unfinished fails the check,
and each one is listed by context. With --update the same update is written
into the .ts files themselves (new texts then wait there, unfinished, for
their translation).
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Folders at the top of the source tree that hold no program text: tests,
# benchmarks, build tools and the converter, which has no translations.
SKIPPED = {"tests", "bench", "scripts", "cmake", "converter"}
SOURCE_SUFFIXES = (".cpp", ".cc", ".h", ".hpp", ".ui")
# lupdate's own warnings that mean a text it cannot see or place.
LOST_TEXT = re.compile(r"cannot be called without context|Cannot invoke tr\(\)|"
                       r"Discarding unconsumed meta data")


def program_sources(root):
    found = []
    for folder, dirs, files in os.walk(root):
        if folder == root:
            dirs[:] = [d for d in dirs if d not in SKIPPED and not d.startswith("build")]
        dirs[:] = sorted(d for d in dirs if not d.startswith("."))
        found += [os.path.join(folder, f) for f in sorted(files) if f.endswith(SOURCE_SUFFIXES)]
    return found


def run_lupdate(lupdate, sources, ts_files, workdir, keep_obsolete=True):
    listing = os.path.join(workdir, "sources.lst")
    with open(listing, "w", encoding="utf-8") as out:
        out.write("\n".join(sources) + "\n")
    command = [lupdate, "-locations", "none"] + ([] if keep_obsolete else ["-no-obsolete"])
    command += ["@" + listing, "-ts"] + ts_files
    done = subprocess.run(command, capture_output=True, text=True)
    if done.returncode != 0:
        sys.stderr.write(done.stdout + done.stderr)
        raise SystemExit("lupdate failed")
    return [line for line in (done.stdout + done.stderr).splitlines() if LOST_TEXT.search(line)]


def text_of(element):
    return "" if element is None or element.text is None else element.text


def translated(translation):
    forms = translation.findall("numerusform")
    if forms:
        return all(text_of(f) for f in forms)
    return bool(text_of(translation))


def check(path):
    """Unfinished or empty messages, and those no longer in the sources."""
    missing, stale = [], []
    for context in ET.parse(path).getroot().iter("context"):
        name = text_of(context.find("name"))
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            kind = "" if translation is None else translation.get("type", "")
            if kind in ("vanished", "obsolete"):
                stale.append((name, source))
            elif kind == "unfinished" or translation is None or not translated(translation):
                missing.append((name, source))
    return missing, stale


def shown(source):
    return source.replace("\n", "\\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--lupdate", default="lupdate")
    parser.add_argument("--sources", required=True, help="root of the source tree")
    parser.add_argument("--update", action="store_true",
                        help="write the update into the .ts files instead of checking")
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()

    sources = program_sources(os.path.abspath(args.sources))
    if args.update:
        with tempfile.TemporaryDirectory() as work:
            for line in run_lupdate(args.lupdate, sources, args.ts, work, keep_obsolete=False):
                print(line)
        return 0

    failed = False
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in args.ts:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            copies.append(copy)
        lost = run_lupdate(args.lupdate, sources, copies, work)
        if lost:
            failed = True
            print("Texts the translation update cannot see (use tr() in a class, or "
                  "QT_TRANSLATE_NOOP with its context):")
            for line in lost:
                print("  " + line)
        for ts, copy in zip(args.ts, copies):
            missing, stale = check(copy)
            if missing:
                failed = True
                print("%s: %d text(s) without a translation:" % (ts, len(missing)))
                for context, source in missing:
                    print("  [%s] %s" % (context, shown(source)))
            if stale:
                print("%s: %d translation(s) no longer used by the sources:" % (ts, len(stale)))
                for context, source in stale:
                    print("  [%s] %s" % (context, shown(source)))
    if failed:
        print("\nTo bring the files up to date, run from the source tree:\n"
              "  python3 tests/translations/check_translations.py --update --sources . "
              + " ".join(os.path.relpath(t, args.sources) for t in args.ts)
              + "\nthen translate every message marked unfinished (Qt Linguist, or by hand).")
        return 1
    print("Every text has its translation in: " + ", ".join(args.ts))
    return 0


if __name__ == "__main__":
    sys.exit(main())
