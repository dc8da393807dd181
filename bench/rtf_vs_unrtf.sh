#!/usr/bin/env bash
# Times `orv rtf2txt` against `unrtf --text` file for file over the RTF corpus, in the same run:
# each file is converted ROUNDS times by each tool, alternating, and the mean wall time of one
# conversion (process start included) is printed with the ratio unrtf/orv (above 1: orv is faster).
# Usage: bench/rtf_vs_unrtf.sh [ORV] [CORPUS_DIR] [EXTRA.rtf ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
orv=${1:-$root/build/src/orv}
corpus=${2:-}
if [ -z "$corpus" ]; then  # the shared folder sits beside the checkout (or beside its worktrees)
  for shared in "${ORV_SHARED_DIR:-}" "$root/../shared" "$root/../../shared"; do
    [ -n "$shared" ] && [ -d "$shared/rtf-corpus" ] && { corpus=$shared/rtf-corpus; break; }
  done
fi
[ -d "$corpus" ] || { echo "no RTF corpus; give its folder as the second argument" >&2; exit 2; }
shift $(( $# > 2 ? 2 : $# ))
rounds=${ROUNDS:-20}
command -v unrtf >/dev/null || { echo "unrtf is not installed (apt-get install unrtf)" >&2; exit 2; }
[ -x "$orv" ] || { echo "no orv at $orv; build it first" >&2; exit 2; }

# unrtf writes the pictures it finds into the current directory: let it write them somewhere else.
orv=$(realpath "$orv")
corpus=$(realpath "$corpus")
extra=()
for file in "$@"; do extra+=("$(realpath "$file")"); done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

now() { date +%s%N; }
total_orv=0
total_unrtf=0
printf '%-36s %10s %10s %7s\n' file "orv ms" "unrtf ms" ratio
for file in "$corpus"/*.rtf "${extra[@]}"; do
  t_orv=0
  t_unrtf=0
  for ((i = 0; i < rounds; i++)); do
    s=$(now); "$orv" rtf2txt "$file" >/dev/null 2>&1 || true; e=$(now); t_orv=$((t_orv + e - s))
    s=$(now); unrtf --text "$file" >/dev/null 2>&1 || true; e=$(now); t_unrtf=$((t_unrtf + e - s))
  done
  total_orv=$((total_orv + t_orv))
  total_unrtf=$((total_unrtf + t_unrtf))
  awk -v f="$(basename "$file")" -v o="$t_orv" -v u="$t_unrtf" -v r="$rounds" \
    'BEGIN { printf "%-36s %10.2f %10.2f %7.2f\n", f, o / r / 1e6, u / r / 1e6, u / o }'
done
awk -v o="$total_orv" -v u="$total_unrtf" -v r="$rounds" \
  'BEGIN { printf "%-36s %10.2f %10.2f %7.2f\n", "TOTAL (one pass)", o / r / 1e6, u / r / 1e6, u / o }'
