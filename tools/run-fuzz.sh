#!/usr/bin/env bash
# Runs the fuzz targets built in BUILD (make fuzz builds them), each for
# SECONDS, one after the other:
#   tools/run-fuzz.sh BUILD SECONDS [TARGET...]    (targets: motto_file lexicon english editor)
# Each corpus grows in BUILD/corpus/<target>, seeded from the example mottos,
# the first lines of the data files, fuzz/seeds and fuzz/regressions. An input
# that fails is kept in BUILD/artifacts/<target>/; once the fault is mended,
# copy it into fuzz/regressions/<target>/ so that every test run replays it.
# Exits non-zero when a target failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
seconds=$2
shift 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=(motto_file lexicon english editor); fi

# The seeds of a target into its corpus folder.
seed() {
  local target=$1 corpus=$2 data=$root/data
  case $target in
    motto_file)
      cp "$data"/ex_* "$data"/Ex_* "$corpus"/
      ;;
    lexicon)
      # Byte 0 is the table in load order, then the file's first lines.
      local i=0
      for table in conjunctives prepositions adjectives adverbs verbs nouns pronouns; do
        { printf "\\$(printf '%03o' $i)"; head -n 3 "$data/$table.dat"; } >"$corpus/seed_$table"
        i=$((i + 1))
      done
      ;;
    english)
      { head -n 8 "$data/engIrregVerbs.txt"; printf '\0'; head -n 8 "$data/engIrregNouns.txt"
        printf '\0go\r\nman of war\r\nlove/like\r\nbe (away)\r\nstop\r\ncity\r\n'; } >"$corpus/seed_tables"
      ;;
  esac
  for kept in "$root/fuzz/seeds/$target" "$root/fuzz/regressions/$target"; do
    if [ -d "$kept" ]; then cp "$kept"/* "$corpus"/ 2>/dev/null || true; fi
  done
}

failed=()
for target in "${targets[@]}"; do
  program=$build/bin/fuzz_$target
  corpus=$build/corpus/$target
  artifacts=$build/artifacts/$target
  mkdir -p "$corpus" "$artifacts"
  seed "$target" "$corpus"
  dict=()
  if [ -f "$root/fuzz/$target.dict" ]; then dict=(-dict="$root/fuzz/$target.dict"); fi
  echo "== fuzz_$target for $seconds s"
  if ! (cd "$build/bin" && "$program" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" \
        >"$build/fuzz_$target.log" 2>&1); then
    failed+=("$target")
    tail -n 40 "$build/fuzz_$target.log"
  fi
  grep -E "^stat::number_of_executed_units|^#[0-9]+ *DONE" "$build/fuzz_$target.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that failed: ${failed[*]} (inputs in $build/artifacts)"
  exit 1
fi
