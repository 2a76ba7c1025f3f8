# Shared by the whole-process comparisons: sourced, not run.

# Median of the numbers given one a line, and the least of them.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
least() { sort -n | head -1; }
# Wall microseconds of one run of the command, its output dropped.
# The shell's own clock: starting date twice would add milliseconds to both sides.
timed() {
  local start=${EPOCHREALTIME/[.,]/}
  "$@" > /dev/null
  local end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}
