#!/usr/bin/env python3
"""Prints the <match> rules by which the desktop's file-type lookup (shared-mime-info) tells a
reading file from a troff page: after the name line, the scrambled year line (whose first two
digits are "19" or "20") and the first three letters of the scrambled month name, each line
ended by CR LF. The year's last two digits are masked out. Paste the output into
assets/desktop/kinmatch.mime.xml.in."""

SHIFT = 7
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]


def scramble(text):
    return bytes(32 + (b - 32 + SHIFT) % 224 if b >= 32 else b for b in text.encode("cp1252"))


def escape(data):
    out = ""
    for b in data:
        if b == 13:
            out += "\\r"
        elif b == 10:
            out += "\\n"
        elif 32 <= b < 127 and chr(b) not in '<>&"\\':
            out += chr(b)
        else:
            out += "\\%03o" % b
    return out


for century in ("19", "20"):
    for month in MONTHS:
        value = b"\r\n" + scramble(century) + b"xx" + b"\r\n" + scramble(month[:3])
        print('      <match type="string" offset="0:1024" value="%s" mask="0x%s"/>'
              % (escape(value), "ffffffff0000ffffffffff"))
