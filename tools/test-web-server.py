#!/usr/bin/python3
"""The list tests' web server: DIR/www as files, plus the faults a network has.

  test-web-server.py DIR PORT [TLSPORT CERT KEY]...

Every request is logged to stdout with its headers. Routes beside the files:
  /silent        accepts and never answers
  /trickle       a 200 with a long body, a byte every half second
  /slow/NAME     the file NAME after a second and a half
  /etag/NAME     the file NAME with ETag and Last-Modified; If-None-Match or
                 If-Modified-Since that still match get 304
  /to?URL        302 to URL (a redirect from https to http, say)
  /huge          65 MB of list lines, made on the fly, no Content-Length
"""
import email.utils
import hashlib
import http.server
import os
import ssl
import sys
import threading
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        print("%s %s\n%s" % (self.command, self.path, self.headers), flush=True)
        route = self.path.split("/")[1].split("?")[0]
        handler = getattr(self, "route_" + route, None)
        if handler:
            handler()
        else:
            super().do_GET()

    def route_silent(self):
        time.sleep(600)

    def route_trickle(self):
        self.start(200, None, [("Content-Length", "1000")])
        for _ in range(1000):
            self.wfile.write(b"x")
            self.wfile.flush()
            time.sleep(0.5)

    def route_slow(self):
        time.sleep(1.5)
        self.path = self.path[len("/slow"):]
        super().do_GET()

    def route_etag(self):
        path = os.path.join(self.directory, self.path[len("/etag/"):])
        with open(path, "rb") as f:
            body = f.read()
        tag = '"%s"' % hashlib.sha1(body).hexdigest()[:16]
        stamp = email.utils.formatdate(int(os.path.getmtime(path)), usegmt=True)
        extra = [("ETag", tag), ("Last-Modified", stamp)]
        since = self.headers.get("If-Modified-Since")
        if self.headers.get("If-None-Match") == tag or (since and since == stamp and not self.headers.get("If-None-Match")):
            self.start(304, None, extra)
            return
        self.start(200, body, extra)

    def route_to(self):
        self.start(302, b"", [("Location", self.path.split("?", 1)[1])])

    def route_huge(self):
        self.send_response(200)
        self.send_header("Connection", "close")
        self.end_headers()
        line = b"1/1/2004|Day of a very long list|1\r\n" * 1024
        try:
            for _ in range(65 * 1024 * 1024 // len(line) + 2):
                self.wfile.write(line)
        except OSError:
            pass
        self.close_connection = True

    def start(self, status, body, headers):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        if body is not None:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if body:
            self.wfile.write(body)


def serve(port, context=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), lambda *a: Handler(*a, directory=www))
    server.daemon_threads = True
    if context:
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()


www = os.path.join(sys.argv[1], "www")
serve(int(sys.argv[2]))
rest = sys.argv[3:]
while rest:
    port, cert, key, rest = rest[0], rest[1], rest[2], rest[3:]
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    serve(int(port), context)
while True:
    time.sleep(3600)
