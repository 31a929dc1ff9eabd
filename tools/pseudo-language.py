#!/usr/bin/env python3
"""Writes the pseudo-language qps from a catalog's English sources: every text accented and
lengthened as translations lengthen it (twice as long up to 5 characters, 40 % more up to 10,
30 % up to 100, 20 % beyond), its placeholders (%1), access keys (&) and line breaks kept. The
windows are checked in it for clipping before a translator meets them.

    pseudo-language.py ANY-CATALOG.ts OUT.ts
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "áƀçđéƒĝĥíĵķļḿñóƥɋŕšţúṽŵẋýžÁƁÇĐÉƑĜĤÍĴĶĻḾÑÓƤɊŔŠŢÚṼŴẊÝŽ")
# What is never changed: placeholders, an access key and its letter, a doubled ampersand, line
# breaks, and markup-like escapes.
KEEP = re.compile(r"%\d|&&|&.|\r\n|\r|\n|\\\\[a-z]")
FILLER = "ŵóŵéŵá"


def accented(text):
    parts, last = [], 0
    for match in KEEP.finditer(text):
        parts.append(text[last:match.start()].translate(ACCENTS))
        parts.append(match.group())
        last = match.end()
    parts.append(text[last:].translate(ACCENTS))
    return "".join(parts)


def lengthened(text):
    body = text.rstrip(" ")
    trailing = text[len(body):]
    length = len(body)
    if length == 0:
        return text
    growth = 1.0 if length <= 5 else 0.4 if length <= 10 else 0.3 if length <= 100 else 0.2
    extra = max(1, round(length * growth))
    # The filler goes where the text would go on: before a line break at the end, and before
    # the blanks a label ends in.
    # A word grows by letters, a sentence by words no wider than a line.
    word = FILLER if length <= 10 else " " + FILLER
    filler = (word * (extra // len(word) + 1))[:extra]
    return accented(body) + filler + trailing


def main():
    source, target = sys.argv[1], sys.argv[2]
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "qps")
    for message in root.iter("message"):
        text = message.find("source").text or ""
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        translation.text = lengthened(text)
    with open(target, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        out.write(ET.tostring(root, encoding="unicode"))
        out.write("\n")


main()
