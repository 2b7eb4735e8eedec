#!/usr/bin/env python3
"""Moves the window texts written as UiText("English", "日本語") pairs to Qt's translation system.

Each pair becomes tr("English") inside a member function of a class with Q_OBJECT, and
QCoreApplication::translate("Context", "English") everywhere else (the context is the enclosing class,
or the file's name for free functions). The Japanese goes into translations/kt-m40_ja.ts, which lupdate
first brings up to date with the sources; the other languages get the new texts as unfinished.

    tools/convert-uitext.py [FOLDER_OR_FILE...]     (default: the core folders)

Run from the repository's root. Safe to run again: files without UiText pairs are left alone.
"""
import glob
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

LUPDATE = os.environ.get("LUPDATE", "/usr/lib/qt6/bin/lupdate")
LANGUAGES = ["ja", "de", "fr", "es", "it"]
# what lupdate reads: every folder of the program but the command-line tool, which stays English
SOURCE_FOLDERS = ["app", "image", "settings", "channels", "link", "files", "csv", "print"]
CORE_FOLDERS = ["image", "settings", "channels", "link", "files", "csv", "print"]

LITERALS = r'(?:"(?:[^"\\]|\\.)*"\s*)+'
PAIR = re.compile(r'\bUiText\(\s*(' + LITERALS + r'),\s*(' + LITERALS + r')\)', re.S)
FUNCTION_START = re.compile(r'^(?:[A-Za-z_][\w:<>,\*&]*[\s\*&]+)*(\w+)::~?\w+\s*\(')
FREE_FUNCTION_START = re.compile(r'^[A-Za-z_][\w:<>,\s\*&]*?\b\w+\s*\(')


def c_literal_text(literals):
    """The text of adjacent C string literals, escapes resolved."""
    out = []
    for body in re.findall(r'"((?:[^"\\]|\\.)*)"', literals):
        out.append(re.sub(r'\\(.)', lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)),
                          body))
    return "".join(out)


def qobject_classes():
    names = set()
    for header in glob.glob("**/*.h", recursive=True):
        if header.startswith("build"):
            continue
        text = open(header, encoding="utf-8").read()
        names.update(re.findall(r'class\s+(\w+)[^{;]*\{\s*Q_OBJECT', text))
    return names


def enclosing_class(text, offset):
    """The class of the member function around offset, None inside a free function."""
    for line in reversed(text[:offset].split("\n")):
        if not line or line[0] in " \t}#/{" or line.startswith("namespace"):
            continue
        m = FUNCTION_START.match(line)
        if m:
            return m.group(1)
        if FREE_FUNCTION_START.match(line):
            return None
    return None


# Texts the window shows the same in English and Japanese (the radio's own captions): they are translated
# for the other languages, and only where a widget is given them, never where they name a setting's key.
FIXED_TEXTS = [
    "Settings", "Memory", "Memorys", "Read Memory", "Write Memory", "Insert", "Delete", "Clear", "Clear All",
    "Up", "Down", "Read Settings", "Write Settings", "Auto Select", "Modify ", "Frequency", "Name",
    "Split Frequency", "Skip", "Mode", "RF Gain", "AGC", "Power", "Filter", "Noise Blanker", "Tone", "OK",
    "Cancel", "COM Port Setup", "About Korvan Clone Utility", "Version 0.10.00 Beta", "DELETE OK", "CLEAR OK",
]
FIXED = re.compile(r'\b(?:QStringLiteral|QLatin1String)\(("(?:%s)")\)' % "|".join(re.escape(t) for t in FIXED_TEXTS))
SHOWN_BY = re.compile(r'(setWindowTitle|QPushButton|QCheckBox|QGroupBox|QRadioButton|makeLabel|addTab|QLabel|'
                      r'setText|setTitle|confirm)\(')


