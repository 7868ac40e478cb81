#!/usr/bin/env bash
# The translation catalogue template: Qt's lupdate collects every text given to tr() (or
# translate(), QT_TR_NOOP, QT_TRANSLATE_NOOP) in src/ into BUILD_DIR/translations/zelconfig.ts,
# which the repository does not keep. A text that never reaches tr() is invisible to lupdate, so
# scripts/untranslated-texts.py looks for sentences outside it in the window, the session and the
# report, apart from those named in scripts/translations-allowed.txt. Fails when lupdate warns
# (a tr() it cannot place) or a sentence is found.
# Usage: scripts/translations.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=/usr/lib/qt6/bin/lupdate # Debian's qt6-l10n-tools puts Qt 6's lupdate there
[ -x "$lupdate" ] || lupdate=$(command -v lupdate6 || command -v lupdate || true)
if [ -z "$lupdate" ]; then
  echo "lupdate not found: install qt6-l10n-tools (scripts/setup.sh does)" >&2
  exit 1
fi
out=${1:-build}/translations
mkdir -p "$out"
report=$("$lupdate" -no-obsolete -locations relative src -ts "$out/zelconfig.ts" 2>&1)
echo "$report" | grep -v '^Scanning directory'
if echo "$report" | grep -Eq '^[^ ]+:[0-9]+: '; then
  echo "lupdate could not place the texts above" >&2
  exit 1
fi
python3 scripts/untranslated-texts.py scripts/translations-allowed.txt src/ui src/session src/report
