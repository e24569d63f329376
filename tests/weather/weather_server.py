#!/usr/bin/env python3
"""A local weather server for tests and demos.

Answers the request shapes of the three services with recorded replies and
serves condition pictures. Listens on 127.0.0.1 only, on a free port that it
prints as its first line of output.

    weather_server.py [--port N] [--replies DIR]

GET /_mode/NAME switches how forecast requests are answered:
  normal    the recorded replies (default)
  404       404 with an HTML page
  cut       announces a long body and closes the connection half-way
  slow      answers after 5 seconds
  notxml    a reply that is neither XML nor JSON
  hostile   a Google reply whose icons try to leave the weather folder
  nulls     an Open-Meteo reply with missing and null fields
  huge      a body larger than a download accepts
GET /_log lists the request paths served so far, one a line.
"""
import argparse
import os
import struct
import sys
import threading
import zlib
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HERE = os.path.dirname(os.path.abspath(__file__))
state = {"mode": "normal", "log": []}
stopping = threading.Event()


def png(size, rgb):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    row = b"\x00" + bytes(rgb) * size
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(row * size)) + chunk(b"IEND", b""))


HOSTILE_GOOGLE = """<?xml version="1.0"?><xml_api_reply version="1"><weather>
<forecast_information><forecast_date data="2009-11-07"/></forecast_information>
<forecast_conditions><low data="1"/><high data="2"/><icon data="/ig/images/weather/..%2F../evil.png"/></forecast_conditions>
<forecast_conditions><low data="3"/><high data="4"/><icon data="/ig/images/weather/..\\\\..\\\\evil.png"/></forecast_conditions>
<forecast_conditions><low data="5"/><high data="6"/><icon data="/ig/images/weather/../../evil.png"/></forecast_conditions>
<forecast_conditions><low data="7"/><high data="8"/><icon data="@evil.example/x/sunny.png"/></forecast_conditions>
</weather></xml_api_reply>"""

NULLS_OPEN_METEO = """{"daily":{"time":["2009-11-07","2009-11-08",null,"2009-11-10","bad"],
"weather_code":[0,null,3,1e300,2],"temperature_2m_max":[5.5,3,4,1e300,1],
"temperature_2m_min":[-0.5,1]}}"""


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send(self, status, body, kind="text/plain; charset=utf-8", length=None):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)

    def recorded(self, name):
        with open(os.path.join(state["replies"], name), "rb") as f:
            return f.read()

    def forecast(self, name, kind):
        mode = state["mode"]
        if mode == "404":
            return self.send(404, b"<html><body><h1>Not Found</h1></body></html>", "text/html")
        if mode == "cut":
            body = self.recorded(name)
            self.send(200, body[: len(body) // 2], kind, length=len(body) * 4)
            self.close_connection = True
            return
        if mode == "slow" and stopping.wait(5.0):
            return
        if mode == "notxml":
            return self.send(200, b"Service Unavailable, please try later")
        if mode == "huge":
            return self.send(200, b"<" * (2 << 20), kind)
        if mode == "hostile" and name == "google.xml":
            return self.send(200, HOSTILE_GOOGLE.encode(), kind)
        if mode == "nulls" and name == "openmeteo.json":
            return self.send(200, NULLS_OPEN_METEO.encode(), kind)
        self.send(200, self.recorded(name), kind)

    def do_GET(self):
        path = self.path
        state["log"].append(path)
        if path.startswith("/_mode/"):
            state["mode"] = path[len("/_mode/"):]
            return self.send(200, b"ok")
        if path == "/_log":
            return self.send(200, "".join(p + "\n" for p in state["log"][:-1]).encode())
        if path.startswith("/ig/api?"):
            return self.forecast("google.xml", "text/xml")
        if path.startswith("/forecastrss?"):
            return self.forecast("yahoo.xml", "text/xml")
        if path.startswith("/v1/forecast?"):
            return self.forecast("openmeteo.json", "application/json")
        if path.startswith("/v1/search?"):
            if "name=%EC%97%86%EC%9D%8C" in path:  # "없음": a place that does not exist
                return self.send(200, b'{"generationtime_ms":0.1}', "application/json")
            return self.send(200, self.recorded("geocoding.json"), "application/json")
        for folder in ("/calendar/images/weather/", "/ig/images/weather/"):
            if path.startswith(folder) and "/" not in path[len(folder):]:
                return self.send(200, png(40, (250, 180, 30)), "image/png")
        self.send(404, b"<html><body>Not Found</body></html>", "text/html")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--replies", default=os.path.join(HERE, "replies"))
    args = parser.parse_args()
    state["replies"] = args.replies
    server = ThreadingHTTPServer(("127.0.0.1", args.port), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        stopping.set()


if __name__ == "__main__":
    sys.exit(main())
