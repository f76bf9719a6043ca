"""Prints what ezdxf reads from a DXF file, one entity a line: python3 read_export.py FILE

LAYER name colour
POLYLINE layer colour mode vertex-count face-count closed x y z x y z ...  (polyface meshes:
    the vertex positions; 3D polylines: the points)
LINE layer colour x y z x y z"""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
for layer in doc.layers:
    if layer.dxf.name not in ("0", "Defpoints"):  # ezdxf adds both
        print("LAYER", layer.dxf.name, layer.dxf.color)
for e in doc.modelspace():
    kind = e.dxftype()
    if kind == "POLYLINE":
        if e.is_poly_face_mesh:
            points = [v.dxf.location for v in e.vertices if v.is_poly_face_mesh_vertex]
            faces = [v for v in e.vertices if v.is_face_record]
            mode = "pface"
        else:
            points = list(e.points())
            faces = []
            mode = "3d" if e.is_3d_polyline else "2d"
        coords = " ".join("%.6f %.6f %.6f" % (p.x, p.y, p.z) for p in points)
        print("POLYLINE", e.dxf.layer, e.dxf.color, mode, len(points), len(faces),
              int(e.is_closed), coords)
    elif kind == "LINE":
        s, t = e.dxf.start, e.dxf.end
        print("LINE", e.dxf.layer, e.dxf.color, "%.6f %.6f %.6f %.6f %.6f %.6f" % (s.x, s.y, s.z, t.x, t.y, t.z))
    else:
        print(kind, e.dxf.layer)
