#!/usr/bin/python3
"""The page as an installable game that plays off line:

- Chromium finds its manifest with a name and icons, and no reason not to install it; each
  icon is a PNG of the size the manifest gives it.
- After one visit, with the network gone (Chromium off line and the server stopped), a reload
  shows the welcome window, F2 the game, a spin plays to its end, and About shows its picture;
  no request of the page fails.
"""

import json
import os
import struct
import urllib.parse

import harness as h
from harness import check, wait_for

# Every picture on the page is in the worker's cache (the worker keeps those the screen shows).
PICTURES_KEPT = r"""
const done = arguments[arguments.length - 1];
(async () => {
  if (!navigator.serviceWorker.controller) return false;
  for (const picture of document.images)
    if (picture.currentSrc && !(await caches.match(picture.currentSrc))) return false;
  return true;
})().then(done, () => done(false));
"""


def png_size(path):
    with open(path, "rb") as png:
        head = png.read(24)
    check(head[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG")
    return struct.unpack(">II", head[16:24])


def check_manifest(browser, folder):
    manifest = browser.cdp("Page.getAppManifest")
    check(manifest.get("url") and not manifest.get("errors"),
          f"no manifest, or one with errors: {manifest}")
    data = json.loads(manifest["data"])
    check(data.get("name") and data.get("icons"), f"the manifest lacks a name or icons: {data}")
    for icon in data["icons"]:
        url = urllib.parse.urljoin(manifest["url"], icon["src"])
        check(url.startswith(browser.server.origin + "/"), f"an icon from elsewhere: {url}")
        path = os.path.join(folder, urllib.parse.urlparse(url).path.lstrip("/"))
        check(os.path.isfile(path), f"the icon {url} is not in {folder}")
        size = "x".join(map(str, png_size(path)))
        check(size in icon.get("sizes", "").split(), f"{url} is {size}, said {icon.get('sizes')}")
    errors = []

    def installable():
        errors[:] = browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
        return not errors

    # Chromium decides once the page has loaded its manifest and its worker.
    wait_for(20, installable, f"Chromium would not install the page: {errors}")
    print(f"PASS: {data['name']!r} is installable, with icons "
          f"{[icon['sizes'] for icon in data['icons']]}")


def requests_made(browser):
    """The requests of the page since the last look, and those of them that failed."""
    urls, failed = {}, []
    for entry in browser.driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        params = message.get("params", {})
        if message["method"] == "Network.requestWillBeSent":
            urls[params["requestId"]] = params["request"]["url"]
        elif message["method"] == "Network.loadingFailed":
            failed.append(f"{urls.get(params['requestId'], '?')}: {params.get('errorText')}")
    return urls, failed


def test(folder):
    with h.Browser(folder) as browser:
        browser.open()
        check_manifest(browser, folder)
        wait_for(30, lambda: browser.driver.execute_async_script(PICTURES_KEPT),
                 "the service worker never kept the page's files")
        browser.server.stop()
        browser.cdp("Network.enable")
        browser.cdp("Network.emulateNetworkConditions", offline=True, latency=0,
                    downloadThroughput=-1, uploadThroughput=-1)
        requests_made(browser)  # those made before the network went
        check(browser.js("return !navigator.onLine;"), "Chromium is still on line")
        browser.driver.refresh()
        wait_for(20, lambda: browser.js("return seen(win('Form1'));"),
                 "off line, the reload showed no welcome window")
        browser.key("F2")
        wait_for(10, lambda: browser.state()["stakesOn"], "off line, F2 showed no game to play")
        browser.key("space")
        wait_for(10, lambda: not browser.state()["stakesOn"], "off line, Space played no spin")
        state = wait_for(15, lambda: (s := browser.state())["stakesOn"] and s["spoken"] and s,
                         "off line, the spin never came to rest")
        print(f"PASS: off line after one visit, a reload plays a spin: {state['spoken']!r}")
        browser.key("alt+a")
        browser.key("g")
        wait_for(10, lambda: browser.js(
            "const p = win('frmAbout')?.querySelector('img');"
            "return seen(win('frmAbout')) && p && p.complete && p.naturalWidth > 0;"),
            "off line, About showed no picture")
        urls, failed = requests_made(browser)
        check(urls and not failed, f"off line, of {len(urls)} requests these failed: {failed}")
        print(f"PASS: off line, About shows its picture, and all {len(urls)} requests of the "
              "page were answered")


if __name__ == "__main__":
    h.run(test, 180)
