#!/usr/bin/env python3
"""kinmatch-cli's documents read back as their readers meet them.

The PDF through pdftotext -layout and pdfimages (poppler-utils): every person's number and name
on one line, every pair's cell under the right header, a header on every page of a table, the
couple's picture whole on page 1 and the composite before either reading. The HTML through
Python's parser: well formed, no script, the viewport and the measure, colours that keep their
contrast, and the same order.

    documents.py KINMATCH_CLI
Exit status 77 when poppler-utils is missing.
"""
import datetime
import html.parser
import json
import random
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

CLI = sys.argv[1]
COLOURS = "RWBY"  # seal 1 is red, 2 white, 3 blue, 4 yellow, and so on
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(*args, stdin=None):
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, check=True).stdout


def group(size, seed):
    """A group with accented, hyphenated and over-long names (cut in the matrix, whole in the
    legend), and its pairs' cells as the matrix shows them."""
    rng = random.Random(seed)
    first = ["Ann", "Bob", "Zoë", "Łukasz", "Maximiliano", "Anne-Sophie", "Jo", "Siobhán",
             "Nguyễn Thị", "Oluwaseun", "Christopher Alexander"]
    last = ["Lee", "Ångström", "van der Berg", "Okonkwo-Adeyemi", "Fitzgerald-Montgomery",
            "Ng", "Papadopoulos"]
    people = []
    for i in range(size):
        born = datetime.date(1900, 1, 1) + datetime.timedelta(rng.randrange(42734))
        people.append((f"{rng.choice(first)} {rng.choice(last)} {chr(65 + i % 26)}{i}",
                       born.isoformat()))
    csv = "name,date\n" + "".join(f"{name},{date}\n" for name, date in people)
    pairs = json.loads(run("group", "-", "--json", stdin=csv.encode()))["pairs"]
    cells = {}
    for pair in pairs:
        seal, tone = pair["CompositeSeal"], pair["CompositeTone"]
        code = f"{seal}{COLOURS[(seal - 1) % 4]}·{tone}"
        cells[(pair["A"], pair["B"])] = cells[(pair["B"], pair["A"])] = code
    return [name for name, _ in people], csv, cells


def pdf_pages(path):
    text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                          check=True, text=True).stdout
    return text.split("\f")[:-1]


def check_group_pdf(size, seed, folder):
    names, csv, cells = group(size, seed)
    pdf = folder / f"group{size}.pdf"
    run("group", "-", "--pdf", str(pdf), stdin=csv.encode())
    pages = pdf_pages(pdf)
    whole = "\n".join(pages)
    for number, name in enumerate(names, 1):
        check(re.search(rf"(^|\s){number}\s+{re.escape(name)}(\s|$)", whole, re.M),
              f"group of {size}: person {number} '{name}' is not on one line of the legend")
    seen = set()
    code = re.compile(r"\d+[RWBY]·\d+")
    for index, page in enumerate(pages, 1):
        columns = None
        for line in page.splitlines():
            tokens = line.split()
            if tokens[:1] == ["No."] and all(t.isdigit() for t in tokens[1:]) and len(tokens) > 1:
                columns = [int(t) - 1 for t in tokens[1:]]
                continue
            if not tokens or not tokens[0].isdigit() or not code.search(line):
                continue
            if not check(columns is not None, f"group of {size}: page {index} has pairs under no header"):
                break
            row = int(tokens[0]) - 1
            expected = [cells[(row, c)] for c in columns if c != row]
            check(code.findall(line) == expected,
                  f"group of {size}: page {index}, row {row + 1} shows {code.findall(line)}, not {expected}")
            seen.update((row, c) for c in columns if c != row)
        if columns is not None:
            check(re.fullmatch(rf"\s*{index}\s*/\s*{len(pages)}\s*", page.strip().splitlines()[-1]),
                  f"group of {size}: page {index} has no page number")
    check(seen == set(cells), f"group of {size}: {len(set(cells) - seen)} pairs are on no page")
    return len(pages)


