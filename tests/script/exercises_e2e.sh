#!/bin/sh
# exercises_e2e.sh VIEWER DIR: every exercise in DIR holds under --check (status 0, no
# expectation failed); with a wrong answer planted in its first expect line (its last
# number plus 1), each fails on that line and --check ends with status 5; blanked as the
# README tells teachers, every expect line is a check-time error (status 2).
set -u
viewer=$1 dir=$2 tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: exercises: $*" >&2; exit 1; }
"$viewer" --check "$dir"/*.script >"$tmp/out" 2>&1 || fail "status $?: $(cat "$tmp/out")"
count=0
for exercise in "$dir"/*.script; do
  count=$((count + 1))
  grep -q "^$exercise: [1-9][0-9]* met, 0 failed, status 0$" "$tmp/out" ||
    fail "$exercise: $(cat "$tmp/out")"
  name=$(basename "$exercise")
  mkdir -p "$tmp/blank"
  sed -E 's/^(expect +("[^"]*"|[A-Za-z]+)( +(opengl|corvane|window|ndc|clip|eye))?) .*/\1/' \
    "$exercise" >"$tmp/blank/$name"
  awk '!planted && /^expect/ { $NF = $NF + 1; planted = 1 } 1' "$exercise" >"$tmp/$name"
  echo "$name:$(awk '/^expect/ { print NR; exit }' "$exercise"): expected" >>"$tmp/want"
done
cd "$tmp" && "$viewer" --check ./*.script >planted 2>&1 </dev/null
status=$?
[ "$status" = 5 ] || fail "planted answers: status $status, expected 5: $(cat planted)"
[ "$(grep -c ' 1 failed, status 5$' planted)" = "$count" ] || fail "$(cat planted)"
while read -r want; do
  grep -q "^\./$want" planted || fail "no failure starting '$want' in: $(cat planted)"
done <want
"$viewer" --check blank/*.script >blanked 2>&1 </dev/null
status=$?
[ "$status" = 2 ] || fail "blanked answers: status $status, expected 2: $(cat blanked)"
[ "$(grep -c ': expected ' blanked)" = "$(cat "$dir"/*.script | grep -c '^expect')" ] ||
  fail "not every blanked expect line is refused: $(cat blanked)"
