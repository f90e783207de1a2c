#!/usr/bin/env python3
"""A local stand-in for the update service, for the tests.

Serves HTTPS on localhost on two ports: one with a certificate from the test CA (trusted by the
test Wine prefix) and one with a self-signed certificate (never trusted). Requests go to
/<session>/.../api.init.php. Each session is scripted by <dir>/sessions/<session>.json, a JSON
list of steps taken in turn (the last one repeats):
  {"status": 200, "body": "...", "delay": seconds, "drop": false}
"drop" closes the connection without an answer. A path /<session>/hop/<n>/... answers with a
redirect to hop n-1 until n is 0. Every request is appended to <dir>/sessions/<session>.log as
"GET <path>", one "Name: Value" line per header in arrival order, then an empty line.
The server ends by itself after ten idle minutes, should nobody stop it.
"""
import json
import os
import re
import socket
import ssl
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

IDLE_LIMIT = 600
state_lock = threading.Lock()
served = {}  # session -> steps taken
last_activity = time.monotonic()


def session_paths(directory, session):
    base = os.path.join(directory, "sessions", session)
    return base + ".json", base + ".log"


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    directory = "."

    def log_message(self, *args):
        pass

    def do_GET(self):
        global last_activity
        last_activity = time.monotonic()
        match = re.match(r"^/([A-Za-z0-9_.-]+)(/.*)?$", self.path)
        if not match:
            self.answer(404, "no session")
            return
        session = match.group(1)
        script_path, log_path = session_paths(self.directory, session)
        with state_lock:
            with open(log_path, "a", encoding="utf-8", newline="\n") as log:
                log.write("GET " + self.path + "\n")
                for name, value in self.headers.items():
                    log.write(name + ": " + value + "\n")
                log.write("\n")

        hop = re.match(r"^/[^/]+/hop/(\d+)(/.*)$", self.path)
        if hop and int(hop.group(1)) > 0:
            location = "/%s/hop/%d%s" % (session, int(hop.group(1)) - 1, hop.group(2))
            self.send_response(302)
            self.send_header("Location", location)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return

        try:
            with open(script_path, encoding="utf-8") as f:
                steps = json.load(f)
        except (OSError, ValueError):
            steps = [{"status": 200, "body": "{}"}]
        with state_lock:
            index = served.get(session, 0)
            served[session] = index + 1
        step = steps[min(index, len(steps) - 1)] if steps else {}
        if step.get("delay"):
            time.sleep(float(step["delay"]))
        if step.get("drop"):
            self.close_connection = True
            try:
                self.connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            return
        self.answer(int(step.get("status", 200)), step.get("body", ""))

    def answer(self, status, body):
        data = body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", "text/plain; charset=iso-8859-1")  # must not matter
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        try:
            self.wfile.write(data)
        except OSError:
            pass


def serve(directory, cert, key):
    handler = type("BoundHandler", (Handler,), {"directory": directory})
    server = ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def main():
    directory = sys.argv[1]
    os.makedirs(os.path.join(directory, "sessions"), exist_ok=True)
    trusted = serve(directory, os.path.join(directory, "server.pem"), os.path.join(directory, "server.key"))
    untrusted = serve(directory, os.path.join(directory, "untrusted.pem"), os.path.join(directory, "untrusted.key"))
    with open(os.path.join(directory, "untrusted_port"), "w") as f:
        f.write(str(untrusted))
    with open(os.path.join(directory, "port.tmp"), "w") as f:
        f.write(str(trusted))
    os.replace(os.path.join(directory, "port.tmp"), os.path.join(directory, "port"))
    while time.monotonic() - last_activity < IDLE_LIMIT:
        time.sleep(1)


if __name__ == "__main__":
    main()
