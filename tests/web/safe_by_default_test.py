#!/usr/bin/python3
"""The page is safe by default. While a game is played (a spin, About, F2):

- every request made for the page, by the page or its service worker, goes to its own origin
  (read from Chromium's own log of the network, which sees every request it makes);
- no cookie is set or sent, and nothing is kept in localStorage, sessionStorage or IndexedDB;
- its Content-Security-Policy is in force: an inline script put into the page does not run,
  nor does eval, nor a load from another origin, and Chromium reports each as a violation.
"""

import json

import harness as h
from harness import check, wait_for

STORAGE = r"""
const done = arguments[arguments.length - 1];
indexedDB.databases().then(databases => done({
  cookie: document.cookie, local: localStorage.length, session: sessionStorage.length,
  indexedDB: databases.map(d => d.name)}), e => done({error: String(e)}));
"""

# Each attempt the policy must refuse; the violations the page reports are collected.
INTRUSIONS = r"""
window.kslViolations = [];
document.addEventListener('securitypolicyviolation',
  e => window.kslViolations.push(e.effectiveDirective + ' ' + (e.blockedURI || '')));
window.kslRan = [];
const inline = document.createElement('script');
inline.textContent = 'window.kslRan.push("inline script")';
document.head.append(inline);
const handler = document.createElement('img');
handler.setAttribute('onerror', 'window.kslRan.push("inline handler")');
handler.src = 'no-such-picture.png';
document.body.append(handler);
// Later, as the page's own code: the protocol lets the script it runs itself use eval.
setTimeout(() => { try { (0, eval)('window.kslRan.push("eval")'); } catch (e) { } });
const foreign = document.createElement('img');
foreign.src = 'http://192.0.2.1/picture.png';
document.body.append(foreign);
"""
# What Chromium reports for each: the directive in force, and what it blocked.
REFUSED = {"an inline script": "script-src-elem inline", "an inline handler": "script-src-attr inline",
           "eval": "script-src eval", "a picture from elsewhere": "img-src http://192.0.2.1/picture.png"}


def page_requests(profile, origin):
    """Every URL Chromium's network log shows requested on behalf of a page at 127.0.0.1."""
    with open(f"{profile}/net.json", encoding="utf-8") as log:
        text = log.read()
    try:
        net = json.loads(text)
    except json.JSONDecodeError:  # a log cut short at the end still reads up to there
        net = json.loads(text.rstrip().rstrip(",") + "]}")
    start = net["constants"]["logEventTypes"]["URL_REQUEST_START_JOB"]
    return [e["params"]["url"] for e in net["events"]
            if e["type"] == start and "url" in e.get("params", {})
            and ("127.0.0.1" in e["params"].get("network_isolation_key", "")
                 or e["params"].get("initiator", "").startswith(origin))]


def test(folder):
    requested = []
    with h.Browser(folder, extra_flags=["--log-net-log={profile}/net.json"]) as browser:
        browser.when_closed.append(
            lambda profile: requested.extend(page_requests(profile, browser.server.origin)))
        origin = browser.server.origin
        browser.open()
        browser.key("F2")
        wait_for(10, lambda: browser.state()["stakesOn"], "F2 showed no game to play")
        browser.key("space")
        wait_for(10, lambda: not browser.state()["stakesOn"], "Space played no spin")
        wait_for(15, lambda: browser.state()["stakesOn"], "the spin never came to rest")
        browser.key("alt+a")
        browser.key("g")
        wait_for(10, lambda: browser.state()["about"], "Alt+A G showed no About")
        browser.key("Escape")
        browser.key("F2")
        wait_for(10, lambda: browser.state()["balanceShown"], "F2 showed no new game")

        kept = browser.driver.execute_async_script(STORAGE)
        cookies = browser.cdp("Network.getAllCookies")["cookies"]
        check(kept == {"cookie": "", "local": 0, "session": 0, "indexedDB": []} and not cookies,
              f"the page keeps something: {kept}, cookies {cookies}")
        sent = [path for _method, path, headers in browser.server.requests
                if "cookie" in {name.lower() for name in headers}]
        check(not sent, f"cookies were sent with {sent}")
        print("PASS: no cookie, and nothing in localStorage, sessionStorage or IndexedDB")

        browser.js(INTRUSIONS)
        violations = []

        def all_refused():
            violations[:] = browser.js("return window.kslViolations;")
            return all(report in violations for report in REFUSED.values())

        wait_for(10, all_refused, f"the policy did not report refusing each of {list(REFUSED)}:"
                 f" it reported {violations}")
        ran = browser.js("return window.kslRan;")
        check(not ran, f"the policy let run: {ran}")
        policy = browser.js("return document.querySelector("
                            "'meta[http-equiv=\"Content-Security-Policy\"]')?.content;")
        print(f"PASS: the policy refuses {', '.join(REFUSED)}: {policy}")

    strangers = [url for url in requested if not url.startswith(origin + "/")]
    check(requested, "Chromium's network log shows no request of the page")
    check(not strangers, f"the page asked other origins for {strangers}")
    print(f"PASS: all {len(requested)} requests of the page went to {origin}")


if __name__ == "__main__":
    h.run(test, 120)
