#!/usr/bin/python3
"""The application as a screen reader meets it, over the real accessibility bus.

A virtual X server, a session bus and the accessibility bus launcher are started; the application runs on them with
its accessibility bridge on, and everything below is done through the bus alone, as an assistive technology does:
open the selector from the cover, open the sea-noise calculator, set the frequency, choose a sea state, press
"Calcolo" and read the result by its caption; then, where the correlation workbench is built, choose a process and
press its "Calcolo".  The glossary and the algorithm sheets read their text.  Last, a run with the keyboard alone,
as a screen reader's user makes it: keys sent through the accessibility bus, each control recognised by the name
the bus reports when it takes the focus, from the cover to a curve, an algorithm report and a block report on the
workbench, each read back; the arrow keys pass over "CORR.PANORAMICA" without opening a window.

Usage: a11y_e2e.py PATH_TO_APPLICATION
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE = 90.0  # seconds for the whole run
STEP = 10.0  # seconds for one thing to appear through the bus


def fail(message):
    print("FAILED: " + message, flush=True)
    sys.exit(1)


def start_bus_session():
    """Runs this script again inside a private session bus, if it is not in one of its own already."""
    if os.environ.get("PX_A11Y_SESSION") == "1":
        return
    runner = shutil.which("dbus-run-session")
    if runner is None:
        fail("dbus-run-session is not installed (package dbus)")
    env = dict(os.environ, PX_A11Y_SESSION="1")
    try:
        done = subprocess.run([runner, "--", sys.executable] + sys.argv, env=env, timeout=DEADLINE + 20)
    except subprocess.TimeoutExpired:
        fail("the run took longer than %d s" % (DEADLINE + 20))
    sys.exit(done.returncode)


def free_display():
    for n in range(90, 200):
        if not os.path.exists("/tmp/.X11-unix/X%d" % n) and not os.path.exists("/tmp/.X%d-lock" % n):
            return n
    fail("no free X display number")


class Processes:
    def __init__(self):
        self.started = []

    def start(self, argv, env=None, log=None):
        p = subprocess.Popen(argv, env=env, stdout=log or subprocess.DEVNULL, stderr=subprocess.STDOUT,
                             start_new_session=True)
        self.started.append(p)
        return p

    def stop(self):
        for p in reversed(self.started):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for p in reversed(self.started):
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)


def wait_for(what, probe, timeout=STEP):
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # an object may vanish or not answer yet while windows appear
            found = None
        if found:
            return found
        if time.monotonic() > end or time.monotonic() > START + DEADLINE:
            fail("timed out waiting for " + what)
        pump(0.1)


def pump(seconds):
    """Lets the accessibility library deliver events while waiting."""
    from gi.repository import GLib

    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def main():
    start_bus_session()
    app = os.path.abspath(sys.argv[1])
    if not os.access(app, os.X_OK):
        fail("no application at " + app)
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not os.access(launcher, os.X_OK):
        fail("the accessibility bus launcher is not installed (package at-spi2-core)")
    xvfb = shutil.which("Xvfb")
    if xvfb is None:
        fail("Xvfb is not installed (package xvfb)")

    procs = Processes()
    logdir = tempfile.mkdtemp(prefix="pelagonix-a11y-")
    app_log = open(os.path.join(logdir, "application.log"), "w")
    try:
        display = free_display()
        procs.start([xvfb, ":%d" % display, "-screen", "0", "1366x768x24", "-nolisten", "tcp"])
        wait_for("the X server", lambda: os.path.exists("/tmp/.X11-unix/X%d" % display))
        env = dict(os.environ, DISPLAY=":%d" % display)
        procs.start([launcher, "--launch-immediately"], env=env)

        import gi

        gi.require_version("Atspi", "2.0")
        import pyatspi

        wait_for("the accessibility bus", lambda: pyatspi.Registry.getDesktop(0) is not None)

        app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       LC_ALL="C.UTF-8", LANG="C.UTF-8")
        app_env.pop("QT_SCALE_FACTOR", None)
        application = procs.start([app], env=app_env, log=app_log)

        run(pyatspi, application)
        print("accessibility end to end: all steps passed", flush=True)
    finally:
        procs.stop()
        app_log.close()
        with open(os.path.join(logdir, "application.log")) as f:
            output = f.read().strip()
        if output:
            print("application output:\n" + output)
        shutil.rmtree(logdir, ignore_errors=True)


# ---- Walking the tree -----------------------------------------------------------------------------------------------


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def find(root, test, depth=12):
    if root is None or depth < 0:
        return None
    for c in children(root):
        if c is None:
            continue
        try:
            if test(c):
                return c
        except Exception:
            continue
        found = find(c, test, depth - 1)
        if found is not None:
            return found
    return None


def all_nodes(root, depth=12):
    out = []
    for c in children(root):
        if c is not None:
            out.append(c)
            if depth > 0:
                out.extend(all_nodes(c, depth - 1))
    return out


def named(role, name):
    return lambda n: n.getRoleName() == role and n.name == name


def the_application(pyatspi, process):
    for a in children(pyatspi.Registry.getDesktop(0)):
        try:
            if a.get_process_id() == process.pid:
                return a
        except Exception:
            continue
    return None


def window(pyatspi, process, title):
    app = the_application(pyatspi, process)
    if app is None:
        return None
    for w in children(app):
        if w.name == title and w.getRoleName() in ("frame", "window") and w.getState().contains(pyatspi.STATE_SHOWING):
            return w
    return None


def press(node, action="Press"):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == action:
            if not actions.doAction(i):
                fail("%s on %r did nothing" % (action, node.name))
            # A button pressed through the bus clicks a tenth of a second later, as a click the user watches: the
            # test waits for it, so that no wait is met by what an earlier step left on the screen.
            pump(0.25)
            return
    fail("%r has no action %s (it has %s)" % (node.name, action,
                                              [actions.getName(i) for i in range(actions.nActions)]))


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


def labelled_by(pyatspi, node):
    for r in node.getRelationSet():
        if r.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [r.getTarget(i).name for i in range(r.getNTargets())]
    return []


def choose(combo, item_name):
    """Chooses a choice box's item as a screen reader does: the Toggle of the item in the box's list."""
    lists = [c for c in children(combo) if c.getRoleName() in ("list", "table", "tree table")]
    if not lists:
        fail("the choice box %r has no list" % combo.name)
    item = find(lists[0], lambda n: n.name == item_name, depth=2)
    if item is None:
        fail("the choice box %r has no item %r" % (combo.name, item_name))
    press(item, "Toggle")


def close_message_boxes(pyatspi, process):
    """Reads and closes any message box the application shows; returns their texts."""
    seen = []
    app = the_application(pyatspi, process)
    for w in children(app):
        if w.getRoleName() in ("dialog", "alert") and w.getState().contains(pyatspi.STATE_SHOWING):
            labels = []
            find(w, lambda n: n.getRoleName() == "label" and labels.append(n.name) and False)
            seen.append(" ".join(labels))
            ok = find(w, lambda n: n.getRoleName() == "push button")
            if ok is not None:
                press(ok)
    return seen


# ---- The steps ------------------------------------------------------------------------------------------------------


def run(pyatspi, process):
    cover = wait_for("the cover", lambda: window(pyatspi, process, "PELAGONIX"), timeout=20)
    keyboard_run(pyatspi, process, cover)
    picture = wait_for("the cover's picture",
                       lambda: find(cover, named("push button", "Apri il selettore delle funzioni di calcolo")))
    if not picture.getState().contains(pyatspi.STATE_FOCUSABLE):
        fail("the cover's picture takes no focus")
    press(picture)

    selector = wait_for("the selector", lambda: window(pyatspi, process, "Selettore delle funzioni di calcolo"))
    press(wait_for("the sea-noise button", lambda: find(
        selector, named("push button", "Calcolo del livello spettrale del rumore del mare"))))

    form2 = wait_for("the sea-noise calculator", lambda: window(pyatspi, process,
                                                               "Calcolo del rumore spettrale del mare"))
    roles = {c.getRoleName() for c in children(form2)}
    if not {"label", "text", "combo box", "push button"} <= roles:
        fail("the calculator's controls show the roles %s" % sorted(roles))
    freq = wait_for("the frequency field", lambda: find(form2, named("text", "Freq. KHz")))
    if "Freq. KHz" not in labelled_by(pyatspi, freq):
        fail("the frequency field is not labelled by its caption: %s" % labelled_by(pyatspi, freq))
    freq.queryEditableText().setTextContents("2")
    wait_for("the frequency 2", lambda: text_of(freq) == "2")

    sea = wait_for("the sea-state box", lambda: find(form2, named("combo box", "Stato del mare")))
    choose(sea, "SS=1")
    edit = [c for c in children(sea) if c.getRoleName() == "text"]
    if edit:
        wait_for("the sea state SS=1 in the box", lambda: text_of(edit[0]) == "SS=1")

    # The result is the label read by its caption's name: the one labelled by the caption.
    caption = "(NL) in dB/micro Pa/Hz* ="
    result = wait_for("the result label", lambda: find(
        form2, lambda n: named("label", caption)(n) and caption in labelled_by(pyatspi, n)))
    announced = []

    def on_change(event):
        if event.source == result:
            announced.append(event.any_data)

    pyatspi.Registry.registerEventListener(on_change, "object:text-changed:insert")
    press(wait_for("the Calcolo button", lambda: find(form2, named("push button", "Calcolo"))))
    wait_for('the result "50."', lambda: text_of(result) == "50.")
    wait_for("the announcement of the result", lambda: "50." in announced)
    pyatspi.Registry.deregisterEventListener(on_change, "object:text-changed:insert")
    print('Form2: "Freq. KHz, 2", "Stato del mare, SS=1", "(NL) in dB/micro Pa/Hz* =, 50."', flush=True)

    # The correlation workbench, where it is built: choose a process and press Calcolo.
    bench_button = find(selector, named("push button", "Metodi di correlazione per l'acustica subacquea"))
    if bench_button is None:
        return
    press(bench_button)
    try:
        bench = wait_for("the workbench", lambda: window(pyatspi, process,
                                                         "Metodi di correlazione per l'acustica subacquea"),
                         timeout=5)
    except SystemExit:
        print("the workbench does not open in this build", flush=True)
        return
    box = wait_for("the process box", lambda: find(bench, named("combo box", "SELEZIONE PROCESSO")))
    items = [c for c in children(children(box)[0]) if c.name]
    if not items:
        fail("the process box has no items")
    def field_names():
        return sorted(n.name for n in all_nodes(bench) if n.getRoleName() == "text")

    before = field_names()
    choose(box, items[0].name)
    # The box's Click handler ran: the data fields are captioned for the chosen process.
    wait_for("the fields of the chosen process", lambda: field_names() != before)
    press(wait_for("the workbench's Calcolo", lambda: find(bench, named("push button", "Calcolo"))))
    pump(0.5)
    boxes = close_message_boxes(pyatspi, process)
    if process.poll() is not None:
        fail("the application ended after the workbench's Calcolo")
    print("Form12: process %r chosen (fields %s) and Calcolo pressed%s" % (
        items[0].name, ", ".join(field_names()), "; message: " + "; ".join(boxes) if boxes else ""), flush=True)

    # A curve: the data typed into the fields named by their captions, taken over and computed; the drawing's
    # description tells where the curve reaches its top.
    def field(caption):
        wanted = " ".join(caption.split())
        return wait_for("the field " + caption, lambda: find(
            bench, lambda n: n.getRoleName() == "text" and " ".join(n.name.split()) == wanted))

    def drawing_says(words):
        chart = wait_for("the workbench's drawing", lambda: find(bench, lambda n: n.name == "Diagramma"))
        return words in (chart.description or "")

    for caption, value in (("F (Hz)", "1000"), ("F.scala(microS.)", "1000"), ("tc (microS.)", "500")):
        node = field(caption)
        node.queryEditableText().setTextContents(value)
        wait_for("the value " + value, lambda: text_of(node) == value)
    press(wait_for("Convalida dati", lambda: find(bench, named("push button", "Convalida dati"))))
    press(find(bench, named("push button", "Calcolo")))
    wait_for("the curve's top in the description", lambda: drawing_says("C massimo 1.000 al 50%"))
    print("Form12: the curve of F = 1000 Hz, tc = 500 microS. reaches C = 1 at half the full scale", flush=True)

    # A report: two blocks of two numbers typed a pair at a time, then their correlation.
    choose(box, "CORR. BLOCCHI  NUMERICI")
    press(find(bench, named("push button", "Calcolo")))
    for index, (a, b) in enumerate(((1, 2), (2, 4)), start=1):
        for caption, value in (("n", "2"), ("%d A" % index, str(a)), ("%d B" % index, str(b))):
            node = field(caption)
            node.queryEditableText().setTextContents(value)
            wait_for("the value " + value, lambda: text_of(node) == value)
        press(find(bench, named("push button", "Convalida dati")))
    press(find(bench, named("push button", "Calcolo")))
    wait_for("the report in the description", lambda: drawing_says("A media =    1.5") and drawing_says("C=  1 "))
    print("Form12: the block report reads A media = 1.5 and C = 1", flush=True)

    # Each field reads the caption its process gave it, and the change of name was told.
    renamed = []

    def on_rename(event):
        renamed.append(event.source)

    pyatspi.Registry.registerEventListener(on_rename, "object:property-change:accessible-name")
    choose(box, "ANAL. C = f(F1,F2,tc)")
    first = field("F1 (Hz)")
    wait_for("the renaming of the first field", lambda: first in renamed)
    for caption in ("F2 (Hz)", "F.scala(microS.)", "tc (microS.)"):
        field(caption)
    pyatspi.Registry.deregisterEventListener(on_rename, "object:property-change:accessible-name")
    print("Form12: the fields read F1 (Hz), F2 (Hz), F.scala(microS.), tc (microS.) and were renamed", flush=True)

    read_pages(pyatspi, process, selector)


# ---- The reference screens ------------------------------------------------------------------------------------------


def page_of(window):
    pages = [c for c in children(window) if c.getRoleName() == "document frame"]
    return pages[0] if pages else None


def read_pages(pyatspi, process, selector):
    """The glossary and the ten sheets with a page read their text, as the window's description and a document."""
    press(find(selector, named("push button", "Glossario dei termini impiegati")))
    glossary = wait_for("the glossary", lambda: window(pyatspi, process, "Glossario dei termini impiegati in PELAGONIX"))
    page = wait_for("the glossary's text", lambda: page_of(glossary))
    text = text_of(page)
    if not text.startswith("NL = livello spettrale di rumore generato dal mare") or "dB/microPa/√Hz" not in text:
        fail("the glossary reads %r" % text[:120])
    if glossary.description != text:
        fail("the glossary's description is %r" % glossary.description[:120])

    press(find(selector, named("push button", "Algoritmi di acustica subacquea")))
    sheets = wait_for("the sheet selector", lambda: window(pyatspi, process, "Algoritmi di acustica subacquea"))
    buttons = [b for b in all_nodes(sheets, 2) if b.getRoleName() == "push button"]
    if len(buttons) != 11:
        fail("the sheet selector shows %d buttons" % len(buttons))
    app = the_application(pyatspi, process)
    read = 0
    for button in buttons:
        before = {w.name for w in children(app)}
        press(button)
        if button.name == "Algoritmi di calcolo direttività basi rettilinee":
            continue  # the sheet without a page
        sheet = wait_for("the sheet of " + button.name,
                         lambda: next((w for w in children(app) if w.name not in before and page_of(w)), None))
        page = page_of(sheet)
        text = text_of(page)
        if len(text.splitlines()) < 5 or not text.startswith(page.name) or sheet.description != text:
            fail("the sheet %r reads %r" % (sheet.name, text[:120]))
        read += 1
    print("Form17 and %d sheets read their text" % read, flush=True)


