#!/usr/bin/env bash
# Stops the local update service started by service_start.sh and removes its private keys.
dir=$1
if [ -f "$dir/pid" ]; then
    pid=$(cat "$dir/pid")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$dir/pid"
fi
rm -f "$dir"/*.key "$dir/port" "$dir/untrusted_port"
exit 0
