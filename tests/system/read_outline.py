#!/usr/bin/env python3
# What readers sharing nothing with our writers find in an outline file. First line, for a DXF
# (ezdxf): version, $INSUNITS, $MEASUREMENT, audit errors and fixes, whether every entity takes
# its layer's colour, the colours of layers OUTLINE, MAC and CG; for an SVG (ElementTree): width,
# height, viewBox, the stroke widths and the title. Then a line per shape, in millimetres with y
# aft of the root leading edge: its layer (an SVG's stroke colour named as the layer), 1 if it
# is closed (an SVG path: ends on its first corner), else 0, its corners to 0.001 mm.
import re
import sys
import xml.etree.ElementTree as ElementTree


def shape(layer, closed, points):
    print(layer, int(closed),
          *("%.3f %.3f" % (round(x, 3) + 0.0, round(y, 3) + 0.0) for x, y in points))


path = sys.argv[1]
if path.lower().endswith(".dxf"):
    import ezdxf

    doc = ezdxf.readfile(path)
    audit = doc.audit()
    entities = list(doc.modelspace())
    print(doc.dxfversion, doc.header["$INSUNITS"], doc.header["$MEASUREMENT"], len(audit.errors),
          len(audit.fixes), all(e.dxf.color == 256 for e in entities),
          *(doc.layers.get(name).color for name in ("OUTLINE", "MAC", "CG")))
    for e in entities:
        polyline = e.dxftype() == "LWPOLYLINE"
        points = list(e.get_points("xy")) if polyline else [e.dxf.start, e.dxf.end]
        shape(e.dxf.layer, polyline and e.closed, [(p[0], -p[1]) for p in points])
else:
    svg = "{http://www.w3.org/2000/svg}"
    root = ElementTree.parse(path).getroot()
    layers = {"#000000": "OUTLINE", "#ff0000": "MAC", "#0000ff": "CG"}
    groups = [g for g in root.iter(svg + "g") if g.get("transform")]
    print(root.get("width"), root.get("height"), root.get("viewBox"),
          *sorted({g.get("stroke-width") for g in groups}), root.find(svg + "title").text)
    number = re.compile(r"[-+]?[0-9.]+(?:e[-+]?[0-9]+)?")
    for g in groups:
        a, b, c, d, e, f = map(float, number.findall(g.get("transform")))
        for element in g:
            xy = list(map(float, number.findall(element.get("d") or element.get("points"))))
            points = [(a * x + c * y + e, b * x + d * y + f) for x, y in zip(xy[::2], xy[1::2])]
            closed = len(points) > 2 and points[-1] == points[0]
            shape(layers.get(g.get("stroke"), g.get("stroke")), closed,
                  points[:-1] if closed else points)
