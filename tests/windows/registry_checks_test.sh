#!/usr/bin/env bash
# The registry layer's checks, a Windows program, under Wine in a prefix kept between runs (no
# check needs a fresh Windows, and a new prefix takes a while to set up). The prefix's Wine
# server is ended afterwards, so nothing of the run is left.
#
#   registry_checks_test.sh PATH_TO_WIN32_SYSTEM_INFO_TESTS PREFIX
set -euo pipefail

program=$1
export KSL_KEPT_WINEPREFIX=$2
# shellcheck source=wine_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine_session.sh"

mkdir -p "$WINEPREFIX"
"$wine" "$program"
