#!/usr/bin/python3
"""The page as a screen reader meets it, read from Chromium's own accessibility tree
(Accessibility.getFullAXTree): each window reads what the desktop's window reads through its
accessibility bridge (tests/end_to_end/read_windows.py), in the same order; a spin is told in
the live region in the words of what the tree then shows; the message is an alert dialog with
the keyboard on OK, and the keyboard goes back to the stake once it is closed.

The controls of a window are read, not its menu bar and status bar (the desktop's toolkit's own),
nor what is out of sight. A button reads "[button] NAME", a picture "[image] NAME", a reel
"PLACE: DIGIT"; texts read as words, runs of spaces as one.
"""

import re

import harness as h
from harness import check, wait_for

WELCOME = ["Press F2 for å starte spillet", "Velkommen Til :", "Kronesluk !", "av: Tindrevik"]
PRIZES = ["Gevinst: to høye stabler med gullmynter", "Gevinst: tre stabler med gullmynter",
          "Gevinst: fem stabler med gullmynter", "Gevinst: en stabel med gullmynter",
          "Gevinst: to gullmynter"]
TOP = ["Kronesluk"]  # the reels read after the title once they show
STAKES_AND_TABLE = [
    "Innsats :", "[button] 1 Kr", "[button] 2 Kr", "Du vinner ved:", "1 Kr", "2 Kr", "000",
    "- 50 kr - 100 kr", "444 333 222 1-1", "- 30 kr - 60 kr", "- 20 kr - 40 kr",
    "- 10 kr - 20 kr", "- 2 kr - 4 kr"]
# Before the first spin the reels are empty, and the black panel hides every prize picture.
GAME_BEFORE_SPIN = [*TOP, *STAKES_AND_TABLE, "Du har 30 kr igjen å spille for",
                    "[image] Svart panel", "Ingen Gevinst"]
ABOUT = ["[image] Kronesluk", "Kronesluk", "Versjon 2000 Pro av Tindrevik",
         'Er du spillegal? Da er " Kronesluk " noe for deg! Velg mellom å spille for 1kr eller '
         '2kr for større sum.', "Advarsel ! Er ikke motvirkende mot spillegalskap",
         "[button] OK", "[button] System Info..."]
SENTENCE = re.compile(r"(Ingen gevinst|Gevinst \d+), (-?\d+) kr, hjul ([0-4]) ([0-4]) ([0-4])\.")
WINDOWS = ("Form1", "Form2", "frmAbout", "message")
ROLES = {"button": "button", "image": "image", "img": "image"}


def words(text):
    return " ".join(text.split())


class Tree:
    """One reading of Chromium's accessibility tree, with each node's place in the DOM: the
    window and the control (data-name) it belongs to, or the element id it has."""

    def __init__(self, browser):
        self.owner, self.ids = {}, {}
        self._map(browser.cdp("DOM.getDocument", depth=-1)["root"], None, None)
        self.nodes = browser.cdp("Accessibility.getFullAXTree")["nodes"]
        self.by_id = {node["nodeId"]: node for node in self.nodes}
        self.by_element = {node.get("backendDOMNodeId"): node for node in self.nodes}

    def _map(self, node, window, control):
        attributes = dict(zip(node.get("attributes", [])[::2], node.get("attributes", [])[1::2]))
        if "id" in attributes:
            self.ids[attributes["id"]] = node["backendNodeId"]
            window = attributes["id"] if attributes["id"] in WINDOWS else window
        control = attributes.get("data-name", control)
        self.owner[node["backendNodeId"]] = (window, control)
        for child in node.get("children", []):
            self._map(child, window, control)

    @staticmethod
    def said(node):
        return node.get("role", {}).get("value"), words(node.get("name", {}).get("value", ""))

    def element(self, element_id):
        """The node of the element with that id, if the tree holds it."""
        node = self.by_element.get(self.ids.get(element_id))
        return None if not node or node.get("ignored") else node

    def window(self, name):
        node = self.element(name)
        return node and self.said(node)

    def reading(self, window):
        """The window's controls as a screen reader reads them, in order."""
        read = []

        def walk(node):
            role, name = self.said(node)
            where, control = self.owner.get(node.get("backendDOMNodeId"), (None, None))
            if where == window and control and not control.startswith(("mnu", "StatusBar")) \
                    and not node.get("ignored"):
                if role in ROLES:
                    read.append(f"[{ROLES[role]}] {name}")
                    return
                if role == "StaticText":
                    read.append(name)
                    return
                if name and role != "generic":
                    read.append(f"{name}:")
            for child in node.get("childIds", []):
                walk(self.by_id[child])

        walk(self.nodes[0])
        return read

    def focused(self):
        """The node with the keyboard: its role, name and window (the document, which holds
        the keyboard too, where nothing in it has it)."""
        found = [node for node in self.nodes if not node.get("ignored") and any(
            p["name"] == "focused" and p["value"]["value"] for p in node.get("properties", []))]
        inner = [node for node in found if node["role"]["value"] != "RootWebArea"]
        node = (inner or found or [None])[0]
        return node and (*self.said(node), self.owner.get(node.get("backendDOMNodeId"))[0])

    def live(self, element_id):
        """How politely a live region speaks, and its words."""
        node = self.element(element_id)
        if not node:
            return None, ""
        live = [p["value"]["value"] for p in node.get("properties", []) if p["name"] == "live"]
        texts = [self.said(self.by_id[child])[1] for child in node.get("childIds", [])]
        return (live or [None])[0], " ".join(text for text in texts if text)


