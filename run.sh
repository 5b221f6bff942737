#!/usr/bin/env bash
# Set-up, build and run in one step, on a fresh Debian machine (as root or with sudo).
#   ./run.sh demo   build, then run `zalmp demo`: the demo mechanism saved as demo.xml, read back and described
#   ./run.sh test   build the default and the sanitizer presets and run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make pkg-config ccache libgtest-dev libgmock-dev libbenchmark-dev
          libpugixml-dev libcli11-dev uuid-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

install_missing
case "${1:-}" in
  demo)
    build default
    ./build/default/tools/zalmp/zalmp demo "${2:-demo.xml}"
    ;;
  test)
    for preset in default asan; do
      build "$preset"
      ctest --preset "$preset"
    done
    ;;
  *)
    echo "usage: $0 demo|test" >&2
    exit 2
    ;;
esac
