#!/usr/bin/python3
"""The application as a screen reader meets it, over the real accessibility bus.

A virtual X server, a session bus and the accessibility bus launcher are started; the application runs on them with
its accessibility bridge on, and everything below is done through the bus alone, as an assistive technology does:
open the selector from the cover, open the sea-noise calculator, set the frequency, choose a sea state, press
"Calcolo" and read the result by its caption; then, where the correlation workbench is built, choose a process and
press its "Calcolo".

Usage: a11y_e2e.py PATH_TO_APPLICATION
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE = 50.0  # seconds for the whole run
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
        done = subprocess.run([runner, "--", sys.executable] + sys.argv, env=env, timeout=DEADLINE + 30)
    except subprocess.TimeoutExpired:
        fail("the run took longer than %d s" % (DEADLINE + 30))
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


START = time.monotonic()

if __name__ == "__main__":
    main()
