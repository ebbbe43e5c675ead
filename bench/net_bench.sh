#!/usr/bin/env bash
# FTP upload (pyftpdlib) and HTTP download (python http.server) of a package
# over loopback, against curl.   bench/net_bench.sh [MEGABYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
mb="${1:-200}"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/ftp" "$work/http"
head -c $((mb * 1024 * 1024)) /dev/urandom > "$work/http/package"
/usr/bin/python3 tests/net/ftp_server.py "$work/ftp" > "$work/ftp.port" 2>/dev/null &
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
(cd "$work/http" && exec /usr/bin/python3 -m http.server --bind 127.0.0.1 "$port" >/dev/null 2>&1) &
sleep 1.5
build/default/bin/net_bench "$mb" "$(head -1 "$work/ftp.port")" "http://127.0.0.1:$port/package" "$work/ftp"