def expect(title, seen, expected):
    """The same words in the same order, however a window splits them into texts."""
    check(" ".join(seen) == " ".join(expected), f"{title} reads\n  {seen}\nexpected\n  {expected}")


def test(folder):
    with h.Browser(folder) as browser:
        state = browser.state
        browser.freeze_clock(h.moment_ms("losing"))
        browser.open()
        read = wait_for(10, lambda: (t := Tree(browser)).live("instruction")[1] and t,
                        "the welcome window's instruction never came to its live region")
        check(read.window("Form1") == ("region", "Kronesluk") and not read.window("Form2"),
              f"the welcome window reads as {read.window('Form1')}, the hidden game window as "
              f"{read.window('Form2')}")
        expect("the welcome window", read.reading("Form1"), WELCOME)
        check(read.live("instruction") == ("polite", WELCOME[0]),
              f"the welcome window says {read.live('instruction')}")
        print(f"PASS: the welcome window reads {WELCOME}, and says {WELCOME[0]!r}")

        browser.key("F2")
        wait_for(10, lambda: state()["balanceShown"], "F2 showed no game window")
        read = Tree(browser)
        check(read.window("Form2") == ("region", "Kronesluk av Tindrevik") and
              not read.window("Form1"), f"the game window reads as {read.window('Form2')}, "
              f"the welcome window as {read.window('Form1')}")
        expect("the game window before a spin", read.reading("Form2"), GAME_BEFORE_SPIN)
        check(read.focused() == ("button", "1 Kr", "Form2"), f"the keyboard: {read.focused()}")
        print("PASS: the game window reads its stakes, pay table, balance and result in order, "
              "with the keyboard on 1 Kr")

        play(browser, 2)
        read = Tree(browser)
        politeness, sentence = read.live("spoken")
        said = SENTENCE.fullmatch(sentence)
        check(politeness == "polite" and said, f"the spin was told {politeness}: {sentence!r}")
        seen = read.reading("Form2")
        results = [item for item in seen if item.removeprefix("[image] ") in PRIZES
                   or item == "Ingen Gevinst"]
        check(len(results) == 1 and (results[0] == "Ingen Gevinst") == said[1].startswith(
            "Ingen"), f"after {sentence!r} the result reads {results}")
        reels = [f"{place} hjul: {digit}" for place, digit in
                 zip(("Venstre", "Midtre", "Høyre"), said.groups()[2:])]
        expect(f"the game window after {sentence!r}", seen, [
            *TOP, *reels, *STAKES_AND_TABLE, f"Du har {said[2]} kr igjen å spille for", *results])
        check(read.focused() == ("button", "2 Kr", "Form2"), f"the keyboard: {read.focused()}")
        print(f"PASS: a spin is told {sentence!r} in the live region, and the tree reads its "
              "reels, balance and result so, with the keyboard back on 2 Kr")

        browser.key("alt+a")
        browser.key("g")
        wait_for(10, lambda: state()["about"], "Alt+A G showed no About")
        read = Tree(browser)
        check(read.window("frmAbout") == ("dialog", "About Kronesluk"),
              f"About reads as {read.window('frmAbout')}")
        expect("About", read.reading("frmAbout"), ABOUT)
        check(read.focused() == ("button", "OK", "frmAbout"), f"the keyboard: {read.focused()}")
        browser.key("Escape")
        wait_for(10, lambda: not state()["about"], "Esc did not close About")
        print("PASS: About reads its texts, OK and System Info... in order, with the keyboard "
              "on OK")

        # At the losing moment every spin loses: down to 1 krone by stakes of 1 and 2 kr, then
        # the 2-kr stake is refused with a message.
        while (balance := int(state()["balance"])) > 1:
            play(browser, 1 if balance % 2 == 0 else 2)
        play(browser, 2, message=True)
        read = Tree(browser)
        text = state()["messageText"]
        box = read.element("message")
        described = words(box.get("description", {}).get("value", "")) if box else None
        check(read.window("message") == ("alertdialog", "KSL") and described == words(text),
              f"the message {text!r} reads as {read.window('message')}, described {described!r}")
        check(read.focused() == ("button", "OK", "message"), f"the keyboard: {read.focused()}")
        browser.key("Return")
        wait_for(10, lambda: state()["stakesOn"], "the stakes did not come back")
        check(Tree(browser).focused() == ("button", "2 Kr", "Form2"),
              f"after the message the keyboard is on {Tree(browser).focused()}")
        print(f"PASS: the message {text!r} is an alert dialog \"KSL\" with the keyboard on OK, "
              "and the keyboard goes back to the stake once it is closed")


def play(browser, stake, message=False):
    """Space on the stake, the keyboard moved onto it first; waits for the spin to end, or with
    `message` for the message it brings."""
    if browser.state()["focus"] != f"Command{stake}":
        browser.key("Tab" if stake == 2 else "shift+Tab")
    check(browser.state()["focus"] == f"Command{stake}",
          f"Tab or Shift+Tab did not reach the {stake}-kr stake")
    browser.key("space")
    if message:
        wait_for(10, lambda: browser.state()["message"], f"the {stake}-kr spin showed no message")
        return
    wait_for(10, lambda: not browser.state()["stakesOn"], "Space played no spin")
    wait_for(10, lambda: browser.state()["stakesOn"], "the spin never came to rest")


if __name__ == "__main__":
    h.run(test, 180)
