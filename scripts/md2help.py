#!/usr/bin/env python3
"""Turns one of our Markdown documents into a page of the HTML manual.

Only what our documents use is understood: headings, paragraphs, lists,
tables, fenced code and inline code, bold and emphasis.

    scripts/md2help.py docs/language-definitions.md help/language.html "Language definitions"
"""
import html
import re
import sys


def inline(text):
    out = []
    for i, part in enumerate(re.split(r"(`[^`]*`)", text)):
        if i % 2:
            out.append("<code>" + html.escape(part[1:-1]) + "</code>")
            continue
        part = html.escape(part, quote=False)
        part = re.sub(r"\*\*(.+?)\*\*", r"<strong>\1</strong>", part)
        part = re.sub(r"(?<![\w*])\*(?!\s)(.+?)(?<!\s)\*(?![\w*])", r"<em>\1</em>", part)
        part = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r'<a href="\2">\1</a>', part)
        out.append(part)
    return "".join(out)


def cells(row):
    row = row.strip()
    if row.startswith("|"):
        row = row[1:]
    if row.endswith("|"):
        row = row[:-1]
    # A bar inside inline code belongs to the code.
    parts, cur, code = [], "", False
    for ch in row:
        if ch == "`":
            code = not code
        if ch == "|" and not code:
            parts.append(cur)
            cur = ""
        else:
            cur += ch
    parts.append(cur)
    return [p.strip() for p in parts]


def convert(lines):
    out, para, i = [], [], 0

    def flush():
        if para:
            out.append("<p>" + inline(" ".join(para)) + "</p>")
            para.clear()

    while i < len(lines):
        line = lines[i]
        if line.startswith("```"):
            flush()
            i += 1
            code = []
            while i < len(lines) and not lines[i].startswith("```"):
                code.append(lines[i])
                i += 1
            out.append("<pre>" + html.escape("\n".join(code)) + "</pre>")
        elif line.startswith("    ") and not para:
            code = []
            while i < len(lines) and (lines[i].startswith("    ") or not lines[i].strip()):
                code.append(lines[i][4:])
                i += 1
            while code and not code[-1].strip():
                code.pop()
            out.append("<pre>" + html.escape("\n".join(code)) + "</pre>")
            continue
        elif m := re.match(r"(#{1,6})\s+(.*)", line):
            flush()
            level = min(len(m.group(1)) + 1, 6)
            out.append(f"<h{level}>{inline(m.group(2))}</h{level}>")
        elif line.startswith("|"):
            flush()
            rows = []
            while i < len(lines) and lines[i].startswith("|"):
                rows.append(cells(lines[i]))
                i += 1
            i -= 1
            out.append("<table>")
            out.append("<tr>" + "".join(f"<th>{inline(c)}</th>" for c in rows[0]) + "</tr>")
            for r in rows[2:]:
                out.append("<tr>" + "".join(f"<td>{inline(c)}</td>" for c in r) + "</tr>")
            out.append("</table>")
        elif re.match(r"\s*([-*]|\d+\.)\s", line):
            flush()
            ordered = bool(re.match(r"\s*\d+\.", line))
            tag = "ol" if ordered else "ul"
            out.append(f"<{tag}>")
            while i < len(lines) and lines[i].strip():
                m = re.match(r"\s*([-*]|\d+\.)\s+(.*)", lines[i])
                if m:
                    out.append("<li>" + inline(m.group(2)))
                else:
                    out[-1] += " " + inline(lines[i].strip())
                i += 1
            out.append(f"</{tag}>")
            continue
        elif not line.strip():
            flush()
        else:
            para.append(line.strip())
        i += 1
    flush()
    return "\n".join(out)


def main():
    src, dst, title = sys.argv[1], sys.argv[2], sys.argv[3]
    with open(src, encoding="utf-8") as f:
        body = convert(f.read().splitlines())
    with open(dst, "w", encoding="utf-8") as f:
        f.write(f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{html.escape(title)} - Tessaly Help</title>
<link rel="stylesheet" href="style.css">
</head>
<body>
<p class="nav"><a href="index.html">Contents</a></p>
<!-- Made from {src} by scripts/md2help.py; edit that file instead. -->
{body}
</body>
</html>
""")


if __name__ == "__main__":
    main()
