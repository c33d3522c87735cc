#!/usr/bin/env bash
# Runs a test program with the home folder and the XDG folders inside an
# empty temporary folder, and fails if anything appears there: the program
# writes no settings, no history and no recent-files list.
set -euo pipefail
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
  XDG_STATE_HOME=$home/state QT_QPA_PLATFORM=offscreen "$@"
written=$(find "$home" -mindepth 1)
if [ -n "$written" ]; then
  echo "written although nothing may be:"
  echo "$written"
  exit 1
fi
echo "nothing written"
