#!/usr/bin/env bash
# Regenerates the shipped wheel files in install/wheels. A file that already
# verifies is kept, so a rerun only searches for what is missing or broken.
#   tools/wheelgen/generate_all.sh [WHEELGEN] [SECONDS_PER_WHEEL]
# Run it niced: the searches for the tight sizes take a while on one core.
set -euo pipefail
cd "$(dirname "$0")/../.."
wheelgen="${1:-build/bin/wheelgen}"
seconds="${2:-600}"
out=install/wheels
mkdir -p "$out"

# D M N lines, as in the wheel catalogue.
wheels=(
  "5 5 7 21" "5 5 8 56" "5 5 9 126" "5 5 10 252"
  "5 4 7 3" "5 4 8 5" "5 4 9 9" "5 4 10 14" "5 4 11 22" "5 4 12 35"
  "5 3 10 2" "5 3 11 5" "5 3 12 6" "5 3 13 8" "5 3 14 10" "5 3 15 13"
  "4 4 6 5" "4 4 7 9" "4 4 8 20" "4 4 9 30" "4 4 10 53" "4 4 11 66"
  "4 3 9 5" "4 3 10 7" "4 3 11 10" "4 3 12 13" "4 3 13 16" "4 3 14 21"
  "3 3 8 8" "3 3 9 12" "3 3 10 17" "3 3 11 22" "3 3 12 31" "3 3 13 36"
)

failed=0
for w in "${wheels[@]}"; do
  read -r d m n lines <<<"$w"
  file="$out/5-$d-$m-$n.whl"
  if [ -f "$file" ] && "$wheelgen" verify "$d" "$m" "$n" "$lines" "$file" >/dev/null; then
    continue
  fi
  if [ "$d" = 5 ] && [ "$m" = 5 ]; then
    "$wheelgen" full "$n" "$file"
  elif ! "$wheelgen" search "$d" "$m" "$n" "$lines" "$file" --seconds "$seconds"; then
    failed=1
  fi
done
exit "$failed"
