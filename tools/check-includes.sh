#!/usr/bin/env bash
# Checks that the folders' includes point one way: no page includes the
# application; of the application, only its start-up (CMainApp.cpp), which
# makes the pages, includes them; the lists include neither the iCalendar
# code, which registers itself with them, nor the application nor the
# pages. Prints each include that breaks this and exits 1; prints nothing
# and exits 0 when there is none.
set -uo pipefail
cd "$(dirname "$0")/.."

include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"'
found=$(
  grep -rnE "${include}app/" src/pages
  grep -rnE "${include}pages/" src/app | grep -v '^src/app/CMainApp\.cpp:'
  grep -rnE "${include}(ical|app|pages)/" src/lists
)
[ -z "$found" ] && exit 0
echo "$found"
exit 1
