#!/usr/bin/env bash
# Sets up, builds and starts the editor. Without a display it renders the start screen to
# a picture and prints the picture's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh OFF solva-tx user_guides  # the editor and the guides F1 opens, no tests
exec build/app/solva-tx "$@"
