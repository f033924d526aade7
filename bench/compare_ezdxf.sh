#!/bin/bash
# Times ezdxf's shp_load and our load on the same benchmark font file and prints the
# ratio of the medians. Usage: bench/compare_ezdxf.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/make_font" "$work/full.shp"
# ezdxf refuses the "*BIGFONT" line; both readers get the file without it.
tail -n +2 "$work/full.shp" > "$work/font.shp"

ezdxf_ms=$(/usr/bin/python3 - "$work/font.shp" <<'PY'
import statistics, sys, time
from ezdxf import shapefile
runs = []
for _ in range(5):
    start = time.perf_counter()
    with open(sys.argv[1], "rb") as f:
        shapefile.shp_load(f.read())
    runs.append((time.perf_counter() - start) * 1000)
print(f"{statistics.median(runs):.1f}")
PY
)

ours_ms=$(KELVANE_BENCH_FONT="$work/font.shp" "$build/bench/kelvane_bench" \
  --benchmark_filter='^BM_LoadFont/' --benchmark_format=csv 2>/dev/null |
  awk -F, '/_median"?,/ { print $3 }')

awk -v e="$ezdxf_ms" -v o="$ours_ms" 'BEGIN {
  printf "ezdxf shp_load median %.1f ms, Kelvane load median %.2f ms, ratio %.0f\n", e, o, e / o }'
