#!/usr/bin/python3
"""The English reading as a screen reader meets it, over the real accessibility bus.

The same session as a11y_e2e.py, with the application started in the English reading (PELAGONIX_LANG=en): through
the bus alone, open the selector, the glossary and the sheets' selector by their English names, and read the
glossary's and the first sheet's text in English.

Usage: english_pages.py PATH_TO_APPLICATION
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import a11y_e2e as bus  # noqa: E402


def run(pyatspi, process):
    cover = bus.wait_for("the cover", lambda: bus.window(pyatspi, process, "PELAGONIX"), timeout=20)
    bus.press(bus.wait_for("the cover's picture", lambda: bus.find(
        cover, bus.named("push button", "Open the calculator selector"))))
    selector = bus.wait_for("the selector", lambda: bus.window(pyatspi, process, "Calculator selector"))

    bus.press(bus.wait_for("the glossary button", lambda: bus.find(
        selector, bus.named("push button", "Glossary of the terms used"))))
    glossary = bus.wait_for("the glossary", lambda: bus.window(pyatspi, process,
                                                              "Glossary of the terms used in PELAGONIX"))
    text = bus.text_of(bus.wait_for("the glossary's text", lambda: bus.page_of(glossary)))
    if not text.startswith("NL = spectrum level") or "sea state" not in text or "dB/microPa/√Hz" not in text:
        bus.fail("the English glossary reads %r" % text[:160])
    print("Form17 reads English: %r" % text.splitlines()[0], flush=True)

    bus.press(bus.find(selector, bus.named("push button", "Underwater acoustics algorithms")))
    sheets = bus.wait_for("the sheet selector", lambda: bus.window(pyatspi, process,
                                                                  "Underwater acoustics algorithms"))
    bus.press(bus.wait_for("the first sheet's button", lambda: bus.find(
        sheets, bus.named("push button", "The sonar equations (passive and active)"))))
    sheet = bus.wait_for("the sonar equations", lambda: bus.window(pyatspi, process, "Sonar equations"))
    page = bus.wait_for("the sheet's page", lambda: bus.page_of(sheet))
    text = bus.text_of(page)
    if "source level" not in text or "detection threshold" not in text or sheet.description != text:
        bus.fail("the English sheet reads %r" % text[:160])
    print("Form19 reads English: %r" % text.splitlines()[0], flush=True)


if __name__ == "__main__":
    bus.run = run
    bus.START = bus.time.monotonic()
    bus.main()
