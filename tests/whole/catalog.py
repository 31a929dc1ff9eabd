"""Prints a text as the program shows it in a language: its translation in the language's
catalog (translations/kinmatch_LANG.ts), or the English text itself where the catalog has no
finished translation, as the program falls back; an access key's & is left out.
  catalog.py TS-FILE|en CONTEXT|- TEXT [ARGUMENT...]   (- for any context; %1, %2... replaced)"""

import sys
import xml.etree.ElementTree as ElementTree


def translation(catalog, context, text):
    if catalog == "en":
        return text
    for element in ElementTree.parse(catalog).getroot().iter("context"):
        if context != "-" and element.findtext("name") != context:
            continue
        for message in element.iter("message"):
            found = message.find("translation")
            if (message.findtext("source") == text and found is not None and found.text
                    and found.get("type") not in ("unfinished", "vanished", "obsolete")):
                return found.text
    return text


shown = translation(*sys.argv[1:4])
for number, argument in enumerate(sys.argv[4:], start=1):
    shown = shown.replace(f"%{number}", argument)
print(shown.replace("&&", "\0").replace("&", "").replace("\0", "&"))
