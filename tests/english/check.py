#!/usr/bin/python3
"""The English reading, read through the driver as a user reads it.

    check.py DRIVER [--italian-only] [--words]

Walks every screen of the catalogue twice, once in the English reading (PELAGONIX_LANG=en) and once as an
Italian desktop without the variable (LANG=C.UTF-8): every control's text and entries (`controls`), every
window title, every text drawn on a screen, what Ctrl+C copies from it; on the workbench Form12 every process of
the process list and every algorithm set-up, one report computed and two faults provoked.  Then:

- the Italian walk is Italian: every window title is the catalogue's, and the Italian words of the list beside this
  script are found in it;
- the English walk has no Italian word left (italian_words.txt: the words of the Italian texts that are no English
  word, symbol or unit), every text that holds an Italian word differs from the Italian one, and every text without
  a letter (a number, a result) is the same in both readings;
- every word of the Italian texts is either in italian_words.txt or in not_italian.txt, so that a new Italian
  text cannot slip past the lists.

It prints each screen and control that still holds an Italian word, and exits 1 when any check fails.
--words prints the words of the Italian walk that neither list holds (to classify them).
"""
import json
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
WORD = re.compile(r"[^\W\d_]{3,}")
LETTER = re.compile(r"[^\W\d_]")

# The workbench's walk: indices of its process list and of its algorithm list.
ALGORITHMS = 9       # the digital systems' algorithms
RATIO = 4            # Sux/Nux(dB) = f[Si/Ni(dB); RC(Sec.); BW(Hz)]
NOISY_CURVE = 6      # the digital curve of a noisy signal


class Driver:
    def __init__(self, program, english):
        env = dict(os.environ)
        for name in ("PELAGONIX_LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"):
            env.pop(name, None)
        env["LANG"] = "C.UTF-8"
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        if english:
            env["PELAGONIX_LANG"] = "en"
        self.process = subprocess.Popen([program], stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env,
                                        text=True, encoding="utf-8", errors="replace")
        self.process.stdout.readline()  # started

    def __call__(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise RuntimeError("the driver ended at: " + command)
        return json.loads(line)

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=60)


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


class Walk:
    """The texts a user reads, each under a key that names its screen, the step of the walk and its control."""

    def __init__(self, driver, scratch):
        self.d = driver
        self.scratch = scratch
        self.texts = {}
        self.titles = {}

    def note(self, key, text):
        if text:
            self.texts[key] = text

    def read(self, screen, step=""):
        where = screen + (("@" + step) if step else "")
        self.note(where + "#title", self.d("get " + screen).get("text", ""))
        answer = self.d("controls " + screen)
        for c in answer.get("controls", []):
            self.note(where + "." + c["name"], c.get("text", ""))
            for i, entry in enumerate(c.get("entries", [])):
                self.note("%s.%s[%d]" % (where, c["name"], i), entry)
        drawing = os.path.join(self.scratch, "drawing.txt")
        self.d("drawing %s %s" % (screen, quoted(drawing)))
        if os.path.exists(drawing):
            with open(drawing, encoding="utf-8") as f:
                n = 0
                for line in f:
                    m = re.match(r'^text \S+ \S+ (".*") \S+$', line.rstrip("\n"))
                    if m:
                        self.note("%s#drawn[%d]" % (where, n), json.loads(m.group(1)))
                        n += 1
        return answer.get("controls", [])

    def copy(self, screen, step=""):
        where = screen + (("@" + step) if step else "")
        self.d("key %s Ctrl+C" % screen)
        self.note(where + "#copied", self.d("clipboard").get("clipboard", ""))

    def faults(self, where):
        for i, text in enumerate(self.d("faults").get("faults", [])):
            self.note("%s#fault[%d]" % (where, i), text)

    def close_all_but_cover(self):
        for name in self.d("screens").get("screens", []):
            if name != "Form1":
                self.d("close " + name)

    def retype(self, target, text):
        self.d("key %s End" % target)
        before = self.d("get " + target).get("text", "")
        for _ in range(len(before) + 2):
            self.d("key %s Backspace" % target)
        self.d("type %s %s" % (target, quoted(text)))

    def workbench(self):
        self.d("show Form12")
        controls = self.read("Form12")
        processes = next((c.get("entries", []) for c in controls if c["name"] == "Combo1"), [])
        algorithms = next((c.get("entries", []) for c in controls if c["name"] == "List1"), [])
        for i, process in enumerate(processes):
            step = "process%d" % i
            self.d("pick Form12.Combo1 " + quoted(process))
            self.read("Form12", step)
            if i == ALGORITHMS:
                for j, algorithm in enumerate(algorithms):
                    self.d("pick Form12.List1 " + quoted(algorithm))
                    self.read("Form12", "%s.algorithm%d" % (step, j))
            self.faults("Form12@" + step)
            self.d("show Form12")
        # On a workbench opened afresh (no algorithm chosen, whose fields Convalida dati would take over too): a
        # curve whose reference band is zero faults.
        self.close_all_but_cover()
        self.d("show Form12")
        self.d("pick Form12.Combo1 " + quoted(processes[NOISY_CURVE]))
        for n, text in enumerate(("1000", "3000", "1000", "500", "10", "0"), start=1):
            self.retype("Form12.txtdigits%d" % n, text)
        self.d("click Form12.Command2")
        self.d("click Form12.Command1")
        self.faults("Form12@curve")
        self.read("Form12", "curve")
        # A report: the output ratio of an input of -10 dB, RC 1000 s, band 1 Hz; then the same without a band.
        self.d("pick Form12.Combo1 " + quoted(processes[ALGORITHMS]))
        self.d("pick Form12.List1 " + quoted(algorithms[RATIO]))
        for n, text in enumerate(("-10", "1000", "1"), start=1):
            self.retype("Form12.txtdigits%d" % n, text)
        self.d("click Form12.Command2")
        self.d("click Form12.Command1")
        self.read("Form12", "report")
        self.copy("Form12", "report")
        self.faults("Form12@report")
        self.retype("Form12.txtdigits2", "0")
        self.d("click Form12.Command2")
        self.d("click Form12.Command1")
        self.faults("Form12@fault")
        self.read("Form12", "fault")

    def run(self):
        rows = self.d("catalogue").get("catalogue", [])
        for row in rows:
            self.titles[row["name"]] = row["title"]
            if row["name"] == "Form12":
                self.workbench()
            else:
                self.d("show " + row["name"])
                self.read(row["name"])
                self.copy(row["name"])
                self.faults(row["name"])
            self.close_all_but_cover()
        return rows


