#!/usr/bin/env bash
# Runs one Windows test program under Wine in a throw-away prefix with the German locale.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/wine-env.sh"
wine_env_prepare
wine "$@"
