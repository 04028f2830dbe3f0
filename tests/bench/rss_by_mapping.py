#!/usr/bin/env python3
"""Resident memory of two running Wine processes, split by what is mapped:
the program's own image, each DLL or Unix library, font files, and the
anonymous rest (heap, bitmaps, Wine's own). Prints the parts where the second
process differs from the first, largest first.

    rss_by_mapping.py FLOOR_PID VEXBOX_PID
"""
import collections
import os
import sys


def parts(pid):
    rss = collections.Counter()
    name = None
    with open(f"/proc/{pid}/smaps", encoding="utf-8", errors="replace") as f:
        for line in f:
            head = line.split()
            if not head:
                continue
            if "-" in head[0] and len(head) >= 5 and ":" in head[3]:  # a mapping's first line
                path = " ".join(head[5:]) if len(head) > 5 else ""
                base = os.path.basename(path)
                low = base.lower()
                if low.endswith(".exe"):
                    name = "program image (.exe)"
                elif low.endswith((".ttf", ".ttc", ".otf")):
                    name = "font files"
                elif not path or path.startswith("[heap]") or path.startswith("[anon"):
                    name = "anonymous (heap, bitmaps, Wine's own)"
                elif path.startswith("["):
                    name = path
                else:
                    name = base
            elif head[0] == "Rss:" and name:
                rss[name] += int(head[1])
    return rss


def main():
    floor, vex = parts(sys.argv[1]), parts(sys.argv[2])
    total_f, total_v = sum(floor.values()), sum(vex.values())
    print(f"resident by mapping: vexbox {total_v / 1024:.1f} MB, floor {total_f / 1024:.1f} MB, "
          f"difference {(total_v - total_f) / 1024:+.1f} MB")
    keys = sorted(set(floor) | set(vex), key=lambda k: -abs(vex[k] - floor[k]))
    for k in keys:
        d = vex[k] - floor[k]
        if abs(d) < 64:
            continue
        print(f"  {k:<42} vexbox {vex[k] / 1024:6.2f} MB  floor {floor[k] / 1024:6.2f} MB  {d / 1024:+6.2f} MB")


if __name__ == "__main__":
    main()
