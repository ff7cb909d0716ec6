#!/usr/bin/env python3
# What poppler's tools, sharing nothing with our printing, find on the paper of a PDF, in mm:
#   read_pdf.py sheet FILE     the pages, the first one's sides, the span of the thin black lines
#                              (the outline); sides short side first, so a turned page reads alike
#   read_pdf.py template FILE  the pages, the first one's sides, then the tiles by label, their
#                              100 mm bars, and the outline they hold laid back together: its span
#                              and the length of the root chord (its leftmost line)
import re
import subprocess
import sys
import tempfile

MM = 25.4 / 72
mode, pdf = sys.argv[1], sys.argv[2]


def pages():
    """Each page's width, height and words."""
    bbox = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True).stdout
    return [(float(w) * MM, float(h) * MM, re.findall(r"<word [^>]*>([^<]*)</word>", body))
            for w, h, body in re.findall(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>',
                                         bbox, re.S)]


def black_lines(page):
    """The page's stroked black straight lines: (width, x1, y1, x2, y2), from the top left."""
    with tempfile.NamedTemporaryFile(suffix=".svg") as svg:
        subprocess.run(["pdftocairo", "-svg", "-f", str(page), "-l", str(page), pdf, svg.name],
                       check=True)
        paths = re.findall(r"<path ([^>]*)/>", svg.read().decode())
    lines = []
    for path in paths:
        if "stroke:rgb(0%,0%,0%)" not in path:
            continue
        matrix = re.search(r"matrix\(([^)]*)\)", path)
        a, b, c, d, e, f = map(float, matrix.group(1).split(",")) if matrix else (1, 0, 0, 1, 0, 0)
        width = float(re.search(r"stroke-width:([\d.e-]+)", path).group(1))
        width *= abs(a * d - b * c) ** 0.5
        # Qt's PDF writer strokes lines as moves and lines only: "M x y L x y L x y".
        tokens = re.search(r' d="([^"]*)"', path).group(1).split()
        points = [((a * x + c * y + e) * MM, (b * x + d * y + f) * MM, op) for op, x, y in
                  zip(tokens[::3], map(float, tokens[1::3]), map(float, tokens[2::3]))]
        lines += [(width * MM, *p[:2], *q[:2]) for p, q in zip(points, points[1:]) if q[2] == "L"]
    return lines


def span(lines):
    xs = [v for line in lines for v in line[1::2]]
    ys = [v for line in lines for v in line[2::2]]
    return max(xs) - min(xs), max(ys) - min(ys)


read = pages()
report = [len(read), *sorted(round(side) for side in read[0][:2])]
if mode == "sheet":
    report += ["outline", *("%.1f" % side for side in sorted(span(
        [line for line in black_lines(1) if line[0] < 0.5 * MM])))]
else:
    # A4 less 10 mm margins is 190 x 277 mm; tiles overlap by 10 mm.
    outline, bars = [], []
    for number, (_, _, words) in enumerate(read[1:], start=2):
        label = next(filter(None, (re.fullmatch(r"R(\d+)C(\d+)", word) for word in words)))
        row, column = int(label.group(1)) - 1, int(label.group(2)) - 1
        report.append(label.group(0))
        for width, x1, y1, x2, y2 in black_lines(number):
            if abs(width - 0.25) > 0.02:
                continue
            if y1 < 287.01:
                dx, dy = column * 180 - 10, row * 267 - 10
                outline.append((width, x1 + dx, y1 + dy, x2 + dx, y2 + dy))
            elif abs(y1 - y2) < 0.01:
                bars.append("%.1f" % abs(x2 - x1))
    left = min(min(line[1], line[3]) for line in outline)
    root = [line for line in outline if abs(line[1] - left) < 0.05 and abs(line[3] - left) < 0.05]
    report += ["bars", *bars, "outline", *("%.1f" % side for side in span(outline)),
               "root", "%.1f" % span(root)[1]]
print(*report)
