#!/usr/bin/env bash
# A private MariaDB server in a folder of its own, reached on 127.0.0.1.
#   dbserver.sh start DIR PORT [DATABASE]   create if needed, start, load db/schema.sql
#   dbserver.sh stop DIR                    stop cleanly and wait for it
#   dbserver.sh sql DIR [DATABASE]          a mariadb client on the server's socket
# The application connects as root over TCP with the fixed password below.
# A demo and test server: its log reaches the disk once a second rather than at every
# commit, so an operating-system crash may lose the last second (a server crash loses nothing).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
APP_PASSWORD='TreskPonto2020'

cmd=${1:?usage: dbserver.sh start|stop|sql DIR [PORT] [DATABASE]}
dir=${2:?folder missing}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(--user=root)

client() { mariadb --no-defaults -S "$dir/sock" -uroot "$@"; }

alive() {
  # A killed server whose parent never reaped it stays as a zombie: not alive.
  local state; state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}

running() {
  [ -f "$dir/pid" ] && alive "$(cat "$dir/pid")"
}

stop() {
  if running; then
    local pid; pid=$(cat "$dir/pid")
    kill "$pid"
    for _ in $(seq 1 300); do alive "$pid" || break; sleep 0.1; done
    if alive "$pid"; then kill -9 "$pid"; fi
  fi
  rm -f "$dir/pid" "$dir/sock" "$dir/sock.lock"
}

start() {
  local port=${1:?port missing} database=${2:-ponto}
  if ! running; then
    # A crash leaves a pid file and a socket behind; they would stop the next start.
    rm -f "$dir/pid" "$dir/sock" "$dir/sock.lock"
    if [ ! -d "$dir/data/mysql" ]; then
      rm -rf "$dir/data"
      mariadb-install-db --no-defaults --datadir="$dir/data" "${as_user[@]}" \
        --auth-root-authentication-method=normal --skip-test-db \
        --lower-case-table-names=1 >"$dir/install.log" 2>&1 ||
        { cat "$dir/install.log" >&2; exit 1; }
    fi
    mariadbd --no-defaults "${as_user[@]}" --datadir="$dir/data" --socket="$dir/sock" \
      --port="$port" --bind-address=127.0.0.1 --pid-file="$dir/pid" --log-error="$dir/err.log" \
      --lower-case-table-names=1 --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
      --skip-name-resolve --sql-mode=STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION \
      --innodb-buffer-pool-size=256M --max-allowed-packet=64M \
      --innodb-flush-log-at-trx-commit=2 </dev/null >/dev/null 2>&1 &
    for _ in $(seq 1 300); do
      client -e 'select 1' >/dev/null 2>&1 && break
      sleep 0.1
    done
    client -e 'select 1' >/dev/null 2>&1 || { echo "MariaDB não iniciou; veja $dir/err.log" >&2; tail -20 "$dir/err.log" >&2; exit 1; }
  fi
  client <<SQL
CREATE USER IF NOT EXISTS 'root'@'127.0.0.1' IDENTIFIED BY '$APP_PASSWORD';
ALTER USER 'root'@'127.0.0.1' IDENTIFIED BY '$APP_PASSWORD';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
CREATE DATABASE IF NOT EXISTS \`$database\` CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;
SQL
  client "$database" <"$root/db/schema.sql"
}

case "$cmd" in
  start) start "${3:-}" "${4:-ponto}" ;;
  stop) stop ;;
  sql) shift 2; client "$@" ;;
  *) echo "unknown command $cmd" >&2; exit 2 ;;
esac
