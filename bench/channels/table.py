"""Prints the channel benchmark figures as one table with the ratios."""
import json
import sys


def load(path):
    """Each benchmark's run by name: the median where repetitions were run."""
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    table = {r["name"]: r for r in runs if r.get("run_type", "iteration") == "iteration"}
    for r in runs:
        if r.get("aggregate_name") == "median":
            table[r["run_name"]] = r
    return table


def ms(run):
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
    return run["cpu_time"] * scale


trace, addxy = load(sys.argv[1]), load(sys.argv[2])
has_qcp = any(k.startswith("BM_QCustomPlot/") for k in trace)

print("Static frame, 1000 x 400, anti-aliasing off, pen width 1 (CPU ms per frame)")
print(f"{'points':>10} {'ours std':>9} {'ours cmp':>9} {'QCP':>9} {'std/QCP':>8} {'cmp/QCP':>8}")
for n in (1000, 10000, 100000, 1000000, 10000000):
    s, c = trace.get(f"BM_OursStandard/{n}"), trace.get(f"BM_OursCompact/{n}")
    q = trace.get(f"BM_QCustomPlot/{n}")
    row = f"{n:>10} {ms(s):>9.3f} {ms(c):>9.3f}"
    row += f" {ms(q):>9.3f} {ms(s) / ms(q):>8.2f} {ms(c) / ms(q):>8.2f}" if q else f" {'-':>9}"
    print(row)

walk = trace.get("BM_BareWalk/10000000")
if walk:
    big = trace["BM_OursStandard/10000000"]
    print(f"\nBare walk of 10^7 records of 24 bytes: {ms(walk):.2f} ms; ours at 10^7: {ms(big) / ms(walk):.2f} x the walk")

print("\nStreaming: one point appended per frame, x axis on the newest 10^4 (CPU ms per frame)")
for total in (100000, 1000000):
    o = trace[f"BM_OursStreaming/{total}"]
    q = trace.get(f"BM_QCustomPlotStreaming/{total}")
    line = f"  stored {total:>8}: ours {ms(o):.3f}"
    if q:
        line += f", QCP {ms(q):.3f}, ratio {ms(o) / ms(q):.2f}"
    print(line)

print("\nMemory per stored point (heap growth while filling 10^6 points)")
for name in ("BM_OursStandard/1000000", "BM_OursCompact/1000000", "BM_QCustomPlot/1000000"):
    if name in trace:
        print(f"  {name.split('/')[0][3:]:>12}: {trace[name]['bytes_per_point']:.1f} bytes")

print("\nAddXY (scrolling x axis, min-max y axis, change hook) beside the same work written flat (CPU ns per point)")
for n in (10000, 100000, 1000000, 10000000):
    per = lambda r: ms(r) * 1e6 / n
    flat = per(addxy[f"BM_FlatAddXY/{n}"])
    line = f"  {n:>9} points: flat {flat:6.1f}, channel AddXY {per(addxy[f'BM_ChannelAddXY/{n}']):6.1f}"
    if f"BM_PlotAddXY/{n}" in addxy:
        plot = per(addxy[f"BM_PlotAddXY/{n}"])
        line += f", into the chart component {plot:6.1f} ({plot / flat:.2f} x flat)"
    line += f"; a bare list Add {per(addxy[f'BM_BareListAdd/{n}']):6.1f}"
    print(line)
if not has_qcp:
    print("\n(QCustomPlot's Qt 6 build is not installed: its columns are empty)")

if len(sys.argv) > 3:
    frame = load(sys.argv[3])
    ours, peer = frame.get("BM_OurChartRepaint/0"), frame.get("BM_QCustomPlotRepaint")
    if ours and peer:
        print("\nFull repaint of the main window's chart, 786 x 600, two channels of 100 points (CPU us)")
        bare = frame.get("BM_OurChartRepaint/1")
        print(f"  ours {ms(ours) * 1e3:.0f}, QCP {ms(peer) * 1e3:.0f}, ratio {ms(ours) / ms(peer):.2f}"
              + (f" (ours without the channels {ms(bare) * 1e3:.0f})" if bare else ""))
