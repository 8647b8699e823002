# Sourced by the test scripts that start servers of their own: a scratch
# folder in $scratch, and the processes listed in $pids, both gone on exit.
scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
