#!/usr/bin/env bash
# Pictures of the windows and the report of a sample month, as PNG files in build/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/test.sh" -R tst_screenshots
cd "${BUILD_DIR:-$root/build}/screenshots"
pdftoppm -r 80 -png report.pdf report-page
ls "$PWD"
