#!/usr/bin/env python3
"""The page's bundler, checked as the build runs it: bundles of small module graphs are run in
Node, which tells what each module saw and in which order they ran; forms the bundler does not
know are refused.

    bundle_modules_test.py NODE STAMP    (writes STAMP once every case has passed)
"""
import pathlib
import subprocess
import sys
import tempfile

from bundle_modules import BundleError, bundle

# Each case: the modules (the first is the entry) and what the bundle prints when run.
RUNS = [
    ("named imports, an alias, the order of evaluation",
     {"main.js": "import { a, b as c } from './x.js';\nimport { d } from './y.js';\nlog(a(), c, d);\n",
      "x.js": "log('x');\nexport function a() { return 'a'; }\nexport const b = 'b';\n",
      "y.js": "log('y');\nexport class d {}\n"},
     ["x", "y", "a b class d {}"]),
    ("a module two others import runs once, before both",
     {"main.js": "import { left } from './left.js';\nimport { right } from './right.js';\nlog(left, right);\n",
      "left.js": "import { count } from './shared.js';\nexport const left = count();\n",
      "right.js": "import { count } from './shared.js';\nexport const right = count();\n",
      "shared.js": "log('shared');\nlet n = 0;\nexport function count() { n += 1; return n; }\n"},
     ["shared", "1 2"]),
    ("a default export, the last line without its newline; top-level await in the entry",
     {"main.js": "import make from './glue.js';\nconst made = await make();\nlog(made, import.meta.url.endsWith('.mjs'));\n",
      "glue.js": "var Module = async () => 'made';\nexport default Module;"},
     ["made true"]),
    ("names private to a module do not meet those of another",
     {"main.js": "import { one } from './one.js';\nimport { two } from './two.js';\nconst own = 'main';\nlog(one(), two(), own);\n",
      "one.js": "const own = 'one';\nexport function one() { return own; }\n",
      "two.js": "const own = 'two';\nexport function two() { return own; }\n"},
     ["one two main"]),
]

# Each case: the modules, and words the refusal must name.
REFUSALS = [
    ("a namespace import", {"main.js": "import * as x from './x.js';\n", "x.js": ""}, "main.js:1"),
    ("an export list", {"main.js": "import { a } from './x.js';\n", "x.js": "const a = 1;\nexport { a };\n"},
     "x.js:2"),
    ("a re-export", {"main.js": "import { a } from './x.js';\n", "x.js": "export * from './y.js';\n"}, "x.js:1"),
    ("an import for its effects alone", {"main.js": "import './x.js';\n", "x.js": ""}, "main.js:1"),
    ("a dynamic import", {"main.js": "const x = await import('./x.js');\n"}, "main.js:1"),
    ("a default export of an expression", {"main.js": "import a from './x.js';\n", "x.js": "export default 1 + 1;\n"},
     "x.js:1"),
    ("modules that import each other",
     {"main.js": "import { a } from './a.js';\n", "a.js": "import { b } from './b.js';\nexport const a = 1;\n",
      "b.js": "import { a } from './a.js';\nexport const b = 2;\n"}, "main.js -> a.js -> b.js -> a.js"),
    ("an entry that exports", {"main.js": "export const lost = 1;\n"}, "main.js"),
]


def run(modules):
    text = bundle(lambda file: modules[file], next(iter(modules)))
    with tempfile.TemporaryDirectory() as folder:
        script = pathlib.Path(folder) / "bundle.mjs"
        script.write_text("const log = (...words) => console.log(words.join(' '));\n" + text, encoding="utf-8")
        done = subprocess.run([sys.argv[1], str(script)], capture_output=True, text=True, timeout=60, check=False)
    if done.returncode != 0:
        return [f"node failed: {done.stderr.strip()}"]
    return done.stdout.splitlines()


def main():
    failures = []
    for name, modules, expected in RUNS:
        printed = run(modules)
        if printed != expected:
            failures.append(f"{name}: printed {printed}, not {expected}")
    for name, modules, named in REFUSALS:
        try:
            bundle(lambda file, modules=modules: modules[file], "main.js")
            failures.append(f"{name}: bundled, not refused")
        except BundleError as refusal:
            if named not in str(refusal):
                failures.append(f"{name}: refused as {refusal!r}, which does not name {named!r}")
    if failures:
        sys.exit("bundle_modules_test:\n  " + "\n  ".join(failures))
    pathlib.Path(sys.argv[2]).write_text(f"{len(RUNS) + len(REFUSALS)} passed, 0 failed\n", encoding="utf-8")
    print(f"bundle_modules_test: {len(RUNS) + len(REFUSALS)} passed, 0 failed")


if __name__ == "__main__":
    main()