# ---- The keyboard alone ---------------------------------------------------------------------------------------------

KEYSYMS = {"Tab": 0xff09, "Enter": 0xff0d, "Down": 0xff54, "Up": 0xff52, "Space": 0x20}


class Keyboard:
    """Keys sent through the accessibility bus; the focus followed as a screen reader follows it, by its events."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.focused = None
        self.moves = 0
        self.selected = []
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.on_selected, "object:state-changed:selected")

    def on_focus(self, event):
        if event.detail1 == 1:
            self.focused = event.source
            self.moves += 1

    def on_selected(self, event):
        if event.detail1 == 1:
            self.selected.append(event.source.name)

    def key(self, name):
        keysym = KEYSYMS.get(name, ord(name) if len(name) == 1 else None)
        self.pyatspi.Registry.generateKeyboardEvent(keysym, None, self.pyatspi.KEY_SYM)
        pump(0.05)

    def key_until(self, name, what, probe, tries=3):
        """Sends the key until what it does is seen: a key sent while a window is still taking the keyboard can be
        lost, as a user would find and press again."""
        for _ in range(tries):
            self.key(name)
            end = time.monotonic() + 3.0
            while time.monotonic() < end:
                try:
                    if probe():
                        return
                except Exception:
                    pass
                pump(0.05)
        fail("%s did not bring %s" % (name, what))

    def type(self, text):
        for c in text:
            self.key(c)

    def fill(self, values):
        """Types each value into the field of that caption, reached with Tab."""
        for caption, value in values:
            self.tab_to(caption, "text")
            self.type(value)
            wait_for("the value " + value, lambda: text_of(self.focused) == value)

    def press_button(self, caption):
        self.tab_to(caption, "push button")
        self.key("Enter")

    def compute(self, values):
        """The workbench's round: the data typed, taken over with "Convalida dati", then "Calcolo"."""
        self.fill(values)
        self.press_button("Convalida dati")
        self.press_button("Calcolo")

    def name(self):
        try:
            return " ".join(self.focused.name.split()) if self.focused is not None else ""
        except Exception:
            return ""

    def tab_to(self, wanted, role=None, limit=30):
        """Tabs until the focus is on the control of that name (and role), as a user listening to each name."""
        heard = []
        for _ in range(limit):
            if self.name() == wanted and (role is None or self.focused.getRoleName() == role):
                return self.focused
            heard.append(self.name())
            moves = self.moves
            self.key_until("Tab", "the focus away from " + heard[-1], lambda: self.moves > moves)
        fail("Tab never reached %r; heard %s" % (wanted, heard))

    def move_to(self, wanted, key="Down", limit=14):
        """Moves a list with the arrow key until the item selected is the one wanted."""
        for _ in range(limit):
            if self.selected and self.selected[-1] == wanted:
                return
            count = len(self.selected)
            self.key_until(key, "an item selected", lambda: len(self.selected) > count)
        fail("%s never selected %r; heard %s" % (key, wanted, self.selected))


