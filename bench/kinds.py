#!/usr/bin/env python3
"""Counts the icons corvane-cli gives in each mode, per cache type, on a folder of GPX files.

    python3 bench/kinds.py [FOLDER] [CLI]   (defaults: ../shared/gpx-samples, build/cli/corvane-cli)

Each file is converted with --kinds container and --kinds type. The WP04 lines follow the
wpt elements in document order; with --kinds type a waypoint without numeric coordinates
has no line, so the script leaves the same waypoints out when it pairs them up.
"""
import collections
import math
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ET

KINDS = {1: "Event", 2: "Letterbox", 4: "Micro", 5: "Multicache", 6: "Traditional", 7: "Unknown",
         8: "Virtual", 9: "Webcam", 10: "Earth", 20: "MM", 21: "Cito", 22: "Trigpoint", 23: "parking",
         501: "Final", 502: "Stage", 503: "VirtualStage", 504: "Question", 505: "Reference", 506: "Trailhead"}


def kind(icon):
    return KINDS.get(icon if icon > 500 and icon < 1000 else icon % 100, str(icon))


def local(tag):
    return tag.rsplit("}", 1)[-1]


def is_number(text):
    try:
        return math.isfinite(float(text)) and text.strip() == text and "_" not in text
    except ValueError:
        return False


def waypoints(path):
    """(row label, has coordinates, name) for each wpt, in document order."""
    result = []
    for wpt in ET.parse(path).getroot().iter():
        if local(wpt.tag) != "wpt":
            continue
        values = list(wpt.attrib.values()) + ["", ""]
        cache = next((e for e in wpt.iter() if local(e.tag) == "cache"), None)
        if cache is not None:
            types = [e.text or "" for e in cache.iter() if local(e.tag) == "type"]
            label = types[0] if types else "(no type)"
        else:
            sym = next((e.text or "" for e in wpt if local(e.tag) == "sym"), "")
            label = "child: " + sym
        result.append((label, is_number(values[0]) and is_number(values[1])))
    return result


def lines(cli, path, kinds):
    run = subprocess.run([cli, "--kinds", kinds, "--encoding", "utf-8", "--quiet", str(path), "-"],
                         capture_output=True)
    if run.returncode != 0:
        return None
    return [line for line in run.stdout.decode("utf-8").split("\r\n") if line.startswith("WP04,")]


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "../shared/gpx-samples")
    cli = sys.argv[2] if len(sys.argv) > 2 else "build/cli/corvane-cli"
    counts = {"container": collections.defaultdict(collections.Counter),
              "type": collections.defaultdict(collections.Counter)}
    children = collections.Counter()
    left_out = 0
    skipped = []
    for path in sorted(folder.glob("*.gpx")):
        by_container, by_type = lines(cli, path, "container"), lines(cli, path, "type")
        try:
            wpts = waypoints(path)
        except ET.ParseError:
            wpts = None
        if by_container is None or wpts is None or len(by_container) != len(wpts):
            skipped.append(path.name)
            continue
        placed = [w for w in wpts if w[1]]
        left_out += len(wpts) - len(placed)
        for (label, _), line in zip(wpts, by_container):
            counts["container"][label][kind(int(line.split(",")[3]))] += 1
        for (label, _), line in zip(placed, by_type):
            fields = line.split(",")
            counts["type"][label][kind(int(fields[3]))] += 1
            if label.startswith("child: "):
                children[(label[7:], fields[3], fields[4], fields[-2])] += 1

    print("| groundspeak:type / child sym | waypoints | --kinds container | --kinds type |")
    print("|---|--:|---|---|")
    for label in sorted(counts["container"], key=lambda l: (l.startswith("child"), l.lower())):
        total = sum(counts["container"][label].values())
        show = lambda c: ", ".join(f"{k} {n}" for k, n in c.most_common())
        print(f"| {label} | {total} | {show(counts['container'][label])} | {show(counts['type'][label])} |")
    print()
    print("| child sym | icon | name (field 5) | category (field 13) | waypoints |")
    print("|---|--:|---|---|--:|")
    names = collections.defaultdict(collections.Counter)
    for (sym, icon, name, category), n in children.items():
        names[(sym, icon, category)][name] += n
    for (sym, icon, category), named in sorted(names.items()):
        top = "; ".join(f"{name} x{n}" for name, n in named.most_common(4))
        more = f"; ... {len(named) - 4} more names" if len(named) > 4 else ""
        print(f"| {sym} | {icon} | {top}{more} | {category} | {sum(named.values())} |")
    print()
    print(f"waypoints without coordinates left out by --kinds type: {left_out}")
    if skipped:
        print("not counted (does not load, or lines and waypoints do not pair up): " + ", ".join(skipped))


if __name__ == "__main__":
    main()
