#!/usr/bin/env python3
"""Puts the browser edition together in one folder of static files: the page, its code and the
windows' design in one module, the core in WebAssembly, the fonts, the pictures at both densities,
the icons, the web-app manifest and the service worker that keeps them all for playing off line.

    assemble_site.py --design D --fonts F --page P --core C --assets A --site SITE

Every file the page needs is in SITE and nothing else is: any web server serves it as it is.
"""
import argparse
import hashlib
import json
import pathlib
import shutil

from bundle_modules import bundle

# The page's modules, from main.js on, and the core's glue become this one module.
ENTRY = "main.js"
BUNDLE = "kronesluk.js"
CORE_GLUE = "kronesluk_core.js"
DESIGN_MODULE = "design.js"
# The page's stylesheet, with the fonts' faces put before it.
STYLES = "kronesluk.css"
# The service worker is written from its template.
WORKER = "service_worker.js"
# The pictures come at the density of the screen: the page tells the worker which it shows.
PICTURES = "pictures/"


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    for name in ("design", "fonts", "page", "core", "assets", "site"):
        parser.add_argument(f"--{name}", type=pathlib.Path, required=True)
    return parser.parse_args()


def copy(source, site, name):
    target = site / name
    target.parent.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(source, target)


def pictures(design):
    for window in design["windows"]:
        for control in window["controls"]:
            if control["kind"] == "picture":
                yield control["picture"]
                if control["twin"]:
                    yield control["twin"]


def icons(assets):
    # The desktop's icon at each size it is drawn in: icons/hicolor/48x48/kronesluk.png.
    for folder in sorted((assets / "icons" / "hicolor").iterdir(), key=lambda path: int(path.name.split("x")[0])):
        size = int(folder.name.split("x")[0])
        yield size, folder / "kronesluk.png"


def manifest(design, icon_sizes):
    welcome = next(window for window in design["windows"] if window["kind"] == "window")
    return {
        "name": welcome["caption"],
        "short_name": welcome["caption"],
        "lang": "nb",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "background_color": welcome["face"],
        "theme_color": welcome["face"],
        "icons": [{"src": f"icons/kronesluk-{size}.png", "sizes": f"{size}x{size}", "type": "image/png",
                   "purpose": "any"} for size in icon_sizes],
    }


def main():
    args = arguments()
    design = json.loads(args.design.read_text(encoding="utf-8"))
    site = args.site
    # Emptied rather than removed, so that a server serving the folder goes on serving it.
    site.mkdir(parents=True, exist_ok=True)
    for old in site.iterdir():
        if old.is_dir() and not old.is_symlink():
            shutil.rmtree(old)
        else:
            old.unlink()

    name = next(window for window in design["windows"] if window["kind"] == "window")["caption"]
    fonts = sorted(args.fonts.glob("*.woff2"))
    # The fonts come with the page rather than when a text first asks for them, so that no text
    # waits for its font; the core (which the game window needs) too. A fetch() is answered
    # from its preload only where the two ask alike: same-origin credentials.
    preload = "\n".join(
        [f'<link rel="preload" href="fonts/{font.name}" as="font" type="font/woff2" crossorigin>' for font in fonts]
        + ['<link rel="preload" href="kronesluk_core.wasm" as="fetch" type="application/wasm" crossorigin>'])
    page = (args.page / "index.html").read_text(encoding="utf-8")
    (site / "index.html").write_text(page.replace("@NAME@", name).replace("@PRELOAD@", preload), encoding="utf-8")
    (site / STYLES).write_text((args.fonts / "fonts.css").read_text(encoding="utf-8")
                               + (args.page / STYLES).read_text(encoding="utf-8"), encoding="utf-8")

    # The design comes in the page's code, so that the welcome window is built as the code runs,
    # with no request of its own to wait for, and is on the page's first frame.
    compact = json.dumps(design, ensure_ascii=False, separators=(",", ":"))
    generated = {DESIGN_MODULE: f"const design = JSON.parse({json.dumps(compact)});\nexport default design;\n"}

    def module(file):
        if file in generated:
            return generated[file]
        return ((args.core if file == CORE_GLUE else args.page) / file).read_text(encoding="utf-8")

    (site / BUNDLE).write_text(bundle(module, ENTRY), encoding="utf-8")
    copy(args.core / "kronesluk_core.wasm", site, "kronesluk_core.wasm")
    for font in fonts:
        copy(font, site, f"fonts/{font.name}")
    for picture in sorted(set(pictures(design))):
        copy(args.assets / picture, site, f"pictures/{picture}")
    sizes = []
    for size, icon in icons(args.assets):
        copy(icon, site, f"icons/kronesluk-{size}.png")
        sizes.append(size)
    (site / "manifest.webmanifest").write_text(json.dumps(manifest(design, sizes), indent=1, ensure_ascii=False),
                                              encoding="utf-8")

    # The worker keeps every file but the pictures, which the page names as its screen shows
    # them, and names its cache after the contents of all of them.
    files = sorted(path.relative_to(site).as_posix() for path in site.rglob("*") if path.is_file())
    version = hashlib.sha256()
    for file in files:
        version.update(file.encode() + b"\0" + (site / file).read_bytes())
    kept = ["./"] + [file for file in files if not file.startswith(PICTURES)]
    worker = (args.page / WORKER).read_text(encoding="utf-8")
    worker = worker.replace("@VERSION@", version.hexdigest()[:16]).replace("@FILES@", json.dumps(kept))
    (site / WORKER).write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
