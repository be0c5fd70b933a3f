#!/usr/bin/env bash
# Installs what is missing, builds, starts a private MariaDB server with sample data in
# .demo-db/, writes Admin.ini beside the program and opens it. The server stops with it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
port=${PONTO_DEMO_PORT:-3407}
build=${BUILD_DIR:-$root/build}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Sem tela gráfica (DISPLAY vazio): rode 'xvfb-run -a scripts/demo.sh' para abrir o programa numa tela virtual."
  exit 1
fi

"$root/scripts/deps.sh"
BUILD_DIR=$build "$root/scripts/build.sh"

dir="$root/.demo-db"
"$root/scripts/dbserver.sh" start "$dir" "$port" ponto
trap '"$root/scripts/dbserver.sh" stop "$dir"' EXIT
trap 'exit 130' INT TERM HUP
"$build/db/ponto-sample-data" 127.0.0.1 "$port" ponto

printf '[LOCAL]\r\nPORTA=%s\r\nSERVIDOR=127.0.0.1\r\nBANCO=ponto\r\n' "$port" >"$build/app/Admin.ini"
echo "Senhas de exemplo: 1001 a 1008. Código de liberação: ADMPAINEL7319."
"$build/app/ponto"
