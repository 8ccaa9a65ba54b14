#!/usr/bin/env python3
"""Builds the page's index.html with its style and script inside it.

    web_bundle.py SOURCE_DIR OUTPUT_HTML

The page is written as ES modules (main.js and what it imports) and a style
sheet. Loaded as they are, they cost a request each and hold the program's
start until the last one has arrived. Here each module becomes a function
scope whose exports are an object, the modules are put in the order of their
imports, and the result replaces the <script type="module"> and the style
sheet link in index.html. Only the forms of import and export the page uses
are accepted; anything else stops the build rather than being passed on.
"""
import pathlib
import re
import sys

IMPORT = re.compile(r"^import\s+(?:\{(?P<names>[^}]*)\}|\*\s+as\s+(?P<all>\w+))\s+from\s+'\./(?P<module>[\w-]+)\.js';[ \t]*$",
                    re.M)
EXPORT = re.compile(r"^export\s+((?:async\s+)?(?:function\*?|const|let|class)\s+(\w+))", re.M)
LEFTOVER = re.compile(r"^\s*(import|export)\b", re.M)


def scope_name(module):
    return "module_" + module.replace("-", "_")


def module_scope(module, source):
    """One module as `const module_x = (() => { ...; return { exports }; })();`."""
    def imported(match):
        target = scope_name(match["module"])
        if match["all"]:
            return f"const {match['all']} = {target};"
        names = [n.strip() for n in match["names"].split(",") if n.strip()]
        fields = ", ".join(n.replace(" as ", ": ") for n in names)
        return f"const {{ {fields} }} = {target};"

    body = IMPORT.sub(imported, source)
    exports = [m.group(2) for m in EXPORT.finditer(body)]
    body = EXPORT.sub(r"\1", body)
    if leftover := LEFTOVER.search(body):
        sys.exit(f"web_bundle: {module}.js: unsupported statement: {body[leftover.start():].splitlines()[0]}")
    return f"const {scope_name(module)} = (() => {{\n{body}\nreturn {{ {', '.join(exports)} }};\n}})();\n"


def ordered_modules(source_dir, entry):
    """The entry and everything it imports, each after its imports."""
    order, visiting = [], set()

    def visit(module):
        if module in order:
            return
        if module in visiting:
            sys.exit(f"web_bundle: import cycle through {module}.js")
        visiting.add(module)
        source = (source_dir / f"{module}.js").read_text(encoding="utf-8")
        for match in IMPORT.finditer(source):
            visit(match["module"])
        order.append(module)

    visit(entry)
    return order


def main():
    source_dir, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    html = (source_dir / "index.html").read_text(encoding="utf-8")
    style_tag = '<link rel="stylesheet" href="style.css">'
    script_tag = '<script type="module" src="main.js"></script>'
    for tag in (style_tag, script_tag):
        if html.count(tag) != 1:
            sys.exit(f"web_bundle: index.html must hold {tag} once")
    scopes = [module_scope(m, (source_dir / f"{m}.js").read_text(encoding="utf-8"))
              for m in ordered_modules(source_dir, "main")]
    style = (source_dir / "style.css").read_text(encoding="utf-8")
    for text in scopes + [style]:
        if re.search(r"</(script|style)", text, re.I):
            sys.exit("web_bundle: a closing script or style tag inside the text would end it early")
    html = html.replace(style_tag, f"<style>\n{style}</style>")
    html = html.replace(script_tag, "<script>\n'use strict';\n{\n" + "".join(scopes) + "}\n</script>")
    output.write_text(html, encoding="utf-8")


if __name__ == "__main__":
    main()