def keyboard_run(pyatspi, process, cover):
    keys = Keyboard(pyatspi)
    activated = []

    def on_activate(event):
        activated.append(event.source.name)

    pyatspi.Registry.registerEventListener(on_activate, "window:activate")
    # From the cover, as the application starts: its picture has the focus; Enter opens the selector, Tab reaches
    # the workbench's button.
    picture = wait_for("the cover's picture", lambda: find(
        cover, named("push button", "Apri il selettore delle funzioni di calcolo")))
    wait_for("the focus on the cover's picture", lambda: picture.getState().contains(pyatspi.STATE_FOCUSED))
    keys.focused = picture
    wait_for("the cover to take the keys", lambda: cover.getState().contains(pyatspi.STATE_ACTIVE))
    pump(0.3)
    keys.key_until("Enter", "the selector", lambda: keys.name().startswith("Calcolo"))
    keys.tab_to("Metodi di correlazione per l'acustica subacquea", "push button")
    keys.key("Enter")
    bench = wait_for("the workbench", lambda: window(pyatspi, process, "Metodi di correlazione per l'acustica subacquea"))
    wait_for("the focus in the workbench", lambda: keys.focused is not None and keys.name() != "Metodi di correlazione per l'acustica subacquea")

    # A curve.
    keys.tab_to("SELEZIONE PROCESSO", "combo box")
    keys.move_to("ANAL. C = f(F,tc)")
    keys.compute((("F (Hz)", "2000"), ("F.scala(microS.)", "1000"), ("tc (microS.)", "500")))
    chart = wait_for("the workbench's drawing", lambda: find(bench, lambda n: n.name == "Diagramma"))
    wait_for("the curve in the description", lambda: "Curva blu" in (chart.description or ""))
    print("keyboard: the curve of F = 2000 Hz reads %r" % chart.description, flush=True)

    # Over "CORR.PANORAMICA" to the algorithms: no window opens, the focus stays on the list.
    keys.tab_to("SELEZIONE PROCESSO", "combo box")
    del activated[:]
    keys.move_to("ALGORITMI SISTEMI DIG.")
    if "CORR.PANORAMICA" not in keys.selected:
        fail("the arrow keys did not pass over CORR.PANORAMICA: %s" % keys.selected)
    pump(0.3)
    if activated:
        fail("passing over the entries brought forward %s" % activated)
    # The focus stays on the list (or on its entry, which some bridges report as focused).
    if keys.name() not in ("SELEZIONE PROCESSO", "ALGORITMI SISTEMI DIG."):
        fail("the focus went to %r" % keys.name())
    box = find(bench, named("combo box", "SELEZIONE PROCESSO"))
    lists = [c for c in children(box) if c.getRoleName() in ("list", "table", "tree table")]
    chosen = [c.name for c in children(lists[0]) if c.getState().contains(pyatspi.STATE_SELECTED)] if lists else []
    if chosen != ["ALGORITMI SISTEMI DIG."]:
        fail("the process list reads %r as selected" % chosen)
    print("keyboard: the arrows passed over CORR.PANORAMICA, no window opened", flush=True)

    # An algorithm report.
    keys.tab_to("SELEZIONE ALGORITMI PER SISTEMI DIGITALI")
    keys.move_to("Nux(Veff) = f[RC(Sec.);BW(Hz)]", limit=8)
    keys.compute((("V.alim.(Vcc.)", "10"), ("RC(Sec.)", "1"), ("BW(Hz)", "1000")))
    chart = wait_for("the workbench's drawing", lambda: find(bench, lambda n: n.name == "Diagramma"))
    wait_for("the algorithm's report", lambda: "Nux(Veff.)=" in (chart.description or ""))
    print("keyboard: the report reads %r" % " ".join(chart.description.split()), flush=True)

    # A block report: n = 2, then the pairs (1, 2) and (2, 4).
    keys.tab_to("SELEZIONE PROCESSO", "combo box")
    keys.move_to("CORR. BLOCCHI  NUMERICI")
    keys.press_button("Calcolo")
    for index, (a, b) in enumerate(((1, 2), (2, 4)), start=1):
        keys.fill((("n", "2"), ("%d A" % index, str(a)), ("%d B" % index, str(b))))
        keys.press_button("Convalida dati")
    keys.press_button("Calcolo")
    chart = wait_for("the workbench's drawing", lambda: find(bench, lambda n: n.name == "Diagramma"))
    wait_for("the block report", lambda: "A media =    1.5" in (chart.description or ""))
    print("keyboard: the block report reads A media = 1.5", flush=True)
    # n = 0 taken over: the next "Calcolo" of the blocks starts afresh.
    keys.fill((("n", "0"),))
    keys.press_button("Convalida dati")
    pyatspi.Registry.deregisterEventListener(on_activate, "window:activate")


START = time.monotonic()

if __name__ == "__main__":
    main()
