#!/usr/bin/env bash
# kvor.sh run  - install what is missing, build and start the program
# kvor.sh test - install what is missing, build and run every test (ctest)
# kvor.sh fuzz [seconds] - the longer fuzzing run, each target for 300 s
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

pakiety=(g++ cmake ninja-build pkg-config
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

# ---- Fuzz targets (tests/fuzz/fuzz.h) ----------------------------------------
cele_fuzz=(kodek rs485 tcp ini pliki teksty)

# Each target for a few seconds under AddressSanitizer and UBSan, from a
# fixed seed: a finding fails the run, and its input, written to
# build-asan/fuzz, replays it.
fuzz_krotko() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVOR_SANITIZE=ON >/dev/null
  cmake --build build-asan -j"$(nproc)" --target "${cele_fuzz[@]/#/fuzz_}"
  mkdir -p build-asan/fuzz
  local c
  for c in "${cele_fuzz[@]}"; do
    build-asan/bin/fuzz_"$c" -t 3 -s 1 -w build-asan/fuzz
  done
}

# The longer run: each target for $1 seconds. With clang, libFuzzer under
# AddressSanitizer and UBSan, its corpora kept in build-fuzz/korpus;
# otherwise the seeded driver from a new seed. Findings go to
# build-fuzz/wyniki.
fuzz_dlugo() {
  local sekundy=$1 c
  local -a opcje=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVOR_SANITIZE=ON)
  if command -v clang++ >/dev/null; then
    opcje+=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DKVOR_LIBFUZZER=ON)
  fi
  cmake -S . -B build-fuzz -G Ninja "${opcje[@]}" >/dev/null
  cmake --build build-fuzz -j"$(nproc)" --target "${cele_fuzz[@]/#/fuzz_}"
  mkdir -p build-fuzz/wyniki
  local -a podsumowanie=()
  for c in "${cele_fuzz[@]}"; do
    if command -v clang++ >/dev/null; then
      mkdir -p build-fuzz/korpus/"$c"
      local log=build-fuzz/wyniki/"$c".log
      echo "fuzz_$c: $sekundy s, log in $log"
      if ! (cd build-fuzz/wyniki && ../bin/fuzz_"$c" -max_total_time="$sekundy" -timeout=25 \
              -print_final_stats=1 ../korpus/"$c") >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$c: finding, its input is in build-fuzz/wyniki" >&2
        return 1
      fi
      podsumowanie+=("fuzz_$c: $(grep -oP 'stat::number_of_executed_units: \K[0-9]+' "$log") inputs, no finding")
    else
      build-fuzz/bin/fuzz_"$c" -t "$sekundy" -s "$(date +%s)" -w build-fuzz/wyniki
    fi
  done
  printf '%s\n' "${podsumowanie[@]}"
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
    # Every test once more under AddressSanitizer and UBSan.
    zbuduj build-asan -DCMAKE_BUILD_TYPE=Debug -DKVOR_SANITIZE=ON
    UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 300
    fuzz_krotko
    ;;
  fuzz)
    zainstaluj
    fuzz_dlugo "${2:-300}"
    ;;
  *)
    echo "usage: $0 run|test|fuzz [seconds]" >&2
    exit 2
    ;;
esac
