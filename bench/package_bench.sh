#!/usr/bin/env bash
# The cipher passes and the LAN copy of a 200 MB package against cp.
#   bench/package_bench.sh [MEGABYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
exec build/default/bin/package_bench "${1:-200}"
