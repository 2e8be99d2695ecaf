#!/usr/bin/env python3
"""Turns the driver's lines ("PROGRAM SIZE WHAT VALUE") into a table of medians and ratios.
Usage: report.py RAW_FILE"""
import statistics
import sys
from collections import defaultdict

ROWS = [  # (label, what, unit)
    ("fill a category of {size}, command to painted list", "fill", "ms"),
    ("find to the last of {size}", "find", "ms"),
    ("select the last of {size} and show it (End: the list scrolls)", "select", "ms"),
    ("select the entry above the last of {size}, in view, and show it (Up)", "select_in_view", "ms"),
    ("start to main window, less the splash ({size} catalogue)", "start", "ms"),
    ("private memory, idle after start ({size} catalogue)", "idle_private", "MiB"),
    ("private memory with {size} open", "private", "MiB"),
    ("total RSS with {size} open (mapped file included)", "rss", "MiB"),
]


def main(path):
    values = defaultdict(list)
    for line in open(path, encoding="utf-8"):
        parts = line.split()
        if len(parts) == 4:
            program, size, what, value = parts
            values[(program, int(size), what)].append(float(value))
    sizes = sorted({size for (_, size, _) in values})
    rounds = max((len(v) for v in values.values()), default=0)
    print(f"| what | velmora | floor | ratio |   (medians of {rounds} runs)")
    print("|---|---|---|---|")
    for label, what, unit in ROWS:
        for size in sizes:
            real = values.get(("velmora", size, what))
            floor = values.get(("floor", size, what))
            if not real:
                continue
            real_median = statistics.median(real)
            floor_median = statistics.median(floor) if floor else None
            floor_text = f"{floor_median:.1f} {unit}" if floor_median is not None else "–"
            ratio = f"{real_median / floor_median:.2f}×" if floor_median else "–"
            print(f"| {label.format(size=f'{size:,}')} | {real_median:.1f} {unit} | {floor_text} | {ratio} |")


if __name__ == "__main__":
    main(sys.argv[1])
