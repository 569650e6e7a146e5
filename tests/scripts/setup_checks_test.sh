#!/usr/bin/env bash
# The set-up checks against stand-ins for the machine: which packages count
# as missing when dpkg-query reports some unknown (it then exits 1), and
# bench-check failing when a benchmark it expects did not run, or a start-up
# ratio is over its limit or missing.
#
# Each check compares a command's output, which says how it ended where that
# matters ("exit N", "done"), so its own status is not needed:
# shellcheck disable=SC2312
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() { # NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

# A dpkg-query that knows the packages listed in $work/installed (name and
# status abbreviation per line) and, like the real one, prints nothing for
# the others but exits 1 when any is unknown.
mkdir -p "$work/bin"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
rc=0
for p in "$@"; do
  case "$p" in -*) continue ;; esac
  line=$(grep -m1 "^${p%%:*}[: ]" "$STUB_INSTALLED") || { rc=1; continue; }
  printf '%s\n' "$line"
done
exit "$rc"
STUB
chmod +x "$work/bin/dpkg-query"

# missing_packages IA32 INSTALLED...: what common.sh reports missing, one
# line, with the stub on PATH and the host's 32-bit answer given.
missing_packages() {
  local ia32=$1
  shift
  printf '%s\n' "$@" >"$work/installed"
  # Under set -e as in scripts/setup, and called directly, since a command
  # substitution would switch set -e off inside the function.
  PATH="$work/bin:$PATH" STUB_INSTALLED="$work/installed" VESK_HOST_IA32=$ia32 \
    VESK_BUILD="$work/build" bash -euo pipefail -c '
      . "$1/scripts/lib/common.sh"
      vesk_missing_packages >"$2"
      echo done >>"$2"' _ "$root" "$work/missing" || echo "exit $?"
  tr '\n' ' ' <"$work/missing"
}
all_installed() { # the packages of VESK_PACKAGES, each "name ii"
  VESK_BUILD="$work/build" bash -c '. "$1/scripts/lib/common.sh"; printf "%s ii\n" "${VESK_PACKAGES[@]}"' _ "$root"
}
mapfile -t everything < <(all_installed)
[ "${#everything[@]}" -gt 10 ] || { echo "FAILED to list VESK_PACKAGES"; exit 1; }
without() { # NAME...: the full list less the packages named
  local line skip keep
  for line in "${everything[@]}"; do
    keep=1
    for skip in "$@"; do [ "${line%% *}" = "$skip" ] && keep=0; done
    [ "$keep" = 0 ] || printf '%s\n' "$line"
  done
}

mapfile -t some < <(without wine xvfb shellcheck)
check "three missing, dpkg-query exits 1" "wine xvfb shellcheck done " "$(missing_packages no "${some[@]}")"
check "none missing on a 64-bit-only host" "done " "$(missing_packages no "${everything[@]}")"
check "wine32 missing where 32-bit programs run" "wine32:i386 done " \
  "$(missing_packages yes "${everything[@]}")"
check "wine32 installed counts under its arch-qualified name" "done " \
  "$(missing_packages yes "${everything[@]}" "wine32:i386 ii")"
mapfile -t removed < <(without xdotool)
check "a package removed but not purged is missing" "xdotool done " \
  "$(missing_packages no "${removed[@]}" "xdotool rc")"
check "nothing installed at all" "$((${#everything[@]} + 1))" \
  "$(missing_packages no | wc -w)"

# bench-check: a ratio over its limit and a benchmark that is absent both
# fail the run; all present and under the limits passes.
bench_json() { # NAME=TIME[:COUNTER=VALUE...]...
  python3 - "$@" <<'PY'
import json, sys
runs = []
for arg in sys.argv[1:]:
    name, rest = arg.split("=", 1)
    time, *counters = rest.split(":")
    run = {"name": name, "run_name": name, "run_type": "iteration", "real_time": float(time)}
    run.update({k: float(v) for k, v in (c.split("=") for c in counters)})
    runs.append(run)
print(json.dumps({"benchmarks": runs}))
PY
}
complete=(BM_LoadSkinAgainstDecoding=2:load_us=1:decode_us=1 BM_RecordOneEventAgainstBareWrite=2:record_event_ns=1:bare_write_ns=1
  BM_LoadSkin=1 BM_LoadSkinClaimingTheLargestPictures=1)
for n in 10 100 1000 10000; do complete+=("BM_SwitchDesktop/$n=1" "BM_BarePlatformCalls/$n=1"); done
bench_check() { # NAME=TIME... -> exit status of bench-check
  bench_json "$@" >"$work/bench.json"
  python3 "$root/scripts/lib/bench-check" "$work/bench.json" >"$work/bench.out" 2>&1
  echo $?
}
check "bench-check passes when every benchmark ran" 0 "$(bench_check "${complete[@]}")"
check "bench-check fails when one is absent" 1 "$(bench_check "${complete[@]:1}")"
check "bench-check fails over a limit" 1 "$(bench_check "${complete[@]:0:2}" "${complete[@]:3}" BM_LoadSkin=0.01)"
check "bench-check fails over a limit in a pair" 1 \
  "$(bench_check "${complete[@]:1}" BM_LoadSkinAgainstDecoding=2:load_us=1.3:decode_us=1)"
lucky=(BM_LoadSkin=0.5 BM_LoadSkin=1 BM_LoadSkin=1 BM_LoadSkin=1 BM_LoadSkin=1
  BM_LoadSkinClaimingTheLargestPictures=30)
check "bench-check: one lucky run of a baseline does not decide" 0 \
  "$(bench_check "${complete[@]:0:2}" "${complete[@]:4}" "${lucky[@]}")"
startup_check() { # LINE -> exit status of bench-check --startup
  printf 'Start-up under Wine\n%s\n' "$1" >"$work/startup.log"
  python3 "$root/scripts/lib/bench-check" --startup "$work/startup.log" >"$work/startup.out" 2>&1
  echo $?
}
check "start-up ratios under their limits pass" 0 "$(startup_check 'startup-ratios main-window 1.3 ready 1.7')"
check "a start-up ratio over its limit fails" 1 "$(startup_check 'startup-ratios main-window 1.3 ready 2.6')"
check "start-up ratios that were not printed fail" 1 "$(startup_check '  a program did not start')"

printf '%d passed, %d failed\n' "$passed" "$failed"
[ "$failed" = 0 ]
