#!/usr/bin/python3
"""The list tests' web server: DIR/www, plus the faults a network has.
  test-web-server.py DIR PORT [TLSPORT CERT KEY]...
Logs every request with its headers. Routes: /silent never answers;
/trickle sends a byte every half second; /slow/NAME sends NAME after 1.5 s;
/etag/NAME sends NAME with ETag and Last-Modified, 304 while they match;
/to?URL redirects to URL; /huge sends 65 MB without a Content-Length."""
import contextlib, email.utils, hashlib, http.server, os, ssl, sys, threading, time


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        print("%s %s\n%s" % (self.command, self.path, self.headers), flush=True)
        getattr(self, "route_" + self.path.split("/")[1].split("?")[0], super().do_GET)()

    def route_silent(self):
        time.sleep(600)

    def route_trickle(self):
        self.answer(200, None, [("Content-Length", "1000")])
        for _ in range(1000):
            self.wfile.write(b"x")  # unbuffered
            time.sleep(0.5)

    def route_slow(self):
        time.sleep(1.5)
        self.path = self.path[len("/slow"):]
        super().do_GET()

    def route_etag(self):
        path = os.path.join(self.directory, self.path[len("/etag/"):])
        body = open(path, "rb").read()
        tag = '"%s"' % hashlib.sha1(body).hexdigest()[:16]
        stamp = email.utils.formatdate(int(os.path.getmtime(path)), usegmt=True)
        asked = self.headers.get("If-None-Match") or self.headers.get("If-Modified-Since")
        fresh = asked not in (tag, stamp)
        self.answer(200 if fresh else 304, body if fresh else None, [("ETag", tag), ("Last-Modified", stamp)])

    def route_to(self):
        self.answer(302, b"", [("Location", self.path.split("?", 1)[1])])

    def route_huge(self):
        self.answer(200, None, [("Connection", "close")])  # which sets close_connection
        line = b"1/1/2004|Day of a very long list|1\r\n" * 1024
        with contextlib.suppress(OSError):  # the client hangs up at its limit
            for _ in range(65 * 1024 * 1024 // len(line) + 2):
                self.wfile.write(line)

    def answer(self, status, body, headers):
        self.send_response(status)
        for name, value in headers + ([("Content-Length", str(len(body)))] if body is not None else []):
            self.send_header(name, value)
        self.end_headers()
        if body:
            self.wfile.write(body)


def serve(port, tls=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", int(port)), lambda *a: Handler(*a, directory=www))
    server.daemon_threads = True
    if tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(*tls)
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()


www = os.path.join(sys.argv[1], "www")
serve(sys.argv[2])
for i in range(3, len(sys.argv), 3):
    serve(sys.argv[i], sys.argv[i + 1:i + 3])
threading.Event().wait()
