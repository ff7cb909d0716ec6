#!/usr/bin/env python3
# What ezdxf, sharing nothing with our writer, reads in a DXF file: version, $INSUNITS,
# $MEASUREMENT, audit errors and fixes, whether every entity takes its layer's colour, the
# colours of layers OUTLINE, MAC and CG; then each entity: its layer, 1 if a closed polyline
# (else 0), its points' x y to 1e-6.
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
audit = doc.audit()
entities = list(doc.modelspace())
print(doc.dxfversion, doc.header["$INSUNITS"], doc.header["$MEASUREMENT"], len(audit.errors),
      len(audit.fixes), all(e.dxf.color == 256 for e in entities),
      *(doc.layers.get(name).color for name in ("OUTLINE", "MAC", "CG")))
for e in entities:
    if e.dxftype() == "LWPOLYLINE":
        points, closed = list(e.get_points("xy")), e.closed
    else:
        points, closed = [e.dxf.start, e.dxf.end], False
    print(e.dxf.layer, int(closed), *("%.6f %.6f" % (p[0], p[1]) for p in points))