def walk(program, english):
    with tempfile.TemporaryDirectory() as scratch:
        d = Driver(program, english)
        try:
            w = Walk(d, scratch)
            w.run()
        finally:
            d.close()
    return w


# What the walk must reach in either reading: a report and two faults of the workbench.
MILESTONES = ("Form12@report#drawn[0]", "Form12@fault#fault[0]", "Form12@curve#fault[0]")


def reached(w, reading):
    return ["%s reading: the walk did not reach %s" % (reading, key) for key in MILESTONES if key not in w.texts]


def load(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return {line.strip().lower() for line in f if line.strip() and not line.startswith("#")}


def words(text):
    return {w.lower() for w in WORD.findall(text)}


def main():
    program = sys.argv[1]
    italian_only = "--italian-only" in sys.argv
    italian_words = load("italian_words.txt")
    not_italian = load("not_italian.txt")
    problems = []

    it = walk(program, english=False)
    seen = set()
    for text in it.texts.values():
        seen |= words(text)
    if "--words" in sys.argv:
        for w in sorted(seen - italian_words - not_italian):
            print(w)
        return 0
    # The Italian reading: the catalogue's own titles, and the Italian words of the list.
    for name, title in it.titles.items():
        got = it.texts.get(name + "#title", "")
        if got != title and title.strip():
            problems.append("Italian reading: %s has the title %r, not %r" % (name, got, title))
    if len(it.titles) != 29:
        problems.append("the catalogue has %d screens, not 29" % len(it.titles))
    problems += reached(it, "Italian")
    found = seen & italian_words
    if len(found) < len(italian_words) // 2:
        problems.append("Italian reading: only %d of the %d Italian words are read" % (len(found), len(italian_words)))
    unclassified = sorted(seen - italian_words - not_italian)
    if unclassified and not italian_only:
        problems.append("words of the Italian texts in neither list (italian_words.txt, not_italian.txt): "
                        + " ".join(unclassified))

    if not italian_only:
        en = walk(program, english=True)
        problems += reached(en, "English")
        for name, title in it.titles.items():
            if title.strip() and en.texts.get(name + "#title") == title:
                problems.append("%s: the window title is still the Italian %r" % (name, title))
        left = 0
        for key, text in en.texts.items():
            italian = sorted(words(text) & italian_words)
            if italian:
                left += 1
                problems.append("%s: Italian word(s) %s in %r" % (key, ", ".join(italian), text))
        for key, text in it.texts.items():
            english = en.texts.get(key)
            if english is None:
                if words(text) & italian_words:
                    problems.append("%s: read in Italian (%r) but not in English" % (key, text))
                continue
            if words(text) & italian_words and english == text:
                problems.append("%s: the same in English as in Italian: %r" % (key, text))
            if not LETTER.search(text) and english != text:
                problems.append("%s: %r in Italian but %r in English" % (key, text, english))
        print("English reading: %d texts read, %d with an Italian word" % (len(en.texts), left))
    print("Italian reading: %d texts read, %d words" % (len(it.texts), len(seen)))
    if unclassified and italian_only:
        print("words of the Italian texts in neither list: " + " ".join(unclassified))
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
