#!/usr/bin/env python3
# Writes the coastline file (data/world.dat) from world-atlas's TopoJSON
# land-50m.json. Run by hand; standard library only.
#
#   python3 tools/make_world_dat.py path/to/land-50m.json data/world.dat

import json
import math
import sys

HEADER = (
    "# Natural Earth 1:50m land, public domain, via world-atlas 2.0.2 land-50m.json\n"
    "# written by tools/make_world_dat.py\n"
)


def decode_arcs(topo):
    """Every arc as a list of (lon, lat) in degrees."""
    (sx, sy), (tx, ty) = topo["transform"]["scale"], topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        x = y = 0
        pts = []
        for dx, dy in arc:
            x += dx
            y += dy
            pts.append((x * sx + tx, y * sy + ty))
        arcs.append(pts)
    return arcs


def used_arcs(geometry, order, seen):
    """Arc indexes a geometry refers to, in order of first use, each once."""
    if geometry.get("type") == "GeometryCollection":
        for g in geometry["geometries"]:
            used_arcs(g, order, seen)
        return

    def walk(refs):
        for r in refs:
            if isinstance(r, list):
                walk(r)
            else:
                i = r if r >= 0 else ~r  # ~i: arc i reversed; direction is moot for a coastline
                if i not in seen:
                    seen.add(i)
                    order.append(i)

    walk(geometry.get("arcs", []))


def coast_pieces(pts, on_edge_lon, on_south, stats):
    """An arc's coastline: its segments minus the artificial edges, as runs of
    at least two points."""
    pieces = []
    cur = None
    for p, q in zip(pts, pts[1:]):
        if (on_edge_lon(p[0]) and on_edge_lon(q[0])) or (on_south(p[1]) and on_south(q[1])):
            stats["cut_lon" if on_edge_lon(p[0]) and on_edge_lon(q[0]) else "cut_south"] += 1
            cur = None
            continue
        # The data stores an antimeridian point as -180 even where its
        # neighbour lies just east of +180's side; give it the neighbour's
        # side, or the segment would run across the whole map.
        if on_edge_lon(p[0]) and math.copysign(180.0, q[0]) != p[0]:
            p = (math.copysign(180.0, q[0]), p[1])
            stats["flipped"] += 1
        if on_edge_lon(q[0]) and math.copysign(180.0, p[0]) != q[0]:
            q = (math.copysign(180.0, p[0]), q[1])
            stats["flipped"] += 1
        if cur is not None and cur[-1] == p:
            cur.append(q)
        else:
            cur = [p, q]
            pieces.append(cur)
    return pieces


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make_world_dat.py land-50m.json world.dat")
    with open(argv[1], encoding="utf-8") as f:
        topo = json.load(f)

    sx, sy = topo["transform"]["scale"]
    step = min(sx, sy)
    # Two digits past the quantization step, so every grid position reads
    # back to itself with room to spare.
    digits = max(0, math.ceil(-math.log10(step))) + 2

    arcs = decode_arcs(topo)
    order = []
    used_arcs(topo["objects"]["land"], order, set())

    # The polygons close along latitude about -90 under Antarctica; the
    # lowest latitude of the data is that edge. Real coasts stay above -86,
    # so anything higher is not taken for it.
    south = min(lat for i in order for _, lat in arcs[i])
    if south > -89.0:
        south = None

    def on_edge_lon(lon):
        return abs(abs(lon) - 180.0) <= sx

    def on_south(lat):
        return south is not None and abs(lat - south) <= sy

    stats = {"cut_lon": 0, "cut_south": 0, "flipped": 0}
    pieces = []
    for i in order:
        pieces.extend(coast_pieces(arcs[i], on_edge_lon, on_south, stats))

    def fmt(v):
        s = f"{v:.{digits}f}".rstrip("0").rstrip(".")
        s = "0" if s == "-0" else s
        if abs(float(s) - v) > step / 100:
            sys.exit(f"{v} does not survive {digits} decimals")
        return s

    lines = [HEADER.rstrip("\n")]
    for n, piece in enumerate(pieces):
        if n:
            lines.append("")
        for lon, lat in piece:
            if not (-180.0 <= lon <= 180.0 and -90.0 <= lat <= 90.0):
                sys.exit(f"point out of range: {lon} {lat}")
            lines.append(f"{fmt(lon)} {fmt(lat)}")
    with open(argv[2], "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")

    npts = sum(len(p) for p in pieces)
    print(f"arcs used {len(order)} of {len(arcs)}, southern edge at {south}, {digits} decimals")
    print(f"cut {stats['cut_lon']} segments on lon +-180, {stats['cut_south']} on the southern edge; "
          f"moved {stats['flipped']} antimeridian points to their neighbour's side")
    print(f"wrote {len(pieces)} polylines, {npts} points to {argv[2]}")


if __name__ == "__main__":
    main(sys.argv)
