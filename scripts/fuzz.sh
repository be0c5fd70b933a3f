#!/usr/bin/env bash
# Fuzzes the Admin.ini reader with libFuzzer (clang, AddressSanitizer, UBSan) for a bounded
# time: scripts/fuzz.sh [SECONDS] (default 60). Not part of CI.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/deps.sh"
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || {
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$p" >/dev/null
  }
done
out="$root/build-fuzz"
mkdir -p "$out/corpus"
cp -n "$root"/tests/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$root" $(pkg-config --cflags Qt6Core) \
  "$root/tests/fuzz/fuzz_profile.cpp" "$root/app/ProfileFile.cpp" \
  $(pkg-config --libs Qt6Core) -o "$out/fuzz_profile"
"$out/fuzz_profile" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 "$out/corpus"
