"""Puts the page's ES modules into one module file, so that a first visit fetches its code in one
request instead of one round of requests for each level of imports.

Each module becomes a function scope run once, in the order the browser would run it (what it
imports first), that hands back what it exports; its imports become readings of those. Only the
forms the page writes are understood: `import name from './x.js';`, `import { a, b as c } from
'./x.js';`, `export function|class|const|let name` and `export default name;` (the core's glue).
Any other import or export stops the build rather than being passed on half understood.
"""
import re

IMPORT = re.compile(r"^import\s+(?:(?P<default>\w+)|\{(?P<names>[^}]*)\})\s+from\s+'\./(?P<file>[\w.-]+\.js)';[ \t]*(?:\n|\Z)",
                    re.M)
EXPORT = re.compile(r"^export\s+(?:default\s+(?P<default>\w+);[ \t]*(?:\n|\Z)|(?P<kind>(?:async\s+)?function\*?|class|const|let)\s+"
                    r"(?P<name>\w+))", re.M)
# An import or export left over is one of a form not understood here.
LEFT_OVER = re.compile(r"^\s*(?:import\s*[\w{*'\"]|export\b)|\bimport\s*\(", re.M)


class BundleError(Exception):
    pass


def scope_name(file):
    return "module_" + re.sub(r"\W", "_", file[:-len(".js")])


def bindings(match):
    """The names an import binds, as a destructuring of the module's exports."""
    if match["default"]:
        return f"{{ default: {match['default']} }}"
    parts = []
    for part in filter(None, (name.strip() for name in match["names"].split(","))):
        name, _, alias = (word.strip() for word in part.partition(" as "))
        parts.append(f"{name}: {alias}" if alias else name)
    return "{ " + ", ".join(parts) + " }"


def rewrite(file, text):
    """The module's text with its imports read from the scopes of their modules and its exports
    made plain declarations; the files it imports, in order, and the names it exports."""
    imports = [match["file"] for match in IMPORT.finditer(text)]
    text = IMPORT.sub(lambda match: f"const {bindings(match)} = {scope_name(match['file'])};\n", text)
    exports = []

    def plain(match):
        if match["default"]:
            exports.append(f"default: {match['default']}")
            return ""
        exports.append(match["name"])
        return f"{match['kind']} {match['name']}"

    text = EXPORT.sub(plain, text)
    left = LEFT_OVER.search(text)
    if left:
        line = text.count("\n", 0, left.start()) + 1
        raise BundleError(f"{file}:{line}: an import or export of a form the bundler does not know")
    return text, imports, exports


def bundle(read, entry):
    """One module's text from the module `entry` and all it imports; `read(file)` gives a
    module's text."""
    order, done, visiting, rewritten = [], set(), [], {}

    def visit(file):
        if file in done:
            return
        if file in visiting:
            raise BundleError(f"modules import each other: {' -> '.join(visiting + [file])}")
        visiting.append(file)
        rewritten[file] = rewrite(file, read(file))
        for imported in rewritten[file][1]:
            visit(imported)
        visiting.pop()
        done.add(file)
        order.append(file)

    visit(entry)
    parts = []
    for file in order:
        text, _, exports = rewritten[file]
        if file == entry:
            if exports:
                raise BundleError(f"{file}: the entry module exports {exports}, which nothing could import")
            parts.append(f"// {file}\n{text}")
        else:
            parts.append(f"// {file}\nconst {scope_name(file)} = (() => {{\n{text}\n"
                         f"return {{ {', '.join(exports)} }};\n}})();\n")
    return "\n".join(parts)
