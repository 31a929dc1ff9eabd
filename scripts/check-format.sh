#!/usr/bin/env bash
# Fails when any C++ file of the repository deviates from .clang-format, naming each such file.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kinmatch_install_missing clang-format
cd "$KINMATCH_ROOT"
deviating=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || deviating+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if ((${#deviating[@]})); then
    echo "These files deviate from .clang-format (clang-format -i fixes them):" >&2
    printf '  %s\n' "${deviating[@]}" >&2
    exit 1
fi
echo "All C++ files follow .clang-format."
