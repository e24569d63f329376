#!/usr/bin/env python3
"""A WebDAV server that fails on purpose, for the sync client's tests.

Listens on 127.0.0.1 on a free port that it prints as its first line.

    fault_server.py MODE

MODE decides every answer:
  500       500 Internal Server Error
  cut       announces a long multistatus body and closes half-way
  badxml    a 207 whose body is not well-formed XML
  huge      a 207 body of 3 MB (over a small cap)
"""
import sys
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODE = sys.argv[1] if len(sys.argv) > 1 else "500"
MULTISTATUS = (b'<?xml version="1.0"?><d:multistatus xmlns:d="DAV:"><d:response><d:href>/kim/cal/a.ics</d:href>'
               b'<d:propstat><d:prop><d:getetag>"1"</d:getetag></d:prop><d:status>HTTP/1.1 200 OK</d:status>'
               b'</d:propstat></d:response><d:sync-token>t</d:sync-token></d:multistatus>')


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length:
            self.rfile.read(length)
        status, body, announced = 207, MULTISTATUS, None
        if MODE == "500":
            status, body = 500, b"Internal Server Error"
        elif MODE == "cut":
            body, announced = MULTISTATUS[: len(MULTISTATUS) // 2], len(MULTISTATUS) * 4
        elif MODE == "badxml":
            body = MULTISTATUS.replace(b"</d:multistatus>", b"<d:response></d:multistatus>")
        elif MODE == "huge":
            body = MULTISTATUS + b" " * (3 << 20)
        self.send_response(status)
        self.send_header("Content-Type", "application/xml; charset=utf-8")
        self.send_header("Content-Length", str(announced or len(body)))
        self.end_headers()
        self.wfile.write(body)
        if announced:
            self.close_connection = True

    do_PROPFIND = do_REPORT = do_PUT = do_DELETE = do_GET = answer


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
