#!/usr/bin/env python3
"""kinmatch-cli's documents read back as their readers meet them.

The PDF through pdftotext -layout, pdfimages and pdffonts (poppler-utils): every person's number
and name on one line, every pair's cell under the right header, a header on every page of a
table, every column of the persons on every page however long a name, the couple's picture and
its composite whole on page 1 however long the names, a running header with both names from
page 2, emoji drawn and in the text layer. The HTML through Python's parser (well formed, no
script, the viewport and the measure, colours that keep their contrast, the same order) and
through headless Chromium: no page wider than a phone of 360 or 390 pixels, or than 1200 pixels
with a long name, but in the matrix's own scroll box. A group of a thousand: its page small,
saying where its matrix is.

    documents.py KINMATCH_CLI
Exit status 77 when poppler-utils is missing; the browser's checks are skipped, with a note,
where Chromium is missing.
"""
import datetime
import html.parser
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

CLI = sys.argv[1]
COLOURS = "RWBY"  # seal 1 is red, 2 white, 3 blue, 4 yellow, and so on
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(*args, stdin=None, language="en"):
    environment = dict(os.environ, LANGUAGE=language, LC_ALL="C.UTF-8", LANG="en_US.UTF-8")
    return subprocess.run([CLI, *args], input=stdin, capture_output=True, check=True,
                          env=environment).stdout


def group(size, seed, cells=True):
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
    if not cells:
        return [name for name, _ in people], csv, {}
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


def check_long_names_pdf(folder):
    """A name of 80 unbroken letters wraps in its cell: every column on every persons page."""
    csv = f'name,date\n"{"W" * 80}",1961-09-30\nAnn,1999-11-17\n"{"Ω" * 300} {"x" * 150}",1980-02-29\n'
    pdf = folder / "long.pdf"
    run("group", "-", "--pdf", str(pdf), stdin=csv.encode())
    pages = [page for page in pdf_pages(pdf) if "Date of birth" in page]
    check(pages, "long names: no page of the persons")
    for index, page in enumerate(pages, 1):
        for column in ("No.", "Name", "Date of birth", "Day sign", "Galactic tone"):
            check(column in page, f"long names: persons page {index} lacks the column {column}")
    # Wrapped over three lines of its cell, between the other cells' texts: all 80 letters.
    check(sum(len(run) for page in pages for run in re.findall(r"W{5,}", page)) == 80,
          "long names: the unbroken name is not whole in the legend")


def check_emoji_pdf(folder):
    """Every character of a name is drawn (its font embedded) and is in the text layer."""
    names = ["Bob ✈️ 🎉", "👩‍👩‍👧 Ann"]
    for form in ("couple", "group", "report"):
        pdf = folder / f"emoji-{form}.pdf"
        if form == "couple":
            run("couple", "--name", names[0], "1955-07-04", "--name", names[1], "2000-01-01",
                "--pdf", str(pdf))
        elif form == "group":
            run("group", "-", "--pdf", str(pdf),
                stdin=f"{names[0]},1955-07-04\n{names[1]},2000-01-01\n".encode())
        else:
            run("report", "--name", names[0], "1955-07-04", "--pdf", str(pdf))
        text = "\n".join(pdf_pages(pdf))
        for character in "✈🎉👩👧" if form != "report" else "✈🎉":
            check(character in text, f"{form} PDF: {character} is not in the text layer")
        fonts = subprocess.run(["pdffonts", str(pdf)], capture_output=True, text=True).stdout
        check("Symbola" in fonts, f"{form} PDF: no font with the emoji is embedded: {fonts}")


def check_long_couple_pdf(folder):
    """Names of thousands of characters: the composite stays whole on page 1, the names are
    cut in the headings and whole in the fields; from page 2 a running header names both."""
    long_name = ("Maximiliano " * 180).strip()
    pdf = folder / "long-couple.pdf"
    run("couple", "--name", long_name, "1955-07-04", "--name", "Bob Day", "2000-01-01",
        "--pdf", str(pdf))
    pages = pdf_pages(pdf)
    check("Together" in pages[0] and "Blue Self-Existing Monkey" in pages[0],
          "long couple: the composite is not on page 1")
    listing = subprocess.run(["pdfimages", "-list", str(pdf)], capture_output=True, check=True,
                             text=True).stdout.splitlines()[2:]
    check([line.split()[0] for line in listing if line.split()[2] == "image"] == ["1"],
          f"long couple: the picture is not on page 1: {listing}")
    text = re.sub(r"\s+", " ", " ".join(pages))
    check(long_name in text, "long couple: the long name is nowhere whole")
    for index, page in enumerate(pages[1:], 2):
        head = page.strip().splitlines()[0]
        check("Maximiliano" in head and "Bob Day" in head,
              f"long couple: page {index} has no running header with both names: '{head}'")


def check_large_group_html(folder):
    """A thousand persons: a page of less than 25 MB that says where the matrix is."""
    names, csv, _ = group(1000, 4, cells=False)
    page = folder / "thousand.html"
    run("group", "-", "--html", str(page), stdin=csv.encode())
    size = page.stat().st_size
    check(size < 25 * 1024 * 1024, f"group of 1000: the page is {size} bytes")
    text = page.read_text(encoding="utf-8")
    check("--csv" in text and "--pdf" in text, "group of 1000: the page does not say where the rest is")
    check("<details>" in text, "group of 1000: the pairs are not listed by composite")
    return page


