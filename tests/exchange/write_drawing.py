"""Writes a DXF drawing with ezdxf for the import tests: python3 write_drawing.py OUT VERSION asc|bin

VERSION R12 gets the entities an R12 file can hold; later versions add LWPOLYLINE, ELLIPSE and
SPLINE. Every coordinate is one the test checks by hand."""
import sys

import ezdxf

out, version, fmt = sys.argv[1], sys.argv[2], sys.argv[3]
doc = ezdxf.new(version)
doc.layers.new("WALLS", dxfattribs={"color": 1})
doc.layers.new("FROZEN", dxfattribs={"color": 2}).freeze()
doc.layers.new("OFFL", dxfattribs={"color": 3}).off()
msp = doc.modelspace()

msp.add_line((0, 0, 0), (25.4, 0, 0), dxfattribs={"layer": "WALLS"})
msp.add_line((0, 0, 0), (1, 1, 1), dxfattribs={"layer": "FROZEN"})
msp.add_line((0, 0, 0), (1, 1, 1), dxfattribs={"layer": "OFFL"})
msp.add_3dface([(0, 0, 0), (10, 0, 0), (10, 10, 0), (0, 10, 5)],
               dxfattribs={"layer": "FACES", "color": 3})
msp.add_solid([(0, 0), (4, 0), (0, 3)], dxfattribs={"layer": "SOLIDS"})
msp.add_arc((0, 100, 0), 5, 0, 90, dxfattribs={"layer": "ARCS"})
# Seen from below: the object coordinate system mirrors x and z.
msp.add_circle((10, 0, 3), 2, dxfattribs={"layer": "MIRROR", "extrusion": (0, 0, -1)})

face = msp.add_polyface(dxfattribs={"layer": "PFACE"})
face.append_faces([[(0, 0, 0), (1, 0, 0), (1, 1, 0)], [(1, 0, 0), (2, 0, 0), (2, 1, 0), (1, 1, 0)]])
mesh = msp.add_polymesh((3, 3), dxfattribs={"layer": "PMESH"})
for m in range(3):
    for n in range(3):
        mesh.set_mesh_vertex((m, n), (m, n, m * n))

# Block PART: a unit line along x and the block DOT at (1, 0); DOT: a line up y in the colour
# of whatever inserts it.
dot = doc.blocks.new("DOT")
dot.add_line((0, 0, 0), (0, 1, 0), dxfattribs={"layer": "INNER", "color": 0})
part = doc.blocks.new("PART", base_point=(0, 0, 0))
part.add_line((0, 0, 0), (1, 0, 0), dxfattribs={"layer": "PARTS"})
part.add_blockref("DOT", (1, 0, 0), dxfattribs={"color": 0})  # passes on the outer colour
msp.add_blockref("PART", (200, 0, 0), dxfattribs={"xscale": 2, "yscale": 2, "zscale": 2,
                                                   "rotation": 90, "color": 5, "layer": "PARTS"})

if version != "R12":
    msp.add_lwpolyline([(0, 0), (10, 0), (10, 10)], close=True, dxfattribs={"layer": "SQUARE"})
    msp.add_lwpolyline([(0, 0, 0, 0, 1), (10, 0)], format="xyseb", dxfattribs={"layer": "BULGE"})
    msp.add_ellipse((50, 50, 0), major_axis=(20, 0, 0), ratio=0.5, dxfattribs={"layer": "ELLIPSE"})
    msp.add_open_spline([(0, 0, 0), (10, 20, 0), (30, 20, 0), (40, 0, 0)], degree=3,
                        dxfattribs={"layer": "SPLINE"})

doc.saveas(out, fmt=fmt)
