#!/usr/bin/env bash
# kvor.sh run  - install what is missing, build and start the program
# kvor.sh test - install what is missing, build and run every test (ctest)
# kvor.sh fuzz [seconds] - the longer fuzzing run, each target for 300 s
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

pakiety=(g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
         qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
         qt6-l10n-tools qt6-translations-l10n libgl-dev
         libgtest-dev libgmock-dev
         xvfb xauth xdotool poppler-utils)

zainstaluj() {
  local brak=()
  for p in "${pakiety[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brak+=("$p")
  done
  if ((${#brak[@]})); then
    echo "Installing: ${brak[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${brak[@]}"
  fi
}

zbuduj() {
  local katalog=$1; shift
  cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$katalog" -j"$(nproc)"
}

# The second tree: clang under AddressSanitizer and UBSan, with libFuzzer's
# coverage everywhere and libFuzzer linked into the fuzz targets; the tests
# run in it once more, and the fuzz targets run from it.
opcje_asan=(-DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only"
            -DCMAKE_CXX_COMPILER=clang++ -DKVOR_SANITIZE=ON -DKVOR_LIBFUZZER=ON)
export UBSAN_OPTIONS=print_stacktrace=1

# ---- Fuzz targets (tests/fuzz/fuzz.h) ----------------------------------------
cele_fuzz=(kodek rs485 tcp ini pliki teksty)

# fuzz_uruchom <target> <corpus folder> <libFuzzer options>...: its log goes
# to build-asan/fuzz/fuzz_<target>.log, the input of a finding to the
# targets' own place for it, build-asan/fuzz/fuzz_<target>-crash-<hash> (or
# -leak-, -timeout-, -oom-).
fuzz_uruchom() {
  local c=$1 korpus=$2; shift 2
  local log=build-asan/fuzz/fuzz_$c.log
  mkdir -p "$korpus" build-asan/fuzz
  if ! build-asan/bin/fuzz_"$c" "$@" -timeout=25 -print_final_stats=1 "$korpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$c: finding, its input is in build-asan/fuzz" >&2
    return 1
  fi
  echo "fuzz_$c: $(grep -oP 'stat::number_of_executed_units: \K[0-9]+' "$log") inputs, no finding"
}

# The test run: each target for 3 s from its seed inputs alone and a fixed
# seed, so that a finding reproduces.
fuzz_krotko() {
  local c
  rm -rf build-asan/fuzz/ziarna
  for c in "${cele_fuzz[@]}"; do
    fuzz_uruchom "$c" build-asan/fuzz/ziarna/"$c" -seed=1 -max_total_time=3
  done
}

# The longer run: each target for $1 seconds, its corpus kept in
# build-asan/korpus from one run to the next.
fuzz_dlugo() {
  local c
  for c in "${cele_fuzz[@]}"; do
    echo "fuzz_$c: $1 s, log in build-asan/fuzz/fuzz_$c.log"
    fuzz_uruchom "$c" build-asan/korpus/"$c" -max_total_time="$1"
  done
}

case "${1:-}" in
  run)
    zainstaluj
    zbuduj build
    shift
    exec build/bin/kvor-setup "$@"
    ;;
  test)
    zainstaluj
    zbuduj build
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
    # Every test once more under AddressSanitizer and UBSan, then the fuzz
    # targets.
    zbuduj build-asan "${opcje_asan[@]}"
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 300
    fuzz_krotko
    ;;
  fuzz)
    zainstaluj
    cmake -S . -B build-asan -G Ninja "${opcje_asan[@]}" >/dev/null
    cmake --build build-asan -j"$(nproc)" --target "${cele_fuzz[@]/#/fuzz_}"
    fuzz_dlugo "${2:-300}"
    ;;
  *)
    echo "usage: $0 run|test|fuzz [seconds]" >&2
    exit 2
    ;;
esac
