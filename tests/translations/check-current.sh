#!/usr/bin/env bash
# Every text in the code and forms is translated in every language: copies of the
# translations are brought up to date with the sources, as update_translations would, and
# none may then hold a text that waits for its translation.
#   check-current.sh LUPDATE SOURCE-FOLDER TRANSLATION...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp "$@" "$copies"
"$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copies"/*.ts
stale=$(grep -l 'type="unfinished"' "$copies"/*.ts || true)
[ -z "$stale" ] || { echo "texts not yet translated in: $(basename -a $stale | tr '\n' ' ')"; exit 1; }
