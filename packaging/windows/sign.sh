#!/usr/bin/env bash
# Signs Windows program files with osslsigncode when a certificate is given:
#   KINMATCH_SIGN_PFX       the certificate and its key, a PKCS#12 (.pfx) file
#   KINMATCH_SIGN_PASSWORD  its password
#   KINMATCH_SIGN_TIMESTAMP a timestamp server's address (optional)
#   sign.sh FILE-OR-FOLDER...   (in a folder, every .exe and .dll)
# Without KINMATCH_SIGN_PFX it does nothing. A file signed before is signed again.
set -euo pipefail
[[ -n ${KINMATCH_SIGN_PFX:-} ]] || exit 0
command -v osslsigncode >/dev/null || { echo "sign.sh: osslsigncode is not installed" >&2; exit 1; }
files=()
for given in "$@"; do
    if [[ -d $given ]]; then
        while IFS= read -r -d '' file; do files+=("$file"); done \
            < <(find "$given" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)
    else
        files+=("$given")
    fi
done
timestamp=()
[[ -z ${KINMATCH_SIGN_TIMESTAMP:-} ]] || timestamp=(-ts "$KINMATCH_SIGN_TIMESTAMP")
for file in "${files[@]}"; do
    unsigned=$file.unsigned
    if osslsigncode remove-signature -in "$file" -out "$unsigned" >/dev/null 2>&1; then
        mv "$unsigned" "$file"
    fi
    rm -f "$unsigned"
    # The password reaches osslsigncode through a pipe, never on a command line.
    osslsigncode sign -pkcs12 "$KINMATCH_SIGN_PFX" -readpass <(printf '%s' "${KINMATCH_SIGN_PASSWORD:-}") \
        -h sha256 -n Kinmatch "${timestamp[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
done
