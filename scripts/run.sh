#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts Kinmatch. Arguments go to the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing
kinmatch_build
if [[ -x $KINMATCH_BUILD/kinmatch ]]; then
    exec "$KINMATCH_BUILD/kinmatch" "$@"
fi
exec "$KINMATCH_BUILD/kinmatch-cli" --help
