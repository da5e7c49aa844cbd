#!/usr/bin/env python3
"""Runs the translation update over the program's sources and checks that
every text a user can see has its translation in each given .ts file. The
marked texts are also read from the sources directly, so a text the update
passes over without a word still fails the check.

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
    # Every source folder is an include folder, as in the build: a class that
    # carries its texts' context (WindowTexts) is declared in another folder.
    for folder in sorted({os.path.dirname(s) for s in sources}):
        command += ["-I", folder]
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


# ---- texts marked in the sources, read without lupdate ----------------------
# lupdate passes over a text it cannot place (a tr() of its own, a marked text
# handed straight to a call) without a word, so the marked texts are also read
# here directly and each must be in the .ts files with its translation.

CALL = re.compile(r"\b(QT_TRANSLATE_NOOP|QT_TR_NOOP|translate|tr)\s*\(")
OWN_TR = re.compile(r"\bQString\s+tr\s*\(\s*const\s+char\s*\*")
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "\\": "\\", '"': '"', "'": "'", "?": "?", "0": "\0"}


def without_comments(text):
    """The source with its comments blanked (line breaks kept, so line numbers hold)."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def arguments(text, start):
    """The top-level arguments of the call whose "(" is just before start."""
    args, depth, i, begin = [], 0, start, start
    while i < len(text):
        c = text[i]
        if c in "\"'":
            j = i + 1
            while j < len(text) and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            i = j + 1
            continue
        if c in "([{":
            depth += 1
        elif c in ")]}":
            if depth == 0:
                args.append(text[begin:i].strip())
                return args
            depth -= 1
        elif c == "," and depth == 0:
            args.append(text[begin:i].strip())
            begin = i + 1
        i += 1
    return args


def literal(argument):
    """The text of an argument made only of string literals, else None."""
    parts = re.findall(r'\s*"((?:[^"\\]|\\.)*)"\s*', argument)
    if not parts or re.sub(r'\s*"((?:[^"\\]|\\.)*)"\s*', "", argument):
        return None
    raw = "".join(parts)
    return re.sub(r"\\(.)", lambda m: ESCAPES.get(m.group(1), m.group(1)), raw)


def marked_texts(path):
    """(line, context or None, text) of every marked text, and the lines of
    texts written so that lupdate cannot see them."""
    with open(path, encoding="utf-8") as f:
        text = without_comments(f.read())
    found, hidden = [], []
    for own in OWN_TR.finditer(text):
        hidden.append((text.count("\n", 0, own.start()) + 1,
                       "a function named tr() of its own: lupdate does not see its texts"))
    for call in CALL.finditer(text):
        name = call.group(1)
        line = text.count("\n", 0, call.start()) + 1
        args = arguments(text, call.end())
        if name == "translate" or name == "QT_TRANSLATE_NOOP":
            if len(args) < 2 or literal(args[0]) is None:
                continue
            context, args = literal(args[0]), args[1:]
        else:
            context = None
        if not args:
            continue
        source = literal(args[0])
        if source is not None:
            found.append((line, context, source))
        elif re.match(r"QT_TR(ANSLATE)?_NOOP\s*\(", args[0]) and name in ("tr", "translate"):
            hidden.append((line, "a marked text handed straight to %s(): lupdate skips it" % name))
    return found, hidden


def finished_messages(path):
    finished = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = text_of(context.find("name"))
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = "" if translation is None else translation.get("type", "")
            done = kind == "" and translation is not None and translated(translation)
            finished.setdefault(text_of(message.find("source")), set())
            if done:
                finished[text_of(message.find("source"))].add(name)
    return finished


def unseen_texts(sources, root, ts):
    """Marked texts of the sources without a finished translation in ts, and
    texts written so that lupdate cannot see them."""
    finished = finished_messages(ts)
    missing, hidden = [], []
    for path in sources:
        if not path.endswith((".cpp", ".cc", ".h", ".hpp")):
            continue
        where = os.path.relpath(path, root)
        found, unseen = marked_texts(path)
        hidden += [("%s:%d" % (where, line), why) for line, why in unseen]
        for line, context, source in found:
            contexts = finished.get(source, set())
            if not contexts or (context is not None and context not in contexts):
                missing.append(("%s:%d" % (where, line), context or "", source))
    return missing, hidden


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
        root = os.path.abspath(args.sources)
        for number, ts in enumerate(args.ts):
            absent, hidden = unseen_texts(sources, root, ts)
            if hidden and number == 0:
                failed = True
                print("Texts written so that the translation update cannot see them "
                      "(write the literal in WindowTexts::tr, a Q_DECLARE_TR_FUNCTIONS class's "
                      "tr, or QCoreApplication::translate):")
                for where, why in hidden:
                    print("  %s: %s" % (where, why))
            if absent:
                failed = True
                print("%s: %d marked text(s) of the sources missing or unfinished:" % (ts, len(absent)))
                for where, context, source in absent:
                    print("  %s [%s] %s" % (where, context, shown(source)))
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
