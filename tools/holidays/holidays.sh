#!/usr/bin/env bash
# holidays.sh DIR FIRST LAST: the ready-made holiday lists of the years FIRST
# to LAST in DIR. Writing them takes Node.js half a minute, so they are
# written once for this data and script and kept in TV_CACHE_DIR (default
# ~/.cache/tempovista), where every build tree and every clone on the machine
# takes its copy from. The date-holidays package is installed beside the
# script (npm ci, at the version package-lock.json pins) only when the lists
# must be written.
set -euo pipefail
dir=$1 first=$2 last=$3
here=$(cd "$(dirname "$0")" && pwd)
cache=${TV_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tempovista}
# The key: everything the lists depend on, Node's ICU (the languages' own
# names) included, so that a changed script never takes an older cache.
key=$(cat "$here/package-lock.json" "$here/make_holidays.js" "$0" \
        <(echo "$first $last"; node -p 'process.versions.icu + " " + process.versions.unicode') |
      sha256sum | cut -c1-16)
lists=$cache/holidays-$key
mkdir -p "$cache"
(
  flock 9
  if [ ! -f "$lists/index.txt" ]; then
    if ! cmp -s "$here/package-lock.json" "$here/node_modules/.tempovista-lock"; then
      (cd "$here" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)
      cp "$here/package-lock.json" "$here/node_modules/.tempovista-lock"
    fi
    rm -rf "$lists.new"
    node "$here/make_holidays.js" "$lists.new" "$first" "$last"
    mv "$lists.new" "$lists"
  fi
) 9>"$cache/.holidays.lock"
rm -rf "$dir"
cp -r "$lists" "$dir"
