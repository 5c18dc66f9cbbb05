#!/usr/bin/python3
"""Moves translations between a translation source (.ts) and a plain table, one text a line:
Russian text, a tab, its translation (a line feed inside a text is written \\n), and optionally a tab and a
context (a class name, or QObject) when the text is translated otherwise there.

  tools/translations.py export resources/translations/rvk_gui_es.ts > todo.tsv
      the Russian texts of the file that have no translation yet, each once
  tools/translations.py import resources/translations/rvk_gui_es.ts done.tsv
      every message of the file whose Russian text is in the table takes its translation, in every context but
      those that the table gives a translation of their own

Run tools/update-translations.sh after an import: it writes the files back in lupdate's own layout.
"""
import re
import sys
import xml.etree.ElementTree as ET

CYRILLIC = re.compile("[\u0400-\u04FF]")


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            yield name, message.findtext("source") or "", message.find("translation")


def export(path):
    seen = set()
    for _, source, translation in messages(ET.parse(path)):
        if not CYRILLIC.search(source) or source in seen:
            continue
        if translation is not None and translation.text and translation.get("type") != "unfinished":
            continue
        seen.add(source)
        print(escape(source) + "\t")


def import_table(path, table):
    texts = {}
    with open(table, encoding="utf-8") as rows:
        for number, line in enumerate(rows, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) not in (2, 3):
                sys.exit(f"{table}:{number}: expected the Russian text, a tab, the translation and maybe a context")
            source, text = unescape(parts[0]), unescape(parts[1])
            if text:
                texts[(parts[2] if len(parts) == 3 else None, source)] = text
    tree = ET.parse(path)
    filled = 0
    for context, source, translation in messages(tree):
        text = texts.get((context, source), texts.get((None, source)))
        if text is not None and translation is not None:
            translation.text = text
            translation.attrib.pop("type", None)
            filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    print(f"{filled} messages translated from {len(texts)} texts", file=sys.stderr)


def main(argv):
    if len(argv) == 3 and argv[1] == "export":
        export(argv[2])
    elif len(argv) == 4 and argv[1] == "import":
        import_table(argv[2], argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
