#!/usr/bin/python3
"""The page is safe by default. While a game is played (a spin, About, F2):

- every request made for it, by the page or its service worker, goes to its own origin (as
  Chromium's own network log, which sees every request, shows);
- no cookie is set (so none is sent), and nothing is kept in localStorage, sessionStorage or IndexedDB;
- its Content-Security-Policy holds: an inline script or handler put into the page does not
  run, nor does eval, nor a picture from elsewhere load, and Chromium reports each refusal.
"""

import json

import harness as h
from harness import check

STORAGE = r"""
const done = arguments[arguments.length - 1];
indexedDB.databases().then(databases => done([document.cookie, localStorage.length,
  sessionStorage.length, databases.map(d => d.name)]), e => done(String(e)));
"""
INTRUSIONS = r"""
window.kslViolations = [];
document.addEventListener('securitypolicyviolation',
  e => kslViolations.push(`${e.effectiveDirective} ${e.blockedURI}`));
window.kslRan = [];
const script = document.createElement('script');
script.textContent = 'kslRan.push("inline script")';
const handler = Object.assign(document.createElement('img'), {src: 'no-such-picture.png'});
handler.setAttribute('onerror', 'kslRan.push("inline handler")');
const foreign = Object.assign(document.createElement('img'), {src: 'http://192.0.2.1/a.png'});
document.body.append(script, handler, foreign);
// Later, as the page's own code: the protocol lets a script it runs itself use eval.
setTimeout(() => { try { (0, eval)('kslRan.push("eval")'); } catch (e) { } });
"""
# What Chromium reports for each: the directive in force, and what it blocked.
REFUSED = {"an inline script": "script-src-elem inline", "an inline handler":
           "script-src-attr inline", "eval": "script-src eval",
           "a picture from elsewhere": "img-src http://192.0.2.1/a.png"}


def page_requests(profile, origin):
    """Every URL Chromium's network log shows asked for on behalf of a page at 127.0.0.1."""
    with open(f"{profile}/net.json", encoding="utf-8") as log:
        text = log.read()
    try:
        net = json.loads(text)
    except json.JSONDecodeError:  # a log cut short reads up to there
        net = json.loads(text.rstrip().rstrip(",") + "]}")
    start = net["constants"]["logEventTypes"]["URL_REQUEST_START_JOB"]
    return [e["params"]["url"] for e in net["events"] if e["type"] == start and "url" in
            e.get("params", {}) and ("127.0.0.1" in e["params"].get("network_isolation_key", "") or
                             e["params"].get("initiator", "").startswith(origin))]


def test(folder):
    requested = []
    with h.Browser(folder, flags=["--log-net-log={profile}/net.json"]) as browser:
        origin = browser.origin
        browser.when_closed.append(lambda profile: requested.extend(page_requests(profile, origin)))
        browser.open()
        browser.key("F2")
        browser.until("F2 showed no game to play", lambda s: s["stakesOn"])
        browser.key("space")
        browser.until("Space played no spin", lambda s: not s["stakesOn"])
        browser.until("the spin never came to rest", lambda s: s["stakesOn"])
        browser.key("alt+a")
        browser.key("g")
        browser.until("Alt+A G showed no About", lambda s: s["about"])
        browser.key("Escape")
        browser.key("F2")
        browser.until("F2 showed no new game", lambda s: s["balanceShown"] and not s["about"])

        kept = browser.driver.execute_async_script(STORAGE)
        cookies = browser.cdp("Network.getAllCookies")["cookies"]
        check(kept == ["", 0, 0, []] and not cookies, f"the page keeps (cookie, local, "
              f"session, IndexedDB) {kept}; Chromium holds the cookies {cookies}")
        print("PASS: no cookie, and nothing in localStorage, sessionStorage or IndexedDB")

        browser.js(INTRUSIONS)
        h.wait_for(10, lambda: all(r in browser.js("return kslViolations;")
                                   for r in REFUSED.values()),
                   lambda: f"of {REFUSED}, the policy reported refusing only "
                           f"{browser.js('return kslViolations;')}")
        ran = browser.js("return kslRan;")
        check(not ran, f"the policy let run: {ran}")
        policy = browser.js("return document.querySelector("
                            "'meta[http-equiv=Content-Security-Policy]')?.content;")
        print(f"PASS: the policy refuses {', '.join(REFUSED)}: {policy}")

    strangers = [url for url in requested if not url.startswith(origin + "/")]
    check(requested and not strangers, f"of the page's {len(requested)} requests, these went "
          f"to other origins: {strangers}")
    print(f"PASS: all {len(requested)} requests of the page went to {origin}")


if __name__ == "__main__":
    h.run(test, 120)
