#!/usr/bin/env bash
# The core library must not reference any widget, dialog, sound or printer
# symbol: everything in it is reachable from tests without a window.
set -euo pipefail
lib="$1"
bad=$(nm -C --undefined-only "$lib" | grep -E 'QWidget|QDialog|QSoundEffect|QPrinter|QApplication|QGuiApplication|QMessageBox|QClipboard' || true)
if [ -n "$bad" ]; then
  echo "ulvendo_core references UI symbols:"
  echo "$bad" | head -20
  echo "0 passed, 1 failed"
  exit 1
fi
echo "core library is free of UI symbols"
