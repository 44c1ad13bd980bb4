#!/usr/bin/env python3
"""Table of the painting benchmark: best time of each benchmark over the repetitions,
and its ratio to memcpy and to QPainter of the same size.

    skin_bench --benchmark_repetitions=5 --benchmark_format=json > out.json
    python3 paint_ratios.py out.json
"""
import json
import sys
from collections import defaultdict

QPAINTER = {
    "PaintGradientTopToBottom": "QPainterGradient",
    "PaintGradientLeftToRight": "QPainterGradient",
    "BlendColorOverBench": "QPainterColorOver",
    "Baseline<BlendColorOverBench>": "QPainterColorOver",
    "BlendBitmapOverBench": "QPainterDrawImageOpacity",
    "Baseline<BlendBitmapOverBench>": "QPainterDrawImageOpacity",
    "BlendBitmapsBench": "QPainterDrawImageOpacity",
    "Baseline<BlendBitmapsBench>": "QPainterDrawImageOpacity",
}

best = defaultdict(lambda: float("inf"))
order = []
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("run_type") == "aggregate":
        continue
    name, w, h = b["run_name"].split("/")[:3]
    key = (name, f"{w}x{h}")
    if key not in best:
        order.append(key)
    best[key] = min(best[key], b["real_time"])

print("| primitive | size | time (us) | x memcpy | QPainter / it |")
print("|---|---|---|---|---|")
for name, size in order:
    t = best[(name, size)]
    memcpy = best[("Memcpy", size)]
    q = QPAINTER.get(name)
    qratio = f"{best[(q, size)] / t:.1f}" if q else ""
    print(f"| {name} | {size} | {t:.2f} | {t / memcpy:.2f} | {qratio} |")
