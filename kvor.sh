#!/usr/bin/env bash
# kvor.sh run  - install what is missing, build and start the program
# kvor.sh test - install what is missing, build and run every test (ctest)
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
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
