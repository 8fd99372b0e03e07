#!/usr/bin/env python3
"""Writes the hand-made translations into freshly generated catalogues.

Each language keeps its translations in resources/i18n/tables/<lang>.tsv, one entry a line:

    context <TAB> source <TAB> comment <TAB> translation [<TAB> plural form ...]

A "%n" text carries one form per plural form of the language, in Qt's order. Backslash escapes
\\n, \\t and \\\\ stand for a newline, a tab and a backslash; lines starting with "#" are notes.
The table is keyed by context, source and comment, so it survives lupdate rewriting the catalogue.

    scripts/apply-translations.py [--missing] [lang ...]

fills resources/i18n/pennibar_<lang>.ts (es, de, fr, ja by default), leaves every entry the table
does not know unfinished, and lists those entries, and the table lines no text uses any more.
With --missing it writes the unknown entries to stdout as table lines with an empty translation,
ready to be translated and appended to the table. Exits with 1 while an entry is missing.
Run after `make translations`."""
import html
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
I18N = os.path.join(ROOT, "resources", "i18n")
LANGUAGES = ["es", "de", "fr", "ja"]

MESSAGE = re.compile(r'<message(?P<attrs>[^>]*)>(?P<body>.*?)</message>', re.S)
CONTEXT = re.compile(r'<context>\s*<name>(?P<name>.*?)</name>(?P<body>.*?)</context>', re.S)
TRANSLATION = re.compile(r'<translation[^>]*?(?:/>|>.*?</translation>)', re.S)


def unescape_field(text):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def escape_field(text):
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def element_text(body, tag):
    match = re.search(r'<%s>(.*?)</%s>' % (tag, tag), body, re.S)
    return html.unescape(match.group(1)) if match else ""


def xml_text(text):
    return html.escape(text, quote=False).replace('"', "&quot;").replace("'", "&apos;")


def read_table(path):
    table = {}
    if not os.path.exists(path):
        return table
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = [unescape_field(field) for field in line.split("\t")]
            if len(fields) < 4:
                sys.exit("%s:%d: expected context, source, comment and translation" % (path, number))
            table[(fields[0], fields[1], fields[2])] = fields[3:]
    return table


def translation_element(forms, numerus):
    if not numerus:
        return "<translation>%s</translation>" % xml_text(forms[0])
    indent = "            "
    inner = "".join("\n%s<numerusform>%s</numerusform>" % (indent, xml_text(form)) for form in forms)
    return "<translation>%s\n        </translation>" % inner


def apply(lang, list_missing):
    ts_path = os.path.join(I18N, "pennibar_%s.ts" % lang)
    table_path = os.path.join(I18N, "tables", "%s.tsv" % lang)
    table = read_table(table_path)
    text = open(ts_path, encoding="utf-8").read()
    used, missing, problems = set(), [], []

    def fill_context(context_match):
        context = html.unescape(context_match.group("name"))

        def fill_message(message_match):
            body = message_match.group("body")
            numerus = 'numerus="yes"' in message_match.group("attrs")
            key = (context, element_text(body, "source"), element_text(body, "comment"))
            forms = table.get(key)
            old = TRANSLATION.search(body)
            expected = max(1, len(re.findall(r'<numerusform', old.group(0)))) if numerus else 1
            if forms is None or not any(forms):
                missing.append((key, expected))
                return message_match.group(0)
            if len(forms) != expected:
                problems.append("%s / %s: %d forms, the language has %d"
                                % (context, key[1], len(forms), expected))
                missing.append((key, expected))
                return message_match.group(0)
            used.add(key)
            body = body[:old.start()] + translation_element(forms, numerus) + body[old.end():]
            return "<message%s>%s</message>" % (message_match.group("attrs"), body)

        return MESSAGE.sub(fill_message, context_match.group(0))

    text = CONTEXT.sub(fill_context, text)
    open(ts_path, "w", encoding="utf-8").write(text)

    stale = [key for key in table if key not in used and key not in {m[0] for m in missing}]
    report = sys.stderr
    print("%s: %d translated, %d missing, %d unused table lines"
          % (lang, len(used), len(missing), len(stale)), file=report)
    for problem in problems:
        print("  wrong plural forms: " + problem, file=report)
    for (context, source, _), _count in missing:
        print("  missing: %s / %s" % (context, escape_field(source)), file=report)
    for context, source, _ in stale:
        print("  unused: %s / %s" % (context, escape_field(source)), file=report)
    if list_missing:
        for key, count in missing:
            print("\t".join([escape_field(field) for field in key] + [""] * count))
    return not missing


def main(arguments):
    list_missing = "--missing" in arguments
    languages = [argument for argument in arguments if not argument.startswith("--")] or LANGUAGES
    complete = all([apply(lang, list_missing) for lang in languages])
    return 0 if complete else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
