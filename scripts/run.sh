#!/usr/bin/env bash
# Sets up, builds and starts the editor. Without a display it renders the start screen to
# a picture and prints the picture's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DSOLVA_WARNINGS_AS_ERRORS=OFF
exec build/app/solva-tx "$@"
