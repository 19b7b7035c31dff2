# Sourced by the test scripts: `phase NAME` ends the phase before, printing how long it took,
# and `phase` alone ends the last one.
phase_name="" phase_start=$SECONDS
phase() {
    [ -n "$phase_name" ] && echo "== $phase_name: $((SECONDS - phase_start)) s"
    phase_name=${1:-} phase_start=$SECONDS
}
