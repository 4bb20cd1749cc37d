#!/usr/bin/python3
"""The page as a screen reader meets it, in Chromium's own accessibility tree: each window reads
what the desktop's reads (tests/end_to_end/read_windows.py), in the same order; a spin is told
in the polite live region in the words of what the tree then shows; the message is an alert
dialog "KSL" with the keyboard on OK, and the keyboard goes back to the stake after it.

A window's controls are read, not its menu bar and status bar, nor what is out of sight: a
button as "[button] NAME", a picture "[image] NAME", a named group (a reel) "NAME:", then the
words of its texts, runs of spaces read as one.
"""

import re

import harness as h
from harness import check

WELCOME = ["Press F2 for å starte spillet", "Velkommen Til :", "Kronesluk !", "av: Tindrevik"]
PRIZES = ["[image] Gevinst: " + prize for prize in (
    "to høye stabler med gullmynter", "tre stabler med gullmynter", "fem stabler med gullmynter",
    "en stabel med gullmynter", "to gullmynter")]
STAKES_AND_TABLE = [
    "Innsats :", "[button] 1 Kr", "[button] 2 Kr", "Du vinner ved:", "1 Kr", "2 Kr", "000",
    "- 50 kr - 100 kr", "444 333 222 1-1", "- 30 kr - 60 kr", "- 20 kr - 40 kr",
    "- 10 kr - 20 kr", "- 2 kr - 4 kr"]
# Before the first spin the reels are empty, and the black panel hides every prize picture.
GAME_BEFORE_SPIN = ["Kronesluk", *STAKES_AND_TABLE, "Du har 30 kr igjen å spille for",
                    "[image] Svart panel", "Ingen Gevinst"]
ABOUT = ["[image] Kronesluk", "Kronesluk", "Versjon 2000 Pro av Tindrevik",
         'Er du spillegal? Da er " Kronesluk " noe for deg! Velg mellom å spille for 1kr eller '
         '2kr for større sum.', "Advarsel ! Er ikke motvirkende mot spillegalskap",
         "[button] OK", "[button] System Info..."]
SENTENCE = re.compile(r"(Ingen gevinst|Gevinst \d+), (-?\d+) kr, hjul ([0-4]) ([0-4]) ([0-4])\.")
WINDOWS = ("Form1", "Form2", "frmAbout", "message")


def words(text):
    return " ".join(text.split())


class Tree:
    """One reading of the accessibility tree, each node placed in the DOM: the window and the
    control (data-name) it belongs to; and the nodes of elements by their id."""

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
        return node["role"]["value"], words(node.get("name", {}).get("value", ""))

    def element(self, element_id):
        node = self.by_element.get(self.ids.get(element_id))
        return None if not node or node.get("ignored") else node

    def window(self, name):
        return (node := self.element(name)) and self.said(node)

    def reading(self, window):
        read = []

        def walk(node):
            role, name = self.said(node)
            where, control = self.owner.get(node.get("backendDOMNodeId"), (None, None))
            if where == window and control and not node.get("ignored") and \
                    not control.startswith(("mnu", "StatusBar")):
                if role in ("button", "image", "StaticText"):
                    return read.append(name if role == "StaticText" else f"[{role}] {name}")
                if name and role != "generic":
                    read.append(f"{name}:")
            for child in node.get("childIds", []):
                walk(self.by_id[child])
            return None

        walk(self.nodes[0])
        return read

    def focused(self):
        """The role, name and window of what has the keyboard (the document where nothing
        in it has)."""
        found = [n for n in self.nodes if not n.get("ignored") and any(
            p["name"] == "focused" and p["value"]["value"] for p in n.get("properties", []))]
        node = ([n for n in found if n["role"]["value"] != "RootWebArea"] or found or [None])[0]
        return node and (*self.said(node), self.owner[node.get("backendDOMNodeId")][0])

    def live(self, element_id):
        """How politely a live region speaks, and its words."""
        node = self.element(element_id) or {}
        live = [p["value"]["value"] for p in node.get("properties", []) if p["name"] == "live"]
        texts = [self.said(self.by_id[child])[1] for child in node.get("childIds", [])]
        return (live or [None])[0], " ".join(filter(None, texts))


def expect(title, seen, expected):
    """The same words in the same order, however a window splits them into texts."""
    check(" ".join(seen) == " ".join(expected), f"{title} reads\n  {seen}\nnot\n  {expected}")


