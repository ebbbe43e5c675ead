#!/usr/bin/env bash
# Builds the tool and opens the receiving tool's window; without a display
# it runs the main job on the sample folder instead (tolvane-cli demo).
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
  # No screen: run the main job headless on the sample folder, through a LAN
  # folder under a temporary directory and back, printing the log.
  echo "No display: sending samples/送信データ through a LAN folder and receiving it back."
  echo "(To open the window without a display: QT_QPA_PLATFORM=offscreen build/default/bin/$exe)"
  exec build/default/bin/tolvane-cli demo "$PWD/samples/送信データ"
fi
exec "build/default/bin/$exe" "$@"
