#!/usr/bin/env bash
# Set-up, build and run in one step, on a fresh Debian machine (as root or with sudo).
#   ./run.sh demo   build, then run `zalmp demo`: the demo mechanism saved as demo.xml, read back and described
#   ./run.sh test   build the default and the sanitizer presets and run every test (the Python module's
#                   too); install the default build into a scratch prefix and build and run the examples
#                   against it, the Python module included; then fuzz the loaders
set -euo pipefail
cd "$(dirname "$0")"

# What the library and the tool need; the tests and benchmarks need more.
packages=(cmake g++ make pkg-config ccache libpugixml-dev libcli11-dev uuid-dev liburdfdom-dev libgraphviz-dev)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev)
# The Python module (built when they are there) and its tests.
python_packages=(python3-dev python3-pybind11 python3-pytest python3-numpy)
fuzz_packages=(clang-14 libclang-rt-14-dev)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The default build installed as a package, then used from outside the source tree.
check_installed_package() {
  local prefix
  prefix=$(mktemp -d)
  trap "rm -rf '$prefix'" EXIT
  cmake --install build/default --prefix "$prefix" >/dev/null
  examples/check-installed.sh "$prefix"
}

case "${1:-}" in
  demo)
    # Only the tool and what it is made of: no tests, no benchmarks.
    install_missing "${packages[@]}"
    cmake --preset default -DZALMP_BUILD_TESTS=OFF -DZALMP_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build --preset default --target zalmp
    ./build/default/tools/zalmp/zalmp demo "${2:-demo.xml}"
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}" "${python_packages[@]}" "${fuzz_packages[@]}"
    for preset in default asan; do
      cmake --preset "$preset" -DZALMP_BUILD_TESTS=ON -DZALMP_BUILD_BENCHMARKS=ON >/dev/null
      cmake --build --preset "$preset"
      ctest --preset "$preset"
      if [ "$preset" = default ]; then check_installed_package; fi
    done
    # The loaders under clang and libFuzzer, a minute each on their seeds.
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    fuzz/run-fuzzers.sh 60
    ;;
  *)
    echo "usage: $0 demo|test" >&2
    exit 2
    ;;
esac