def play(browser, stake):
    """Space on that stake, the keyboard moved onto it first; returns once the spin is done or
    a message is shown."""
    if browser.state()["focus"] != f"Command{stake}":
        browser.key("Tab" if stake == 2 else "shift+Tab")
    check(browser.state()["focus"] == f"Command{stake}", f"Tab did not reach {stake} Kr")
    browser.key("space")
    browser.until("Space played no spin", lambda s: s["message"] or not s["stakesOn"])
    browser.until("the spin never came to rest", lambda s: s["message"] or s["stakesOn"])


def test(folder):
    with h.Browser(folder) as browser:
        browser.freeze_clock(h.moment_ms("losing"))  # every spin loses
        browser.open()
        read = h.wait_for(10, lambda: (t := Tree(browser)).live("instruction")[1] and t,
                          "the welcome window's instruction never came to its live region")
        check(read.window("Form1") == ("region", "Kronesluk") and not read.window("Form2"),
              f"the welcome window reads as {read.window('Form1')}, the hidden game window "
              f"as {read.window('Form2')}")
        expect("the welcome window", read.reading("Form1"), WELCOME)
        check(read.live("instruction") == ("polite", WELCOME[0]),
              f"the welcome window says {read.live('instruction')}")
        print(f"PASS: the welcome window reads {WELCOME}, and says {WELCOME[0]!r}")

        browser.key("F2")
        browser.until("F2 showed no game window", lambda s: s["balanceShown"])
        read = Tree(browser)
        check(read.window("Form2") == ("region", "Kronesluk av Tindrevik") and not
              read.window("Form1"), f"the game window reads as {read.window('Form2')}")
        expect("the game window before a spin", read.reading("Form2"), GAME_BEFORE_SPIN)
        check(read.focused() == ("button", "1 Kr", "Form2"), f"the keyboard: {read.focused()}")
        print("PASS: the game window reads its title, stakes, pay table, balance and result in "
              "order, with the keyboard on 1 Kr")

        play(browser, 2)
        read = Tree(browser)
        politeness, sentence = read.live("spoken")
        said = SENTENCE.fullmatch(sentence)
        check(politeness == "polite" and said, f"the spin was told {politeness}: {sentence!r}")
        seen = read.reading("Form2")
        result = [item for item in seen if item in PRIZES or item == "Ingen Gevinst"]
        check(len(result) == 1 and (result == ["Ingen Gevinst"]) == (said[1] == "Ingen gevinst"),
              f"after {sentence!r} the result reads {result}")
        reels = [f"{place} hjul: {digit}" for place, digit in
                 zip(("Venstre", "Midtre", "Høyre"), said.groups()[2:])]
        expect(f"the game window after {sentence!r}", seen, ["Kronesluk", *reels,
               *STAKES_AND_TABLE, f"Du har {said[2]} kr igjen å spille for", *result])
        check(read.focused() == ("button", "2 Kr", "Form2"), f"the keyboard: {read.focused()}")
        print(f"PASS: a spin is told {sentence!r} in the live region, and the tree reads its "
              "reels, balance and result so, with the keyboard back on 2 Kr")

        browser.key("alt+a")
        browser.key("g")
        browser.until("Alt+A G showed no About", lambda s: s["about"])
        read = Tree(browser)
        check(read.window("frmAbout") == ("dialog", "About Kronesluk"),
              f"About reads as {read.window('frmAbout')}")
        expect("About", read.reading("frmAbout"), ABOUT)
        check(read.focused() == ("button", "OK", "frmAbout"), f"the keyboard: {read.focused()}")
        browser.key("Escape")
        browser.until("Esc did not close About", lambda s: not s["about"])
        print("PASS: About reads its texts and buttons in order, with the keyboard on OK")

        # Down to 1 krone by stakes of 1 and 2 kr; then the 2-kr stake is refused.
        while (balance := int(browser.state()["balance"])) > 1:
            play(browser, 1 if balance % 2 == 0 else 2)
        play(browser, 2)
        s = browser.until("the refused 2-kr spin showed no message", lambda s: s["message"])
        read = Tree(browser)
        described = words((read.element("message") or {}).get("description", {}).get("value", ""))
        check(read.window("message") == ("alertdialog", "KSL") and described == words(
            s["messageText"]), f"the message {s['messageText']!r} reads as "
            f"{read.window('message')}, described as {described!r}")
        check(read.focused() == ("button", "OK", "message"), f"the keyboard: {read.focused()}")
        browser.key("Return")
        browser.until("the stakes did not come back", lambda s: s["stakesOn"])
        focused = Tree(browser).focused()
        check(focused == ("button", "2 Kr", "Form2"), f"after the message: {focused}")
        print(f"PASS: the message {s['messageText']!r} is an alert dialog \"KSL\" with the "
              "keyboard on OK, and the keyboard goes back to the stake after it")


if __name__ == "__main__":
    h.run(test, 180)
