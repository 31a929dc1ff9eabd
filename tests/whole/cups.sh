# A private CUPS scheduler for a test: its own configuration, spool and socket under a folder of
# the test's, one raw queue whose backend writes each job to a file there, and CUPS_SERVER and
# PRINTER pointing at it. The machine's own CUPS, its printers and its default are never touched.
# Source it, then: private_cups FOLDER || skip; private_cups_stop at the end.

private_cups() {
    local folder=$1
    command -v cupsd >/dev/null && command -v lpadmin >/dev/null || {
        echo "note: CUPS is not installed"
        return 1
    }
    mkdir -p "$folder"/{spool,cache,state,log,tmp,out,bin/backend}
    # The system's filters and helpers, and one backend of the test's own that keeps each job.
    local part
    for part in /usr/lib/cups/*; do
        [[ $(basename "$part") == backend ]] || ln -s "$part" "$folder/bin/"
    done
    cat >"$folder/bin/backend/keep" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct keep "Unknown" "Keeps each job in a file"'; exit 0; }
out=${DEVICE_URI#keep:}
if [ $# -ge 6 ]; then cat "$6" >"$out.part"; else cat >"$out.part"; fi && mv "$out.part" "$out"
BACKEND
    chmod 700 "$folder/bin/backend/keep"
    # The scheduler runs its jobs as another user, who must reach the output folder.
    chmod 755 "$folder" && chmod 1777 "$folder/out" "$folder/tmp"
    cat >"$folder/cupsd.conf" <<CONF
Listen $folder/socket
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$folder/cups-files.conf" <<CONF
ServerRoot $folder
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/tmp
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
ServerBin $folder/bin
CONF
    cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" >"$folder/log/cupsd.out" 2>&1 &
    private_cups_pid=$!
    export CUPS_SERVER=$folder/socket PRINTER=KinmatchTest
    for _ in $(seq 100); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q "is running" || { echo "note: the private cupsd did not start"; return 1; }
    # A raw queue: the job's own PDF lands in the file as the program sent it.
    lpadmin -p KinmatchTest -E -v "keep:$folder/out/job.pdf" 2>"$folder/log/lpadmin" ||
        { cat "$folder/log/lpadmin"; return 1; }
    lpadmin -d KinmatchTest 2>>"$folder/log/lpadmin"
    private_cups_output=$folder/out/job.pdf
}

private_cups_stop() {
    [[ -n ${private_cups_pid:-} ]] || return 0
    kill "$private_cups_pid" 2>/dev/null
    wait "$private_cups_pid" 2>/dev/null
    private_cups_pid=""
}
