#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them; the figures go to build/release/bench-*.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tolva tolva_bench tolva_qt_bench
./build/release/bench/tolva_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    | tee build/release/bench-model.txt
QT_QPA_PLATFORM=offscreen ./build/release/bench/tolva_qt_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_filter=-Memory/ | tee build/release/bench-qt.txt
# Memory holding the page: the peak is the process's, so each side runs alone.
for side in tolva bare; do
    QT_QPA_PLATFORM=offscreen ./build/release/bench/tolva_qt_bench --benchmark_filter="^Memory/$side/"
done | tee build/release/bench-memory.txt
# End to end: the real window started on a page, until the page's text shows.
/usr/bin/python3 scripts/bench-start.py build/release/tolva 3 | tee build/release/bench-start.txt
