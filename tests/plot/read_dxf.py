#!/usr/bin/env python3
"""Prints what a DXF file holds as ezdxf reads it, one item a line, numbers in full, for the
tests to compare with what they expect: a reader that shares nothing with the program's writer.

  version AC1015 / units <$INSUNITS> <$MEASUREMENT> / audit <errors> <fixes>
  layer <name> <colour>
  LWPOLYLINE <layer> <colour> <closed 0|1> x y x y ...
  LINE <layer> <colour> x1 y1 x2 y2"""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("version", doc.dxfversion)
print("units", doc.header.get("$INSUNITS", 0), doc.header.get("$MEASUREMENT", 0))
print("audit", len(auditor.errors), len(auditor.fixes))
for layer in doc.layers:
    print("layer", layer.dxf.name, layer.color)
for entity in doc.modelspace():
    kind, layer, colour = entity.dxftype(), entity.dxf.layer, entity.dxf.color
    if kind == "LWPOLYLINE":
        points = [repr(c) for point in entity.get_points("xy") for c in point]
        print(kind, layer, colour, int(entity.closed), *points)
    elif kind == "LINE":
        start, end = entity.dxf.start, entity.dxf.end
        print(kind, layer, colour, *(repr(c) for c in (start.x, start.y, end.x, end.y)))
    else:
        print(kind, layer, colour)
