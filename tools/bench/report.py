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
    ("build the search index of {size} (the cookbook: with its progress bar)", "index", "ms"),
    ("progress bar positions seen while building the index of {size}", "index_steps", ""),
    ("two-word query on {size}, changed field to results on screen", "search", "ms"),
    ("longest keystroke while typing the query on {size}", "keystroke", "ms"),
    ("longest keystroke typing one letter and at once a second on {size}", "two_letters_keystroke", "ms"),
    ("one letter and at once a second on {size}: second keystroke to its results on screen", "two_letters_results", "ms"),
    ("private memory with the search window open over {size}", "search_private", "MiB"),
    ("private memory the search added over {size}", "search_added", "MiB"),
]


def main(path):
    values = defaultdict(list)
    for line in open(path, encoding="utf-8"):
        parts = line.split()
        if len(parts) == 4:
            program, size, what, value = parts
            values[(program, int(size), what)].append(float(value))
    # What the search window adds: its private memory less the same run's before it opened.
    for (program, size, what), after in list(values.items()):
        if what == "search_private":
            before = values.get((program, size, "private"), [])
            values[(program, size, "search_added")] = [a - b for a, b in zip(after, before)]
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
            floor_text = f"{floor_median:.1f} {unit}".rstrip() if floor_median is not None else "–"
            ratio = f"{real_median / floor_median:.2f}×" if floor_median else "–"
            print(f"| {label.format(size=f'{size:,}')} | {f'{real_median:.1f} {unit}'.rstrip()} | {floor_text} | {ratio} |")


if __name__ == "__main__":
    main(sys.argv[1])
