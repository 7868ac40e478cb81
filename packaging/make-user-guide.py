#!/usr/bin/python3
"""Makes the installed user guide: the README's "Using zelconfig" section as one HTML page.

Usage: make-user-guide.py README.md OUT.html

Each heading of the section gets an anchor, and a contents list at the top of the page links to
its tasks and reference parts (the section's subheadings), as GitHub links the README's.
The section's pictures (docs/screenshots/NAME.png) are looked for in screenshots/ beside the
page, where the package installs them; a link to another file of the source tree, which is not
installed, keeps its text only. Needs the Markdown module of Debian's archive (python3-markdown).
"""
import html
import re
import sys

import markdown

SECTION = "## Using zelconfig"
PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
body {{ font-family: sans-serif; line-height: 1.45; margin: 1em auto; max-width: 60em;
       padding: 0 1em; }}
img {{ max-width: 100%; height: auto; }}
table {{ border-collapse: collapse; }}
td, th {{ border: 1px solid #bbb; padding: 0.3em 0.5em; vertical-align: top; }}
td img {{ max-width: 20em; }}
code {{ background: #f2f2f2; padding: 0 0.2em; }}
nav.contents {{ border: 1px solid #bbb; padding: 0 1em; margin: 1em 0; max-width: 30em; }}
nav.contents ol {{ padding-left: 1.5em; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""


def section(text):
    """The lines from the section's heading up to the next heading of its level."""
    lines = text.splitlines()
    try:
        start = lines.index(SECTION)
    except ValueError:
        sys.exit("make-user-guide: the README has no line \"%s\"" % SECTION)
    end = next((i for i in range(start + 1, len(lines)) if lines[i].startswith("## ")),
               len(lines))
    return "\n".join(lines[start:end]) + "\n"


def installed_links(text):
    """Pictures where the package puts them; links into the source tree as their text."""
    text = text.replace("](docs/screenshots/", "](screenshots/")
    return re.sub(r"(?<!!)\[([^\]]*)\]\((?!screenshots/|https?:|#)[^)]*\)", r"\1", text)


def contents(tokens):
    """The contents list: a link to each subheading of the section, theirs nested below."""
    def items(children):
        if not children:
            return ""
        return "<ol>\n" + "".join(
            '<li><a href="#%s">%s</a>%s</li>\n' % (child["id"], child["name"], items(child["children"]))
            for child in children) + "</ol>"
    parts = [token for title in tokens for token in title["children"]]
    if not parts:
        sys.exit("make-user-guide: the section \"%s\" has no subheadings" % SECTION[3:])
    return '<nav class="contents" aria-label="Contents">\n<h3>Contents</h3>\n%s\n</nav>' % items(parts)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-user-guide.py README.md OUT.html")
    with open(sys.argv[1], encoding="utf-8") as readme:
        text = installed_links(section(readme.read()))
    converter = markdown.Markdown(extensions=["tables", "toc"], output_format="html")
    body = converter.convert(text)
    # The list goes under the section's own heading, the first line of the page.
    title_end = body.index("</h2>") + len("</h2>")
    body = body[:title_end] + "\n" + contents(converter.toc_tokens) + body[title_end:]
    page = PAGE.format(title=html.escape("zelconfig: " + SECTION[3:]), body=body)
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        out.write(page)


if __name__ == "__main__":
    main()
