#!/usr/bin/env python3
"""Counts the icons corvane-cli gives in each mode, per cache type and state, on a folder of GPX files.

    python3 bench/kinds.py [FOLDER] [CLI] [BEFORE_CLI]
    (defaults: ../shared/gpx-samples, build/cli/corvane-cli, no BEFORE_CLI)

Each file is converted with --kinds container and --kinds type. The WP04 lines follow the
wpt elements in document order; with --kinds type a waypoint without numeric coordinates, or
at 0,0, has no line, so the script leaves the same waypoints out when it pairs them up.
With BEFORE_CLI (another build of corvane-cli), the type-mode lines of both builds are
compared waypoint by waypoint (by code and position): what turned grey, which child
waypoints gained a name, which waypoints are no longer written.
"""
import collections
import math
import pathlib
import subprocess
import sys
import xml.etree.ElementTree as ET

KINDS = {1: "Event", 2: "Letterbox", 4: "Micro", 5: "Multicache", 6: "Traditional", 7: "Unknown",
         8: "Virtual", 9: "Webcam", 10: "Earth", 20: "MM", 21: "Cito", 22: "Trigpoint", 23: "parking",
         501: "Final", 502: "Stage", 503: "VirtualStage", 504: "Question", 505: "Reference", 506: "Trailhead",
         507: "Waypoint"}


def kind(icon):
    """The kind of an icon number, with " (grey)" for the archived and unavailable family."""
    if 500 < icon < 1000:
        return KINDS.get(icon, str(icon))
    name = KINDS.get(icon % 100, str(icon))
    return name + " (grey)" if icon // 100 % 10 == 4 else name


def local(tag):
    return tag.rsplit("}", 1)[-1]


def number(text):
    try:
        value = float(text)
    except ValueError:
        return None
    return value if math.isfinite(value) and text.strip() == text and "_" not in text else None


def waypoints(path):
    """(row label, state, place) for each wpt, in document order; place is "ok", "none" or "0,0"."""
    result = []
    for wpt in ET.parse(path).getroot().iter():
        if local(wpt.tag) != "wpt":
            continue
        values = list(wpt.attrib.values()) + ["", ""]
        lat, lon = number(values[0]), number(values[1])
        place = "none" if lat is None or lon is None else "0,0" if lat == 0 and lon == 0 else "ok"
        cache = next((e for e in wpt.iter() if local(e.tag) == "cache"), None)
        if cache is not None:
            types = [e.text or "" for e in cache.iter() if local(e.tag) == "type"]
            label = types[0] if types else "(no type)"
            state = ("archived" if cache.get("archived", "").lower() == "true"
                     else "disabled" if cache.get("available", "").lower() == "false" else "available")
        else:
            sym = next((e.text or "" for e in wpt if local(e.tag) == "sym"), "")
            label, state = "child: " + sym, ""
        result.append((label, state, place))
    return result


def lines(cli, path, kinds):
    run = subprocess.run([cli, "--kinds", kinds, "--name", "Corvid Kate", "--encoding", "utf-8", "--quiet",
                          str(path), "-"], capture_output=True)
    if run.returncode != 0:
        return None
    return [line for line in run.stdout.decode("utf-8").split("\r\n") if line.startswith("WP04,")]


def key(line):
    """A waypoint's code and position, which pair the lines of two builds."""
    fields = line.split(",")
    return fields[1], fields[2], line.rsplit(",", 6)[2]


def name(line):
    return line.split(",", 4)[4].split('",')[0] + '"'


def compare(before, after, changes):
    """Count what changed between two builds' type-mode lines of one file."""
    now = collections.defaultdict(list)
    for line in after:
        now[key(line)].append(line)
    for old in before:
        new = now[key(old)].pop(0) if now[key(old)] else None
        if new is None:
            at_zero = [number(t) for t in old.split(",")[1:3]] == [0, 0]
            changes["no longer written" + (" (at 0,0)" if at_zero else "")] += 1
            continue
        old_icon, new_icon = int(old.split(",")[3]), int(new.split(",")[3])
        if kind(new_icon).endswith("(grey)") and not kind(old_icon).endswith("(grey)"):
            changes["turned grey"] += 1
        elif old_icon != new_icon:
            changes[f"icon {kind(old_icon)} -> {kind(new_icon)}"] += 1
        code = old.rsplit(",", 6)[2]
        if name(old) in ('" (/ )"', f'"{code}"') and name(new) not in ('" (/ )"', f'"{code}"'):
            changes["child gained a name"] += 1
        elif name(old) != name(new):
            changes["name tidied"] += 1


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "../shared/gpx-samples")
    cli = sys.argv[2] if len(sys.argv) > 2 else "build/cli/corvane-cli"
    before_cli = sys.argv[3] if len(sys.argv) > 3 else None
    counts = {"container": collections.defaultdict(collections.Counter),
              "type": collections.defaultdict(collections.Counter)}
    children = collections.Counter()
    left_out = collections.Counter()
    changes = collections.Counter()
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
        placed = [w for w in wpts if w[2] == "ok"]
        left_out.update(w[2] for w in wpts if w[2] != "ok")
        for (label, state, _), line in zip(wpts, by_container):
            counts["container"][(label, state)][kind(int(line.split(",")[3]))] += 1
        for (label, state, _), line in zip(placed, by_type):
            fields = line.split(",")
            counts["type"][(label, state)][kind(int(fields[3]))] += 1
            if label.startswith("child: "):
                children[(label[7:], fields[3], name(line), fields[-2])] += 1
        if before_cli:
            compare(lines(before_cli, path, "type") or [], by_type, changes)

    print("| groundspeak:type / child sym | state | waypoints | --kinds container | --kinds type |")
    print("|---|---|--:|---|---|")
    show = lambda c: ", ".join(f"{k} {n}" for k, n in c.most_common())
    for row in sorted(counts["container"], key=lambda r: (r[0].startswith("child"), r[0].lower(), r[1])):
        total = sum(counts["container"][row].values())
        print(f"| {row[0]} | {row[1]} | {total} | {show(counts['container'][row])} | {show(counts['type'][row])} |")
    print()
    print("| child sym | icon | name (field 5) | category (field 13) | waypoints |")
    print("|---|--:|---|---|--:|")
    names = collections.defaultdict(collections.Counter)
    for (sym, icon, shown, category), n in children.items():
        names[(sym, icon, category)][shown] += n
    for (sym, icon, category), named in sorted(names.items()):
        top = "; ".join(f"{shown} x{n}" for shown, n in named.most_common(4))
        more = f"; ... {len(named) - 4} more names" if len(named) > 4 else ""
        print(f"| {sym} | {icon} | {top}{more} | {category} | {sum(named.values())} |")
    print()
    print(f"left out by --kinds type: {left_out['none']} without coordinates, {left_out['0,0']} at 0,0")
    if before_cli:
        print(f"--kinds type against {before_cli}: " + (", ".join(f"{c} {n}" for c, n in sorted(changes.items()))
                                                       or "no change"))
    if skipped:
        print("not counted (does not load, or lines and waypoints do not pair up): " + ", ".join(skipped))


if __name__ == "__main__":
    main()
