#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/. Any report fails the run. Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build-asan}
"$root/scripts/deps.sh"
export BUILD_TYPE=Debug
"$root/scripts/build.sh" -DPONTO_SANITIZE=ON
# Leaks are left out: Qt's plugins and fontconfig keep caches to the end of the process.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$root/scripts/test.sh" "$@"
