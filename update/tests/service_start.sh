#!/usr/bin/env bash
# Starts the local update service for a test run: a fresh test CA, a server certificate for
# localhost signed by it, a self-signed one that nobody trusts, then the server in the background.
set -euo pipefail
dir=$1
server=$2
[ -f "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null || true
rm -rf "$dir"
mkdir -p "$dir/sessions"
cd "$dir"

quiet() { "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }; }
quiet openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Sorvane Test CA" \
    -keyout ca.key -out ca.pem -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign"
quiet openssl x509 -in ca.pem -outform DER -out ca.der
quiet openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout server.key -out server.csr
printf 'subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\n' >server.ext
quiet openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile server.ext -out server.pem
quiet openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=localhost" \
    -keyout untrusted.key -out untrusted.pem -addext "subjectAltName=DNS:localhost"
rm -f ca.key server.csr ca.srl server.ext  # the CA signs nothing more

setsid python3 "$server" "$dir" </dev/null >server.out 2>&1 &
echo $! >pid
for _ in $(seq 1 100); do
    [ -f port ] && { echo "update service on https://localhost:$(cat port)"; exit 0; }
    sleep 0.1
done
echo "update service did not start:" >&2
cat server.out >&2
exit 1
