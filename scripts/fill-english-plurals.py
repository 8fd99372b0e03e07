#!/usr/bin/env python3
"""Fills the plural forms of the English catalogue from the source texts.

The English catalogue translates nothing except the "%n ...(s)" texts, whose singular and
plural forms are written out here: "%n account(s)" becomes "%n account" and "%n accounts", and
a verb written "was/were" becomes "was" in the one and "were" in the other.
Run after lupdate (make translations does both)."""
import re
import sys

path = sys.argv[1] if len(sys.argv) > 1 else "resources/i18n/pennibar_en.ts"
text = open(path, encoding="utf-8").read()

pattern = re.compile(
    r'(<message numerus="yes">\s*<source>)(.*?)(</source>\s*)<translation[^>]*>.*?</translation>',
    re.S)
VERBS = re.compile(r'\b(was|is|has)/(were|are|have)\b')


def forms(match):
    source = match.group(2)
    singular = VERBS.sub(r'\1', source.replace("(s)", ""))
    plural = VERBS.sub(r'\2', source.replace("(s)", "s"))
    indent = "            "
    translation = ("<translation>\n" + indent + "<numerusform>" + singular + "</numerusform>\n"
                   + indent + "<numerusform>" + plural + "</numerusform>\n        </translation>")
    return match.group(1) + source + match.group(3) + translation


open(path, "w", encoding="utf-8").write(pattern.sub(forms, text))