def check_couple_pdf(folder):
    pdf = folder / "couple.pdf"
    run("couple", "--name", "Ann Ångström", "1955-07-04", "--name", "Bob", "2000-01-01",
        "--pdf", str(pdf))
    text = "\n".join(pdf_pages(pdf))
    check(0 <= text.find("Blue Self-Existing Monkey") < text.find("Date of birth"),
          "couple PDF: the composite does not come before the readings")
    listing = subprocess.run(["pdfimages", "-list", str(pdf)], capture_output=True, check=True,
                             text=True).stdout.splitlines()[2:]
    images = [line.split() for line in listing if line.split()[2] == "image"]
    check(len(images) == 1 and images[0][0] == "1",
          f"couple PDF: the picture is not one image on page 1: {listing}")


def luminance(hex_colour):
    def channel(value):
        value /= 255
        return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


class Parser(html.parser.HTMLParser):
    VOID = {"meta", "img", "br", "link", "hr", "input"}

    def __init__(self):
        super().__init__()
        self.stack, self.problems, self.viewport = [], [], False

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "script" or any(name.startswith("on") for name in attributes):
            self.problems.append(f"script in <{tag}>")
        if tag == "meta" and attributes.get("name") == "viewport":
            self.viewport = "width=device-width" in attributes.get("content", "")
        for name in ("src", "href"):
            if name in attributes and not attributes[name].startswith("data:"):
                self.problems.append(f"fetches {attributes[name]}")
        if tag not in self.VOID:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        if not self.stack or self.stack.pop() != tag:
            self.problems.append(f"unbalanced </{tag}>")


def check_html(path, what):
    text = Path(path).read_text(encoding="utf-8")
    parser = Parser()
    parser.feed(text)
    parser.close()
    check(not parser.problems and not parser.stack,
          f"{what} HTML: {parser.problems} unclosed {parser.stack}")
    check(parser.viewport, f"{what} HTML: no viewport for phones")
    style = text[text.find("<style>"):text.find("</style>")]
    check("max-width: 42em" in style, f"{what} HTML: no readable measure")
    check("@media print" in style, f"{what} HTML: no rules for print")
    backgrounds = ["#ffffff"] + re.findall(r"\.[rwby] \{ background: (#[0-9a-f]{6})", style)
    for colour in set(re.findall(r"[^-]color: (#[0-9a-f]{6})", style)):
        for background in backgrounds:
            check(contrast(colour, background) >= 4.5,
                  f"{what} HTML: {colour} on {background} has a contrast of "
                  f"{contrast(colour, background):.2f}, below 4.5")
    return text


def main():
    if not shutil.which("pdftotext") or not shutil.which("pdfimages"):
        print("poppler-utils is not installed; the documents were not read back")
        return 77
    folder = Path(tempfile.mkdtemp())
    try:
        for size, seed in ((5, 1), (20, 2), (100, 3)):
            pages = check_group_pdf(size, seed, folder)
            print(f"group of {size}: {pages} pages")
        check_couple_pdf(folder)
        couple = folder / "couple.html"
        run("couple", "--name", "Ann", "1955-07-04", "--name", "Bob", "2000-01-01",
            "--html", str(couple))
        text = check_html(couple, "couple")
        check(0 <= text.find('class="composite"') < text.find('class="fields"'),
              "couple HTML: the composite does not come before the readings")
        names, csv, _ = group(100, 3)
        page = folder / "group.html"
        run("group", "-", "--html", str(page), stdin=csv.encode())
        text = check_html(page, "group")
        check("position: sticky" in text and "<thead>" in text,
              "group HTML: no header row and first column kept in view")
        report = folder / "report.html"
        run("report", "--name", "Ann", "1955-07-04", "--html", str(report))
        check_html(report, "report")
    finally:
        shutil.rmtree(folder)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


sys.exit(main())
