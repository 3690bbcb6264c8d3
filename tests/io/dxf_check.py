"""Reads a DXF file with ezdxf, audits it and lists its LINE entities.

Output, one item per line: "audit_errors N", "other_entities N", then for
each LINE entity in file order "LINE layer x1 y1 z1 x2 y2 z2" with the
coordinates as ezdxf read them (repr of the float).
"""
import sys

import ezdxf


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    print("audit_errors", len(auditor.errors))
    msp = doc.modelspace()
    lines = [e for e in msp if e.dxftype() == "LINE"]
    print("other_entities", len(msp) - len(lines))
    for e in lines:
        s, t = e.dxf.start, e.dxf.end
        print("LINE", e.dxf.layer, *(repr(v) for v in (s.x, s.y, s.z, t.x, t.y, t.z)))


if __name__ == "__main__":
    main(sys.argv[1])
