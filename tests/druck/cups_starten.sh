#!/usr/bin/env bash
# Starts a private CUPS server with one PDF printer (cups-pdf), for the printing test.
# Usage: cups_starten.sh FOLDER QUEUE
# Prints the server's socket path and the daemon's process id on success; stop it with kill. Exit 77 when CUPS or cups-pdf is missing, or when the
# server cannot be started here (e.g. not root: cups-pdf needs a root server).
set -euo pipefail
ordner=$1
warteschlange=$2
fehlt() { echo "$1" >&2; exit 77; }

command -v cupsd >/dev/null 2>&1 || [ -x /usr/sbin/cupsd ] || fehlt "cupsd fehlt (Debian-Paket cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || fehlt "cups-pdf fehlt (Debian-Paket printer-driver-cups-pdf)"
command -v lpadmin >/dev/null 2>&1 || fehlt "lpadmin fehlt (Debian-Paket cups-client)"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n 1 || true)
[ -n "$ppd" ] || fehlt "PPD von cups-pdf fehlt"
[ "$(id -u)" -eq 0 ] || fehlt "ein eigener CUPS-Server mit cups-pdf braucht root"

mkdir -p "$ordner"/{spool,tmp,cache,state,log,ppd}
chmod 0755 "$ordner" "$ordner"/*
chmod 1777 "$ordner/tmp"
sock="$ordner/cups.sock"
cat > "$ordner/cupsd.conf" <<KONF
Listen $sock
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
    Order deny,allow
  </Limit>
</Policy>
KONF
cat > "$ordner/cups-files.conf" <<KONF
ServerRoot $ordner
RequestRoot $ordner/spool
TempDir $ordner/tmp
CacheDir $ordner/cache
StateDir $ordner/state
ErrorLog $ordner/log/error_log
AccessLog $ordner/log/access_log
PageLog $ordner/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
Sandboxing Relaxed
KONF
setsid /usr/sbin/cupsd -f -c "$ordner/cupsd.conf" -s "$ordner/cups-files.conf" </dev/null >/dev/null 2>&1 &
pid=$!
# Wait until its socket answers.
for _ in $(seq 1 100); do
  [ -S "$sock" ] && lpstat -h "$sock" -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpstat -h "$sock" -r >/dev/null 2>&1 || { kill "$pid" 2>/dev/null || true; fehlt "der CUPS-Server startet hier nicht: $(tail -n 3 "$ordner/log/error_log" 2>/dev/null)"; }
lpadmin -h "$sock" -p "$warteschlange" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null || { kill "$pid"; fehlt "lpadmin konnte den PDF-Drucker nicht anlegen"; }
echo "$sock $pid"
