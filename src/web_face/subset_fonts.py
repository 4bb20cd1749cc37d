#!/usr/bin/env python3
"""Cuts the design's typefaces down to the letters the page writes in them, as woff2, and writes
fonts.css, which gives each family of the design its cut face.

    subset_fonts.py DESIGN.json OUT_DIR

The desktop serves the design's families with stand-ins ("Arial" with Liberation Sans); the
design names them, and fontconfig finds their files. The page knows each cut face as "Kronesluk
<family>". Labels and buttons are written in their own
fonts; labels may also be given whole numbers at run time (the balance), and the status bars write
the time and the date in whatever form the player's browser gives them, so their face keeps every
Latin letter, digit and sign.
"""
import json
import pathlib
import re
import subprocess
import sys

# The time and the date as browsers write them: printable ASCII, the no-break spaces and the
# letters of the Latin-1 supplement.
CLOCK_LETTERS = "".join(map(chr, range(0x20, 0x7F))) + "\u00a0\u202f" + "".join(
    map(chr, range(0xC0, 0x100)))


# The page's name for the cut face of a design family; fonts.js names it so too.
PAGE_FAMILY = "Kronesluk {}"


def letters_by_family(design):
    letters = {}

    def add(font, text):
        if font and font.get("family") and text:
            letters.setdefault(font["family"], set()).update(text)

    for window in design["windows"]:
        for control in window["controls"]:
            add(control.get("font"), control.get("text"))
            if control["kind"] == "label":
                add(control.get("font"), design["numberCharacters"])
        bar = window.get("statusBar")
        if bar:
            add(bar["font"], bar["title"] + CLOCK_LETTERS)
    return letters


def face_file(face):
    found = subprocess.run(["fc-match", "-f", "%{family}\n%{file}", f"{face}:bold"],
                           check=True, capture_output=True, text=True).stdout.split("\n")
    families = [name.strip().lower() for name in found[0].split(",")]
    if face.lower() not in families:
        sys.exit(f"subset_fonts: no font file for {face!r} (fontconfig offers {found[0]!r})")
    return found[1]


def file_name(family):
    return re.sub(r"[^a-z0-9]+", "-", family.lower()).strip("-") + ".woff2"


def main():
    design = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    out = pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    rules = []
    for family, letters in sorted(letters_by_family(design).items()):
        name = file_name(family)
        letters = "".join(sorted(letters - {"\n"}))
        subprocess.run(["pyftsubset", face_file(design["typefaces"][family]),
                        "--text=" + letters, "--flavor=woff2", "--layout-features=kern",
                        "--no-hinting", "--desubroutinize", "--output-file=" + str(out / name)],
                       check=True)
        # A family of the page's own, so that the cut face never stands in for the system's
        # font of that name where the browser draws its own things (menus, dialogs) in it.
        rules.append(f'@font-face {{ font-family: "{PAGE_FAMILY.format(family)}"; font-weight: 700; '
                     f'font-display: block; src: url("fonts/{name}") format("woff2"); }}\n')
    (out / "fonts.css").write_text("".join(rules), encoding="utf-8")


if __name__ == "__main__":
    main()
