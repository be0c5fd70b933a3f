#!/usr/bin/env bash
# Installs what is missing, builds, starts a throwaway MariaDB server on a free loopback port,
# runs the whole test suite through CTest and stops the server whatever happens.
# Extra arguments go to ctest (for example -R tst_punch).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
BUILD_DIR=${BUILD_DIR:-$root/build} "$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}

free_port() {
  local port
  for _ in $(seq 1 200); do
    port=$((20000 + RANDOM % 20000))
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return; }
  done
  echo "no free port found" >&2
  return 1
}

server_dir=$(mktemp -d "${TMPDIR:-/tmp}/ponto-test-db.XXXXXX")
stop_server() {
  # Tests that run servers of their own keep them under TMPDIR; one that crashed left it running.
  for pid in "$server_dir"/tmp/*/pid; do
    [ -f "$pid" ] && kill "$(cat "$pid")" 2>/dev/null || true
  done
  "$root/scripts/dbserver.sh" stop "$server_dir" || true
  rm -rf "$server_dir" || true
}
trap stop_server EXIT

port=$(free_port)
"$root/scripts/dbserver.sh" start "$server_dir" "$port" ponto
mkdir -p "$server_dir/tmp"
export PONTO_TEST_PORT=$port TMPDIR=$server_dir/tmp
cd "$build"
ctest --output-on-failure --timeout 600 "$@"
