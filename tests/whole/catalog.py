"""Prints a text as the program shows it in a language: its translation in the language's
catalog (translations/kinmatch_LANG.ts), or the English text itself where the catalog has no
finished translation, as the program falls back; an access key's & is left out. With --key,
the text's access key instead, as xdotool names the key ("x" for "E&xit").
  catalog.py [--key] TS-FILE|en CONTEXT|- TEXT [ARGUMENT...]   (- for any context; %1, %2...
  replaced)"""

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


def shown(catalog, context, text, *arguments):
    """The text as the program shows it, its placeholders replaced and its & left out."""
    text = translation(catalog, context, text)
    for number, argument in enumerate(arguments, start=1):
        text = text.replace(f"%{number}", argument)
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def access_key(catalog, context, text):
    """The text's access key, as xdotool names the key."""
    return translation(catalog, context, text).replace("&&", "").split("&", 1)[1][0].lower()


if __name__ == "__main__":
    if sys.argv[1] == "--key":
        print(access_key(*sys.argv[2:5]))
    else:
        print(shown(*sys.argv[1:]))
