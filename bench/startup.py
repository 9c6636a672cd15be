#!/usr/bin/env python3
"""Start-up of the real form against an empty dialog of the same size.

Each run spawns one program and measures, from just before the spawn:
  - first paint: the CLOCK_MONOTONIC time the child prints after its first painted frame,
  - total: until the child has exited and been reaped,
  - peak resident memory of the child (wait4's ru_maxrss).
The programs take turns in a rotating order (so a trend in the machine's load hits them
alike), after one discarded warm-up run each. Besides the probe and the baseline, the
baseline is also run with --font (starting the font system before its frame), to show how
much of the difference any window with text pays. Writes the runs and their summaries as JSON.
"""
import argparse
import json
import os
import statistics
import sys
import tempfile
import time


def run_once(path, args, env):
    read_end, write_end = os.pipe()
    with tempfile.TemporaryFile() as err:
        actions = [
            (os.POSIX_SPAWN_DUP2, write_end, 1),
            (os.POSIX_SPAWN_DUP2, err.fileno(), 2),
            (os.POSIX_SPAWN_CLOSE, read_end),
        ]
        start = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
        pid = os.posix_spawn(path, [path] + args, env, file_actions=actions)
        os.close(write_end)
        out = b""
        while chunk := os.read(read_end, 4096):
            out += chunk
        os.close(read_end)
        _, status, usage = os.wait4(pid, 0)
        end = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
        err.seek(0)
        stderr = err.read().decode(errors="replace")

    fields = {}
    for line in out.decode(errors="replace").splitlines():
        if line.startswith("first_paint_ns="):
            fields = dict(item.split("=", 1) for item in line.split())
    code = os.waitstatus_to_exitcode(status)
    if code != 0 or "first_paint_ns" not in fields:
        sys.exit(f"startup: {path} failed (exit {code}, no first frame reported)\n{stderr}")
    first_paint = int(fields["first_paint_ns"])
    if not start < first_paint < end:
        sys.exit(f"startup: {path} reported a first frame outside its run")
    return {
        "first_paint_ms": (first_paint - start) / 1e6,
        "total_ms": (end - start) / 1e6,
        "maxrss_kb": usage.ru_maxrss,
        "size": [int(fields.get("width", -1)), int(fields.get("height", -1))],
    }


def summary(values):
    ordered = sorted(values)
    quartiles = statistics.quantiles(ordered, n=4) if len(ordered) >= 2 else [ordered[0]] * 3
    return {
        "median": statistics.median(ordered),
        "min": ordered[0],
        "max": ordered[-1],
        "q1": quartiles[0],
        "q3": quartiles[2],
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--probe", required=True)
    parser.add_argument("--baseline", required=True)
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--out", required=True)
    options = parser.parse_args()
    if options.runs < 1:
        sys.exit("startup: --runs must be at least 1")

    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")

    # The warm-up also tells the baseline what size the form really has with this machine's
    # fonts, so both programs paint the same area.
    warm = run_once(options.probe, [], env)
    size = [str(n) for n in warm["size"]]
    run_once(options.baseline, size, env)

    programs = {
        "probe": (options.probe, []),
        "baseline": (options.baseline, size),
        # For comparison only: the baseline plus starting the font system before its frame.
        "baseline_font": (options.baseline, size + ["--font"]),
    }
    run_once(options.baseline, size + ["--font"], env)
    runs = {name: [] for name in programs}
    names = list(programs)
    for i in range(options.runs):
        # Rotating and reversing the order, so no program always runs after the same one.
        order = names[i % len(names):] + names[:i % len(names)]
        if (i // len(names)) % 2:
            order.reverse()
        for name in order:
            path, args = programs[name]
            runs[name].append(run_once(path, args, env))

    sizes = {name: runs[name][0]["size"] for name in runs}
    if len({tuple(s) for s in sizes.values()}) != 1:
        sys.exit(f"startup: the windows differ in size: {sizes}")

    result = {"runs_each": options.runs, "size": sizes["probe"], "programs": {}}
    for name, samples in runs.items():
        result["programs"][name] = {
            key: summary([s[key] for s in samples])
            for key in ("first_paint_ms", "total_ms", "maxrss_kb")
        }
        result["programs"][name]["samples"] = samples
    with open(options.out, "w", encoding="utf-8") as f:
        json.dump(result, f, indent=1)


if __name__ == "__main__":
    main()