def convert_file(path, qobjects, pairs):
    text = open(path, encoding="utf-8").read()
    basename = os.path.splitext(os.path.basename(path))[0]
    matches = list(PAIR.finditer(text))
    for m in FIXED.finditer(text):
        line_start = text.rfind("\n", 0, m.start()) + 1
        if SHOWN_BY.search(text[line_start:m.start()]):
            matches.append(m)
    if not matches:
        return False
    matches.sort(key=lambda m: m.start())
    out, last, translate_used = [], 0, False
    for m in matches:
        english = m.group(1).rstrip()
        japanese = m.group(2) if m.re is PAIR else english
        cls = enclosing_class(text, m.start())
        if cls and cls in qobjects:
            context, call = cls, "tr(%s)" % english
        else:
            context = cls or basename
            call = 'QCoreApplication::translate("%s", %s)' % (context, english)
            translate_used = True
        pairs[(context, c_literal_text(english))] = c_literal_text(japanese)
        out.append(text[last:m.start()])
        out.append(call)
        last = m.end()
    out.append(text[last:])
    text = "".join(out)
    if translate_used and "#include <QCoreApplication>" not in text:
        # after the file's own header, before the first other include
        includes = list(re.finditer(r'^#include .*$', text, re.M))
        at = includes[1].start() if len(includes) > 1 else (includes[0].end() + 1 if includes else 0)
        text = text[:at] + "#include <QCoreApplication>\n" + text[at:]
    if not re.search(r'\b(UiText|SetUiLanguage|CurrentUiLanguage|TranslatedText)\(', text):
        text = text.replace('#include "image/UiText.h"\n', "")
    open(path, "w", encoding="utf-8").write(text)
    return True


def ts_path(code):
    return os.path.join("translations", "kt-m40_%s.ts" % code)


def run_lupdate():
    subprocess.run([LUPDATE, "-silent", "-no-obsolete", "-locations", "none", "-source-language", "en",
                    "-extensions", "cpp,h"] + SOURCE_FOLDERS + ["-ts"] + [ts_path(c) for c in LANGUAGES],
                   check=True)


def element_text(element):
    """An element's text with lupdate's <byte value="xd"/> for characters XML cannot hold."""
    if element is None:
        return None
    out = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            out.append(chr(int(child.get("value").lstrip("x"), 16)))
        out.append(child.tail or "")
    return "".join(out)


def fill_japanese(pairs):
    path = ts_path("ja")
    tree = ET.parse(path)
    missing = dict(pairs)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, element_text(message.find("source")))
            if key in missing:
                translation = message.find("translation")
                translation.text = missing.pop(key)
                translation.attrib.pop("type", None)
    for (context, source) in missing:
        print("not found by lupdate: %s: %r" % (context, source), file=sys.stderr)
    write_ts(tree, path)
    return not missing


def write_ts(tree, path):
    # a carriage return written as it is would be read back as a line feed
    body = ET.tostring(tree.getroot(), encoding="unicode").replace("\r", "&#13;")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n")
    # lupdate's own layout again, so that later runs change only what changed
    subprocess.run([LUPDATE, "-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h"]
                   + SOURCE_FOLDERS + ["-ts", path], check=True)


def unescape(field):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "r": "\r", "t": "\t"}.get(m.group(1), m.group(1)), field)


def fill_from_table(table):
    """Unfinished texts of the four languages whose source the table (source, de, fr, es, it) translates."""
    if not os.path.exists(table):
        return
    rows = {}
    for line in open(table, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        fields = [unescape(f) for f in line.rstrip("\n").split("\t")]
        rows[fields[0]] = fields[1:]
    for i, code in enumerate(["de", "fr", "es", "it"]):
        path = ts_path(code)
        tree = ET.parse(path)
        for message in tree.getroot().iter("message"):
            translation = message.find("translation")
            source = element_text(message.find("source"))
            if translation.get("type") == "unfinished" and source in rows:
                translation.text = rows[source][i]
                translation.attrib.pop("type", None)
        write_ts(tree, path)


def main(args):
    targets = args or CORE_FOLDERS
    files = []
    for t in targets:
        files += [t] if os.path.isfile(t) else sorted(glob.glob(os.path.join(t, "**", "*.cpp"), recursive=True)
                                                        + glob.glob(os.path.join(t, "**", "*.h"), recursive=True))
    qobjects = qobject_classes()
    pairs = {}
    changed = [f for f in files if not f.endswith("UiText.cpp") and not f.endswith("UiText.h")
               and convert_file(f, qobjects, pairs)]
    os.makedirs("translations", exist_ok=True)
    run_lupdate()
    ok = fill_japanese(pairs)
    fill_from_table(os.path.join("tools", "window-texts.tsv"))
    print("%d texts in %d files moved to translation" % (len(pairs), len(changed)))
    if changed:
        subprocess.run(["clang-format", "-i"] + changed, check=False)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