def check_large_group_pdf_and_html(folder):
    """The pages whose widths a browser measures: short names, 300 persons, e-mail addresses
    and an unbroken name as names, the couple, and a thousand persons."""
    pages = []
    short = folder / "short.html"
    run("group", "-", "--html", str(short),
        stdin="Ann Lee,1955-07-04\nBob Day,2000-01-01\nCy Ho,1980-02-29\n".encode())
    pages.append((short, "group of 3", (360, 390)))
    _, csv, _ = group(300, 5, cells=False)
    three_hundred = folder / "three-hundred.html"
    run("group", "-", "--html", str(three_hundred), stdin=csv.encode())
    pages.append((three_hundred, "group of 300", (360, 390)))
    mail = folder / "mail.html"
    run("group", "-", "--html", str(mail), stdin="".join(
        f"person.number{i}@example-company.example,19{50 + i}-01-01\n" for i in range(5)).encode())
    pages.append((mail, "group of e-mail addresses", (360, 390)))
    unbroken = folder / "unbroken.html"
    run("group", "-", "--html", str(unbroken),
        stdin=f'"{"W" * 80}",1961-09-30\nAnn,1999-11-17\n'.encode())
    pages.append((unbroken, "an unbroken name", (360, 1200)))
    couple = folder / "phone-couple.html"
    run("couple", "--name", "Maximiliano Fitzgerald-Montgomery", "1955-07-04", "--name",
        "person.number1@example-company.example", "2000-01-01", "--html", str(couple))
    pages.append((couple, "couple", (360, 390)))
    pages.append((check_large_group_html(folder), "group of 1000", (360, 1200)))
    return pages


def chromium():
    return shutil.which("chromium") or shutil.which("chromium-browser")


def page_width(path, viewport):
    """The page's width in Chromium when shown in a viewport of that many pixels."""
    with tempfile.TemporaryDirectory() as folder:
        shutil.copy(path, Path(folder) / "page.html")
        wrapper = Path(folder) / "wrapper.html"
        wrapper.write_text(
            f'<!DOCTYPE html><html><body style="margin:0"><iframe id="f" src="page.html" '
            f'style="width:{viewport}px;height:900px;border:0"></iframe><script>'
            f'document.getElementById("f").onload = function() {{ document.title = "W" + '
            f'this.contentDocument.documentElement.clientWidth + "/" + '
            f'this.contentDocument.documentElement.scrollWidth; }};</script></body></html>')
        out = subprocess.run(
            [chromium(), "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--allow-file-access-from-files", f"--user-data-dir={folder}/profile",
             "--window-size=1400,1000", "--virtual-time-budget=10000", "--dump-dom",
             wrapper.as_uri()], capture_output=True, text=True, timeout=180).stdout
    found = re.search(r"<title>W(\d+)/(\d+)</title>", out)
    return (int(found.group(1)), int(found.group(2))) if found else None


def check_widths(pages):
    if not chromium():
        print("note: Chromium is not installed; the pages' widths in a browser were not measured")
        return
    for path, what, viewports in pages:
        for viewport in viewports:
            measured = page_width(path, viewport)
            if check(measured, f"{what}: Chromium measured nothing at {viewport} px"):
                room, width = measured
                check(width <= room, f"{what}: {width} px wide in a view of {room} px "
                                     f"(a window of {viewport} px)")


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


def translations(language):
    """Every text of the language's catalog."""
    catalog = Path(__file__).resolve().parents[2] / "translations" / f"kinmatch_{language}.ts"
    return ["".join(message.find("translation").itertext())
            for message in ElementTree.parse(catalog).getroot().iter("message")]


class Cells(html.parser.HTMLParser):
    """The texts of a page's table header cells."""

    def __init__(self):
        super().__init__()
        self.cells, self.inside = [], False

    def handle_starttag(self, tag, attrs):
        if tag == "th":
            self.inside = True
            self.cells.append("")

    def handle_endtag(self, tag):
        self.inside = self.inside and tag != "th"

    def handle_data(self, data):
        if self.inside:
            self.cells[-1] += data


def check_documents_in(language, folder):
    """The documents in a language: the page says which, and every heading of their tables is
    the catalog's (a text the catalog lacks would show in English)."""
    lang = language.replace("_", "-")
    texts = translations(language)
    _, csv, _ = group(5, 4, cells=False)
    for what, args in (("group", ["group", "-"]),
                       ("couple", ["couple", "--name", "Ann", "1955-07-04", "--name", "Bob",
                                   "2000-01-01"]),
                       ("report", ["report", "--name", "Ann", "1955-07-04"])):
        out = folder / f"{what}-{language}.html"
        run(*args, "--html", str(out), stdin=csv.encode(), language=language)
        page = out.read_text(encoding="utf-8")
        check(f'<html lang="{lang}">' in page, f"{what} HTML in {language}: not lang {lang}")
        cells = Cells()
        cells.feed(page)
        for cell in {cell.strip() for cell in cells.cells}:
            if re.fullmatch(r"[^\W\d_][\w .'-]*", cell) and not any(cell in text for text in texts):
                check(False, f"{what} HTML in {language}: the heading {cell!r} is not translated")


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
        check('<html lang="en">' in report.read_text(encoding="utf-8"), "report HTML: no lang")

        check_long_names_pdf(folder)
        check_emoji_pdf(folder)
        check_long_couple_pdf(folder)
        pages = check_large_group_pdf_and_html(folder)
        check_widths(pages)
        catalogs = Path(__file__).resolve().parents[2] / "translations"
        for catalog in sorted(catalogs.glob("kinmatch_*.ts")):
            check_documents_in(catalog.stem.removeprefix("kinmatch_"), folder)
    finally:
        shutil.rmtree(folder)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


sys.exit(main())
