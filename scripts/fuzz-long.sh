#!/usr/bin/env bash
# Runs every file reader fuzzer for a million executions (or RUNS) in the sanitizer build of
# `make fuzz`, one after the other, and prints per target the executions per second, the edges
# covered and the outcome. Too long for CI; run it by hand:
#   bash scripts/fuzz-long.sh [RUNS]
# Corpora grow under build-fuzz/long/; logs go beside them.
set -uo pipefail
runs=${1:-1000000}
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DTAVRONA_FUZZ=ON -DTAVRONA_SANITIZE=ON \
  -DTAVRONA_GUI=OFF >/dev/null
targets="body_files data_tables hand_and_gait_files scene_file posture_file dxf_ascii dxf_binary imager_file"
cmake --build build-fuzz -j "${JOBS:-2}" $(for t in $targets; do echo --target fuzz_$t; done) || exit 1
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"

# target, -max_len, seed folders
plan() {
  case $1 in
    body_files) echo "0 fuzz/seeds" ;;
    data_tables) echo "0 fuzz/seeds-tables" ;;
    hand_and_gait_files) echo "0 fuzz/seeds-hands-gait" ;;
    scene_file) echo "16384 fuzz/corpus/scene" ;;
    posture_file) echo "4500 fuzz/corpus/posture" ;;
    dxf_ascii) echo "24576 fuzz/corpus/dxf-ascii" ;;
    dxf_binary) echo "24576 fuzz/corpus/dxf-binary" ;;
    imager_file) echo "1024 fuzz/corpus/imager" ;;
  esac
}

out=build-fuzz/long
mkdir -p "$out"
printf '%-22s %10s %10s %8s %8s  %s\n' target executions exec/s edges corpus outcome
status=0
for t in $targets; do
  read -r maxlen seeds <<<"$(plan "$t")"
  mkdir -p "$out/corpus-$t"
  args=(-runs="$runs" -print_final_stats=1)
  [ "$maxlen" != 0 ] && args+=(-max_len="$maxlen")
  log="$out/$t.log"
  ( cd "$out" && "$root/build-fuzz/fuzz/fuzz_$t" "${args[@]}" "corpus-$t" "$root/$seeds" ) >"$log" 2>&1
  rc=$?
  done_line=$(grep -E '^#[0-9]+ +DONE' "$log" | tail -1)
  execs=$(grep -oP 'stat::number_of_executed_units: \K[0-9]+' "$log" | tail -1)
  speed=$(grep -oP 'stat::average_exec_per_sec: +\K[0-9]+' "$log" | tail -1)
  edges=$(grep -oP 'cov: \K[0-9]+' <<<"${done_line:-$(grep -E 'cov:' "$log" | tail -1)}")
  corpus=$(grep -oP 'corp: \K[0-9]+' <<<"${done_line:-$(grep -E 'corp:' "$log" | tail -1)}")
  if [ $rc -eq 0 ]; then outcome="no crash"; else outcome="FAILED (exit $rc, see $log)"; status=1; fi
  printf '%-22s %10s %10s %8s %8s  %s\n' "$t" "${execs:-?}" "${speed:-?}" "${edges:-?}" \
    "${corpus:-?}" "$outcome"
done
exit $status
