#!/usr/bin/env bash
# Runs the end-to-end scenarios under Wine and takes the screenshots they ask for:
# the robot writes NAME.request into the shot folder, this script answers with
# NAME.png of the whole X screen (ImageMagick's import).
# Usage: run_scenarios.sh ROBOT.exe SHOT_FOLDER [gtest arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
robot=$1; shots=$2; shift 2
top=$(cd "$here/../../.." && pwd)
mkdir -p "$shots"
rm -f "$shots"/*.request "$shots"/*.png
( while :; do
    for request in "$shots"/*.request; do
      [ -e "$request" ] || continue
      name=$(basename "$request" .request)
      /usr/bin/import -window root "$shots/$name.tmp.png" 2>/dev/null && mv "$shots/$name.tmp.png" "$shots/$name.png"
      rm -f "$request"
    done
    sleep 0.2
  done ) &
watcher=$!
trap 'kill $watcher 2>/dev/null || true' EXIT
TARVEL_SHOT_DIR="Z:$(echo "$shots" | tr / '\\')" "$top/scripts/wine-run.sh" "$robot" "$@"
