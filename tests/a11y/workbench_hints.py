#!/usr/bin/python3
"""The workbench's fields and hint as a screen reader meets them, over the real accessibility bus.

The same session as a11y_e2e.py (a virtual X server, a session bus, the accessibility bus launcher); through the bus
alone: open the workbench, choose a curve process, read each data field's description (its tool-tip: what it holds
and in which unit), then set a field and hear the hint that the data are not taken over yet.

Usage: workbench_hints.py PATH_TO_APPLICATION
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import a11y_e2e as bus  # noqa: E402

WORKBENCH = "Metodi di correlazione per l'acustica subacquea"

DESCRIPTIONS = {
    "F (Hz)": "Frequenza superiore F della banda 0-F, in Hz",
    "F.scala(microS.)": "Fondo scala dell'asse dei tempi, in microsecondi",
    "tc (microS.)": "Ritardo tc fra i due segnali, in microsecondi",
}


def run(pyatspi, process):
    cover = bus.wait_for("the cover", lambda: bus.window(pyatspi, process, "PELAGONIX"), timeout=20)
    bus.press(bus.wait_for("the cover's picture", lambda: bus.find(
        cover, bus.named("push button", "Apri il selettore delle funzioni di calcolo"))))
    selector = bus.wait_for("the selector", lambda: bus.window(pyatspi, process, "Selettore delle funzioni di calcolo"))
    bus.press(bus.wait_for("the workbench button", lambda: bus.find(selector, bus.named("push button", WORKBENCH))))
    bench = bus.wait_for("the workbench", lambda: bus.window(pyatspi, process, WORKBENCH))
    box = bus.wait_for("the process box", lambda: bus.find(bench, bus.named("combo box", "SELEZIONE PROCESSO")))
    bus.choose(box, "DIG. C = f(F1,F2,tc,s/n,rc)")

    def field(caption):
        wanted = " ".join(caption.split())
        return bus.wait_for("the field " + caption, lambda: bus.find(
            bench, lambda n: n.getRoleName() == "text" and " ".join(n.name.split()) == wanted))

    gain = field("K, fattore di guadagno")
    if "la curva è moltiplicata per K" not in (gain.description or ""):
        bus.fail("the gain field's description is %r" % gain.description)
    bus.choose(box, "ANAL. C = f(F,tc)")
    for caption, description in DESCRIPTIONS.items():
        node = field(caption)
        bus.wait_for("the description of " + caption, lambda: node.description == description)
    print("Form12: each field of the curve reads its quantity and unit as its description", flush=True)

    heard = []

    def on_change(event):
        try:
            if event.source.getRoleName() == "label":
                heard.append(event.any_data)
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_change, "object:text-changed:insert")
    node = field("F (Hz)")
    node.queryEditableText().setTextContents("1000")
    bus.wait_for("the hint heard", lambda: any("Dati non convalidati" in str(h) for h in heard))
    hint = bus.wait_for("the hint in the window's tree", lambda: bus.find(
        bench, lambda n: n.getRoleName() == "label" and "Dati non convalidati" in bus.text_of(n)))
    said = bus.text_of(hint)
    bus.press(bus.find(bench, bus.named("push button", "Convalida dati")))
    bus.wait_for("the hint of the data taken over", lambda: "Dati convalidati" in [str(h) for h in heard])
    pyatspi.Registry.deregisterEventListener(on_change, "object:text-changed:insert")
    print('Form12: the hint "%s" is heard, then "Dati convalidati"' % said, flush=True)


if __name__ == "__main__":
    bus.run = run
    bus.START = bus.time.monotonic()
    bus.main()
