#!/usr/bin/env bash
# Builds the tool and opens the receiving tool's window.
#   scripts/run.sh            the receiving tool ("データ受信")
#   scripts/run.sh send       the sending tool ("データ送信")
#   scripts/run.sh full       the full layout ("Tolvane"), /S or /R choose the job
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh default
tool="${1:-receive}"
shift || true
case "$tool" in
  receive) exe=tolvane-receive ;;
  send) exe=tolvane-send ;;
  full) exe=tolvane ;;
  *) echo "unknown tool: $tool (receive, send or full)" >&2; exit 2 ;;
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. To run the window without one, use Qt's offscreen platform:"
  echo "  QT_QPA_PLATFORM=offscreen build/default/bin/$exe"
  echo "or start it under a virtual display: xvfb-run build/default/bin/$exe"
  exit 0
fi
exec "build/default/bin/$exe" "$@"
