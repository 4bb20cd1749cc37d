#!/usr/bin/python3
"""Takes the README's pictures of the browser edition from headless Chromium: the welcome
window, the game window after one spin of 1 krone (once the reveal is over), and the About
dialog, on a desktop screen (1920 x 1080, ordinary density, a mouse) and on a phone (360 x 640
at twice the density, touch):

    web-welcome.png  web-game.png  web-about.png
    web-phone-welcome.png  web-phone-game.png  web-phone-about.png

The page's wall clock stands at 12:01:47 on 8 December 2026 (UTC), in Norwegian forms: the
status bar always shows the same time and date, and the spin turns up 0 0 0, the top prize.
On the phone the player taps the menus; on the desktop the mouse clicks them.

    web_pictures.py BUILD_WEB_FOLDER OUTPUT_FOLDER

KSL_PICTURE_OPTIMISATION sets optipng's level (5, the smallest files, unless set).
"""

import base64
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "web"))
from harness import Browser, Failure, control, moment_ms  # noqa: E402

# Everything on screen drawn: the fonts, every picture, the status bar's time, then two frames.
SETTLED = """
const done = arguments[arguments.length - 1];
const drawn = () => document.fonts.status === 'loaded' &&
  [...document.images].every(image => image.complete) &&
  [...document.querySelectorAll('.status-bar span')].every(span => !seen(span) || span.textContent);
const wait = () => drawn() ? requestAnimationFrame(() => requestAnimationFrame(() => done(true)))
                           : setTimeout(wait, 20);
wait();
"""


def settled(browser):
    browser.driver.execute_async_script(
        "const seen = el => !!el && el.checkVisibility({visibilityProperty: true});" + SETTLED)


def snap(browser, path, taken):
    settled(browser)
    shot = browser.cdp("Page.captureScreenshot", format="png")["data"]
    with open(path, "wb") as picture:
        picture.write(base64.b64decode(shot))
    taken.append(path)
    print(f"  {path}")


def take(folder, out, phone, taken):
    prefix = "web-phone-" if phone else "web-"
    with Browser(folder, phone=phone) as browser:
        browser.cdp("Emulation.setTimezoneOverride", timezoneId="UTC")
        browser.cdp("Emulation.setLocaleOverride", locale="nb-NO")
        browser.freeze_clock(moment_ms("winning"))
        browser.open()
        snap(browser, os.path.join(out, f"{prefix}welcome.png"), taken)

        browser.choose("Form1", "mnuSpill", "mnuPlay")
        browser.until("the game window did not open", lambda s: s["stakesOn"])
        browser.tap(control("Form2", "Command1"))
        # The reveal is over once the stakes are back after the spin has been told.
        state = browser.until("the spin was not revealed", lambda s: s["spoken"] and s["stakesOn"])
        if not state["spoken"].startswith("Gevinst 50, 80 kr, hjul 0 0 0"):
            raise Failure(f"the still moment did not win 0 0 0: {state['spoken']!r}")
        snap(browser, os.path.join(out, f"{prefix}game.png"), taken)

        browser.choose("Form2", "mnuAbout", "mnuContent")
        browser.until("the About dialog did not open", lambda s: s["about"])
        snap(browser, os.path.join(out, f"{prefix}about.png"), taken)


def main():
    if len(sys.argv) != 3:
        sys.exit(f"usage: {sys.argv[0]} BUILD_WEB_FOLDER OUTPUT_FOLDER")
    folder, out = (os.path.abspath(arg) for arg in sys.argv[1:])
    os.makedirs(out, exist_ok=True)
    taken = []
    try:
        for phone in (False, True):
            take(folder, out, phone, taken)
    except Failure as failure:
        sys.exit(f"FAIL: {failure}")
    level = os.environ.get("KSL_PICTURE_OPTIMISATION", "5")
    subprocess.run(["optipng", "-quiet", f"-o{level}", "-strip", "all", *taken], check=True)


if __name__ == "__main__":
    main()
