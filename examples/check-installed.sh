#!/usr/bin/env bash
# Uses an installed ZALMPEntities as a host project would, with nothing of the
# source tree on its paths: the headers, the tool, the Python module, and this
# folder's example built once through find_package and once through pkg-config, then run.
#   examples/check-installed.sh PREFIX
set -euo pipefail

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 PREFIX   (a prefix that ZALMPEntities was installed into)" >&2
  exit 2
fi
prefix=$(cd "$1" && pwd)
examples=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$examples")
include="$prefix/include/ZALMPEntities"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset LD_LIBRARY_PATH

fail() {
  echo "check-installed: $*" >&2
  exit 1
}

# Every public header is installed unchanged; two with one name would clash
# in the flat folder. Private headers (src/) and other files stay out.
mapfile -t public_headers < <(find "$source_dir"/PublicInterfaces "$source_dir"/platform "$source_dir"/xml \
  "$source_dir"/urdf -name '*.h' -not -path '*/src/*' 2>/dev/null)
[ ${#public_headers[@]} -gt 0 ] || fail "no public headers found under $source_dir"
for header in "${public_headers[@]}"; do
  cmp -s "$header" "$include/$(basename "$header")" ||
    fail "${header#"$source_dir"/} is missing from $include or clashes with another header of its name"
done
extra=$(find "$include" -mindepth 1 \( -type d -o -not -name '*.h' \) -print)
[ -z "$extra" ] || fail "not a public header: $extra"
mapfile -t private_headers < <(find "$source_dir" -path "$source_dir/build*" -prune -o -path '*/src/*.h' -print)
for header in "${private_headers[@]}"; do
  [ ! -e "$include/$(basename "$header")" ] || fail "private header installed: ${header#"$source_dir"/}"
done

# Each installed header compiles with only the installed folder on the path.
for header in "$include"/*.h; do echo "#include <$(basename "$header")>"; done >"$work/all_headers.cpp"
c++ -std=c++20 -fsyntax-only -I"$include" "$work/all_headers.cpp" || fail "installed headers do not compile on their own"

"$prefix/bin/zalmp" demo "$work/demo.xml" >/dev/null || fail "installed zalmp does not run"

# The Python module, with nothing but the prefix on the module path.
echo "-- Python module"
module=$(find "$prefix" -name 'zalmp.cpython-*.so' -print -quit)
[ -n "$module" ] || fail "no zalmp Python module under $prefix"
(cd "$work" && PYTHONPATH="$(dirname "$module")" python3 -c \
  "import zalmp; m = zalmp.load('demo.xml'); print(len(m.world.bodies))") || fail "the installed zalmp module does not load demo.xml"

echo "-- example through find_package"
cmake -S "$examples" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/cmake" -j2
(cd "$work" && "$work/cmake/zalmp_roundtrip_example" "$work/cmake.xml")

echo "-- example through pkg-config"
pc=$(find "$prefix" -name zalmpentities.pc -print -quit)
[ -n "$pc" ] || fail "no zalmpentities.pc under $prefix"
export PKG_CONFIG_PATH="$(dirname "$pc")"
libdir=$(pkg-config --variable=libdir zalmpentities)
# shellcheck disable=SC2046  # the flags are meant to split into words
c++ -std=c++20 "$examples/zalmp_roundtrip_example.cpp" $(pkg-config --cflags --libs zalmpentities) \
  -Wl,-rpath,"$libdir" -o "$work/pkgconfig_example"
(cd "$work" && "$work/pkgconfig_example" "$work/pkgconfig.xml")
