#!/usr/bin/env python3
# What readers sharing nothing with our writers find in an outline file. First line, for a DXF
# (ezdxf): version, $INSUNITS, $MEASUREMENT, audit errors and fixes, whether every entity takes
# its layer's colour, the colours of layers OUTLINE, JOINTS, MAC and CG, $EXTMIN's and $EXTMAX's
# x and y, the saved view's centre and height; for an SVG (ElementTree): width, height, viewBox,
# each Inkscape layer's name and stroke width, and the title. Then a line per shape, in
# millimetres with y aft of the root leading edge: its layer, 1 if it is closed (a closed
# polyline; an SVG path ending in Z), else 0, its corners, each figure as the shortest text
# that reads back to the same double (so 1e-15 mm off a round figure shows).
# With "ribs" after the path, a rib sheet DXF instead, in one line: the closed contours on CUT,
# any other entity on CUT, the stock sheets, the names on LABEL in order, and 1 or 0 for: every
# contour inside a sheet 3 mm from its edges, every two contours' boxes 3 mm apart, no two points
# of a contour over 0.5 mm apart, every name inside its own contour's box.
import re
import sys
import xml.etree.ElementTree as ElementTree


def figure(value):
    text = repr(float(value) + 0.0)
    return text[:-2] if text.endswith(".0") else text


def shape(layer, closed, points):
    print(layer, int(closed), *(figure(x) + " " + figure(y) for x, y in points))


def rib_sheets(path):
    import ezdxf

    space = ezdxf.readfile(path).modelspace()
    cut = space.query('*[layer=="CUT"]')
    contours = [list(e.get_points("xy")) for e in cut if e.dxftype() == "LWPOLYLINE" and e.closed]
    sheets = [box(list(e.get_points("xy"))) for e in space.query('LWPOLYLINE[layer=="STOCK"]')]
    names = [e for e in space.query('TEXT[layer=="LABEL"]')]
    boxes = [box(c) for c in contours]
    inside = all(any(s[0] + 3 <= b[0] and b[2] <= s[2] - 3 and s[1] + 3 <= b[1] and b[3] <= s[3] - 3
                     for s in sheets) for b in boxes)
    apart = all(max(a[0] - b[2], b[0] - a[2], a[1] - b[3], b[1] - a[3]) >= 3 - 1e-9
                for i, a in enumerate(boxes) for b in boxes[:i])
    dense = all(((c[i][0] - c[i - 1][0]) ** 2 + (c[i][1] - c[i - 1][1]) ** 2) <= 0.25 + 1e-9
                for c in contours for i in range(len(c)))
    named = len(names) == len(boxes) and all(
        b[0] < n.dxf.insert.x < b[2] and b[1] < n.dxf.insert.y < b[3] for n, b in zip(names, boxes))
    print(len(contours), len(cut) - len(contours), len(sheets), *(n.dxf.text for n in names),
          *map(int, (inside, apart, dense, named)))


def box(points):
    return (min(p[0] for p in points), min(p[1] for p in points), max(p[0] for p in points),
            max(p[1] for p in points))


path = sys.argv[1]
if sys.argv[2:] == ["ribs"]:
    rib_sheets(path)
elif path.lower().endswith(".dxf"):
    import ezdxf

    doc = ezdxf.readfile(path)
    audit = doc.audit()
    entities = list(doc.modelspace())
    view = doc.viewports.get("*Active")[0].dxf
    print(doc.dxfversion, doc.header["$INSUNITS"], doc.header["$MEASUREMENT"], len(audit.errors),
          len(audit.fixes), all(e.dxf.color == 256 for e in entities),
          *(doc.layers.get(name).color for name in ("OUTLINE", "JOINTS", "MAC", "CG")),
          *map(figure, [*doc.header["$EXTMIN"][:2], *doc.header["$EXTMAX"][:2], view.center.x,
                        view.center.y, view.height]))
    for e in entities:
        polyline = e.dxftype() == "LWPOLYLINE"
        points = list(e.get_points("xy")) if polyline else [e.dxf.start, e.dxf.end]
        shape(e.dxf.layer, polyline and e.closed, [(p[0], -p[1]) for p in points])
else:
    svg, inkscape = "{http://www.w3.org/2000/svg}", "{http://www.inkscape.org/namespaces/inkscape}"
    root = ElementTree.parse(path).getroot()
    layers = [g for g in root.iter(svg + "g") if g.get(inkscape + "groupmode") == "layer"]
    print(root.get("width"), root.get("height"), root.get("viewBox"),
          *(g.get(inkscape + "label") + ":" + g.get("stroke-width") for g in layers),
          root.find(svg + "title").text)
    for g in layers:
        for element in g:
            d = re.findall(r"[A-Za-z]|[-+]?[0-9.]+(?:e[-+]?[0-9]+)?", element.get("d"))
            xy = [float(t) for t in d if not t.isalpha()]
            shape(g.get(inkscape + "label"), d[-1] in "Zz", zip(xy[::2], xy[1::2]))
