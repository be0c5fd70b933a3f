#!/usr/bin/env bash
# Builds (optimised) and runs the benchmarks against a throwaway private server.
# Arguments name the benchmarks to run (default: all).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build=${BUILD_DIR:-$root/build-release}
BUILD_DIR=$build BUILD_TYPE=Release "$root/scripts/build.sh"

server_dir=$(mktemp -d "${TMPDIR:-/tmp}/ponto-bench-db.XXXXXX")
trap '"$root/scripts/dbserver.sh" stop "$server_dir" || true; rm -rf "$server_dir"' EXIT
port=$((20000 + RANDOM % 20000))
"$root/scripts/dbserver.sh" start "$server_dir" "$port" ponto
export PONTO_TEST_PORT=$port

names=("$@")
[ ${#names[@]} -gt 0 ] || names=($(cd "$build/bench" && find . -maxdepth 1 -type f -executable -name "bench_*" -printf "%f\n" | sort))
for name in "${names[@]}"; do
  echo "== $name"
  "$build/bench/$name"
done
