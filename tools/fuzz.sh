#!/usr/bin/env bash
# Runs every libFuzzer target of fuzz/ for a number of seconds, one after the other:
#   tools/fuzz.sh BUILD_FOLDER SECONDS
# Each starts from seeds made of the shipped data files (fuzz/seeds/ for the files not
# shipped) and keeps what it finds in BUILD_FOLDER/fuzz-corpus/<target>. A crash, a leak
# or a sanitizer report fails the run and leaves the input in BUILD_FOLDER/fuzz-artifacts/.
set -euo pipefail

build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
data=$root/data
seeds=$build/fuzz-seeds

# seed TARGET FILE...: copies the files into the target's seed folder.
seed() {
  local target=$1
  shift
  mkdir -p "$seeds/$target"
  for file in "$@"; do [ -f "$file" ] && cp "$file" "$seeds/$target/"; done
  return 0
}

rm -rf "$seeds"
mkdir -p "$seeds/names_record"
n=0
while IFS= read -r line; do
  n=$((n + 1))
  printf '%s' "${line%$'\r'}" > "$seeds/names_record/record$n"
done < "$data/NAMES.FIL"
seed names_file "$data"/*.FIL
seed cities "$data"/*.LL
split -l 20 "$data/GA_MA.LL" "$seeds/cities/part."
seed time_zones "$data/TZ.DAT"
seed value_file "$data/OPTIONS.OPT" "$data/OPTIONS.MAS" "$data"/*.ORB
seed settings "$root"/fuzz/seeds/settings/*
seed wheel_table "$root"/fuzz/seeds/wheel_table/* "$data/HCDATA.DAT" "$data/RADIUS.DAT"
seed atlas_answer "$root"/fuzz/seeds/atlas_answer/*
seed place_list "$root"/fuzz/seeds/place_list/*
seed atlas_hand_over "$root"/fuzz/seeds/atlas_hand_over/*

mkdir -p "$build/fuzz-artifacts"
failed=0
for fuzzer in "$build"/bin/fuzz_*; do
  target=${fuzzer##*/fuzz_}
  corpus=$build/fuzz-corpus/$target
  mkdir -p "$corpus"
  log=$build/fuzz-artifacts/$target.log
  if "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
      "$corpus" "$seeds/$target" > "$log" 2>&1; then
    result=ok
  else
    result=FAILED
    failed=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz $target: $result, ${runs:-?} executions in ${seconds}s, corpus $(ls "$corpus" | wc -l) inputs"
  [ "$result" = ok ] || tail -40 "$log"
done
exit $failed
