#!/usr/bin/env python3
"""Conversion speed and memory of hexorin-cli, side by side in one run with
`xxd -i` (the usual tool) and with the ceiling (dd copying a file of the
output's size), to a file and to /dev/null. Prints Markdown tables.

usage: bench.py HEXORIN_CLI WORK_FOLDER"""

import os
import platform
import re
import statistics
import subprocess
import sys
import time

MiB = 1024 * 1024


def run(command, stdout_path=None):
    """Runs a command; its wall time in seconds."""
    out = open(stdout_path, "wb") if stdout_path else subprocess.DEVNULL
    start = time.perf_counter()
    code = subprocess.call(command, stdout=out)
    elapsed = time.perf_counter() - start
    if stdout_path:
        out.close()
    if code != 0:
        sys.exit(f"failed: {' '.join(command)}")
    return elapsed


def peak_memory_kib(command, work):
    """Peak resident memory, as GNU time measures it: a child of Python's
    would also count the memory Python had before the exec."""
    report = os.path.join(work, "time.txt")
    subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report] + command, check=True)
    with open(report) as f:
        return int(f.read().split()[-1])


def speeds(command, size, runs, stdout_path=None):
    """Best and median MB/s of input over `runs` runs."""
    times = [run(command, stdout_path) for _ in range(runs)]
    return size / 1e6 / min(times), size / 1e6 / statistics.median(times)


def callgrind_instructions(command):
    result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + command,
                            capture_output=True, text=True, check=True)
    return int(re.search(r"Collected : (\d+)", result.stderr).group(1))


def machine():
    cpu = "unknown processor"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    return f"{cpu}, {os.cpu_count()} cores, Linux {platform.release()}"


def main():
    cli, work = sys.argv[1], sys.argv[2]
    inputs = {"1 MiB": 1 * MiB, "64 MiB": 64 * MiB, "1 GiB": 1024 * MiB}
    paths = {}
    for name, size in inputs.items():
        paths[name] = os.path.join(work, name.replace(" ", "") + ".bin")
        with open(paths[name], "wb") as f:
            for _ in range(size // MiB):
                f.write(os.urandom(MiB))
    out_file = os.path.join(work, "out.txt")
    same_size = os.path.join(work, "same-size.txt")

    print(f"Machine: {machine()}. Single thread; MB/s of input (10^6 bytes per second).\n")
    print("| input | written to | tool | best MB/s | median MB/s | best ÷ xxd -i | best ÷ ceiling |")
    print("|---|---|---|---:|---:|---:|---:|")
    summary = {}
    for name, size in inputs.items():
        source = paths[name]
        big = size > 64 * MiB
        runs = 3 if big else 10
        # The ceiling copies a file as large as the C header made from this input.
        if not big:
            run([cli, source, same_size])
        for sink in (["/dev/null"] if big else [out_file, "/dev/null"]):
            sink_name = "/dev/null" if sink == "/dev/null" else "a file"
            rows = {
                "hexorin-cli (C array)": speeds([cli, source, sink], size, runs),
                "hexorin-cli (assembler)": speeds([cli, "--asm", source, sink], size, runs),
            }
            if not big:  # xxd -i needs about a minute a GiB
                rows["xxd -i"] = speeds(["xxd", "-i", source], size, 3 if size > MiB else runs, sink)
                rows["ceiling: dd bs=1M"] = speeds(["dd", "if=" + same_size, "of=" + sink, "bs=1M", "status=none"],
                                                   size, runs)
            xxd = rows.get("xxd -i", (None,))[0]
            ceiling = rows.get("ceiling: dd bs=1M", (None,))[0]
            for tool, (best, median) in rows.items():
                versus_xxd = f"{best / xxd:.1f}" if xxd else "–"
                versus_ceiling = f"{best / ceiling:.2f}" if ceiling else "–"
                print(f"| {name} | {sink_name} | {tool} | {best:,.0f} | {median:,.0f} | {versus_xxd} | "
                      f"{versus_ceiling} |")
                summary[(name, sink_name, tool)] = (best, versus_xxd, versus_ceiling)
            sys.stdout.flush()

    print("\n| input | peak resident memory of hexorin-cli |")
    print("|---|---:|")
    for name in inputs:
        peak = peak_memory_kib([cli, paths[name], "/dev/null"], work)
        print(f"| {name} | {peak / 1024:.1f} MiB |")

    four = os.path.join(work, "4MiB.bin")
    with open(four, "wb") as f:
        f.write(os.urandom(4 * MiB))
    empty = os.path.join(work, "empty.bin")
    open(empty, "wb").close()
    per_byte = (callgrind_instructions([cli, four, "/dev/null"]) -
                callgrind_instructions([cli, empty, "/dev/null"])) / (4 * MiB)
    print(f"\nInstructions per input byte (callgrind, 4 MiB less empty, C array): {per_byte:.2f}")

    best = summary[("64 MiB", "/dev/null", "hexorin-cli (C array)")]
    to_file = summary[("64 MiB", "a file", "hexorin-cli (C array)")]
    print(f"\nTargets (64 MiB, C array): to /dev/null {best[1]} × xxd -i (at least 60); "
          f"to a file {to_file[2]} of the ceiling (at least 0.5); {per_byte:.2f} instructions a byte (at most 10).")


if __name__ == "__main__":
    main()
