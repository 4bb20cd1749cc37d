#!/usr/bin/python3
"""The page as an installable game that plays off line: Chromium finds its manifest with a name
and icons (each a PNG of the size the manifest says) and no reason not to install it; after one
visit, with the network gone (Chromium off line, the server stopped), a reload shows the welcome
window, F2 the game, a spin plays to its end and About shows its picture, and no request fails.
"""

import json
import os
import struct
import urllib.parse

import harness as h
from harness import check

# The service worker controls the page, and keeps every picture the page shows.
KEPT = r"""
const done = arguments[arguments.length - 1];
(async () => {
  for (const picture of document.images)
    if (picture.currentSrc && !(await caches.match(picture.currentSrc))) return false;
  return !!navigator.serviceWorker.controller;
})().then(done, () => done(false));
"""


def check_manifest(browser, folder):
    manifest = browser.cdp("Page.getAppManifest")
    check(manifest.get("url") and not manifest.get("errors"), f"the manifest: {manifest}")
    data = json.loads(manifest["data"])
    check(data.get("name") and data.get("icons"), f"the manifest lacks a name or icons: {data}")
    for icon in data["icons"]:
        url = urllib.parse.urljoin(manifest["url"], icon["src"])
        check(url.startswith(browser.origin + "/"), f"an icon from elsewhere: {url}")
        with open(os.path.join(folder, urllib.parse.urlparse(url).path[1:]), "rb") as png:
            head = png.read(24)
        size = "%dx%d" % struct.unpack(">II", head[16:24])
        check(head[:8] == b"\x89PNG\r\n\x1a\n" and size in icon.get("sizes", "").split(),
              f"{url} is not a PNG of {icon.get('sizes')}, but {head[:8]!r} of {size}")
    errors = lambda: browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"]
    h.wait_for(20, lambda: not errors(), lambda: f"Chromium would not install it: {errors()}")
    print(f"PASS: {data['name']!r} is installable, with icons of "
          f"{[icon['sizes'] for icon in data['icons']]}")


def requests_made(browser):
    """The page's requests since the last look, and those that failed."""
    urls, failed = {}, []
    for entry in browser.driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        params = message.get("params", {})
        if message["method"] == "Network.requestWillBeSent":
            urls[params["requestId"]] = params["request"]["url"]
        elif message["method"] == "Network.loadingFailed":
            failed.append(f"{urls.get(params['requestId'])}: {params.get('errorText')}")
    return urls, failed


def test(folder):
    with h.Browser(folder) as browser:
        browser.open()
        check_manifest(browser, folder)
        h.wait_for(30, lambda: browser.driver.execute_async_script(KEPT),
                   "the service worker never kept the page's files")
        browser.stop_server()
        browser.cdp("Network.emulateNetworkConditions", offline=True, latency=0,
                    downloadThroughput=-1, uploadThroughput=-1)
        requests_made(browser)  # those from before the network went
        browser.driver.refresh()
        h.wait_for(20, lambda: browser.js("return !navigator.onLine && seen(win('Form1'));"),
                   "off line, the reload showed no welcome window")
        browser.key("F2")
        browser.until("off line, F2 showed no game to play", lambda s: s["stakesOn"])
        browser.key("space")
        browser.until("off line, Space played no spin", lambda s: not s["stakesOn"])
        s = browser.until("off line, the spin never came to rest",
                          lambda s: s["stakesOn"] and s["spoken"])
        print(f"PASS: off line after one visit, a reload plays a spin: {s['spoken']!r}")
        browser.key("alt+a")
        browser.key("g")
        h.wait_for(10, lambda: browser.js(
            "const p = win('frmAbout')?.querySelector('img');"
            "return seen(win('frmAbout')) && p?.complete && p.naturalWidth > 0;"),
            "off line, About showed no picture")
        urls, failed = requests_made(browser)
        check(urls and not failed, f"off line, of {len(urls)} requests these failed: {failed}")
        print(f"PASS: off line, About shows its picture, and all {len(urls)} requests of the "
              "page were answered")


if __name__ == "__main__":
    h.run(test, 180)
