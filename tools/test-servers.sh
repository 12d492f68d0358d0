#!/usr/bin/env bash
# Web and FTP servers on 127.0.0.1 for the list tests.
#   test-servers.sh start DIR   serves DIR/www over HTTP and FTP (anonymous,
#                               read-only) on free ports, written to DIR/ports
#                               as "http N", "ftp N" and "dead N" (a port
#                               nobody listens on); requests go to DIR/*.log;
#                               https for localhost as "https N" (signed by
#                               the CA DIR/tls/ca.crt) and "selfsigned N";
#                               the faults' routes: tools/test-web-server.py
#   test-servers.sh stop DIR    stops them
# The servers also stop by themselves after half an hour.
set -eu
action=$1
dir=$2
py=/usr/bin/python3  # Debian's, which has pyftpdlib

stop() {
  for name in http ftp; do
    if [ -f "$dir/$name.pid" ]; then
      kill "$(cat "$dir/$name.pid")" 2>/dev/null || true
      rm -f "$dir/$name.pid"
    fi
  done
}

# Five free ports, all held until chosen, so that no two are the same.
free_ports() {
  "$py" -c 'import socket; s = [socket.socket() for _ in range(5)]
for x in s: x.bind(("127.0.0.1", 0))
print(*(x.getsockname()[1] for x in s))'
}

wait_for() {
  "$py" - "$1" <<'PY'
import socket, sys, time
port = int(sys.argv[1])
for _ in range(200):
    try:
        socket.create_connection(("127.0.0.1", port), 0.5).close()
        sys.exit(0)
    except OSError:
        time.sleep(0.1)
sys.exit(1)
PY
}

# A throwaway CA with a certificate for localhost, and one that signs itself.
make_certificates() {
  local tls=$1 ssl="openssl req -batch -nodes -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -days 3650 -x509"
  local host="-subj /CN=localhost -addext subjectAltName=DNS:localhost"
  [ -f "$tls/self.crt" ] && return
  mkdir -p "$tls"
  $ssl -subj /CN=Tempovista-test-CA -keyout "$tls/ca.key" -out "$tls/ca.crt" \
    -addext basicConstraints=critical,CA:true -addext keyUsage=critical,keyCertSign 2>/dev/null
  $ssl $host -CA "$tls/ca.crt" -CAkey "$tls/ca.key" -addext basicConstraints=CA:false \
    -addext extendedKeyUsage=serverAuth -keyout "$tls/server.key" -out "$tls/server.crt" 2>/dev/null
  $ssl $host -keyout "$tls/self.key" -out "$tls/self.crt" 2>/dev/null
}

case $action in
  start)
    stop
    mkdir -p "$dir/www"
    rm -f "$dir/ports" "$dir/http.log" "$dir/ftp.log"
    unset http_proxy https_proxy ftp_proxy HTTP_PROXY HTTPS_PROXY FTP_PROXY
    read -r http ftp dead https selfsigned <<<"$(free_ports)"
    make_certificates "$dir/tls"
    # Detached from the caller's output, so that ctest does not wait for them.
    setsid timeout 1800 "$py" -u "$(dirname "$0")/test-web-server.py" "$dir" "$http" \
      "$https" "$dir/tls/server.crt" "$dir/tls/server.key" \
      "$selfsigned" "$dir/tls/self.crt" "$dir/tls/self.key" </dev/null >"$dir/http.log" 2>&1 &
    echo $! >"$dir/http.pid"
    setsid timeout 1800 "$py" -u -m pyftpdlib -i 127.0.0.1 -p "$ftp" -d "$dir/www" \
      </dev/null >"$dir/ftp.log" 2>&1 &
    echo $! >"$dir/ftp.pid"
    wait_for "$http" && wait_for "$ftp" && wait_for "$https" || { stop; echo "servers did not start" >&2; exit 1; }
    printf 'http %s\nftp %s\ndead %s\nhttps %s\nselfsigned %s\n' \
      "$http" "$ftp" "$dead" "$https" "$selfsigned" >"$dir/ports"
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
