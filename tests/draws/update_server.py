#!/usr/bin/python3
"""The maker's draw server as the update tests need it, on 127.0.0.1.

usage: update_server.py ANSWERS.json LOG.jsonl

ANSWERS maps a request date (yyyymmdd) to {"status": 200, "body": "...", "delay": seconds,
"redirect": true}; a date not listed gets "default" (500 unless given). A redirected date is sent to
/zahlen/moved.asp with the same query and answered there. Every request is logged as one JSON line
(path, query, headers); the first answer sets a cookie. The chosen port is printed on stdout.
"""
import json
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

answers_path, log_path = sys.argv[1], sys.argv[2]
with open(answers_path, encoding="utf-8") as f:
    config = json.load(f)
answers = config.get("answers", {})
default = config.get("default", {"status": 500, "body": ""})
log_lock = threading.Lock()


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(url.query)
        with log_lock, open(log_path, "a", encoding="utf-8") as log:
            log.write(json.dumps({"path": url.path, "query": url.query,
                                  "headers": {k.lower(): v for k, v in self.headers.items()}}) + "\n")
        answer = answers.get(query.get("Datum", [""])[0], default)
        if answer.get("redirect") and url.path != "/zahlen/moved.asp":
            self.send_response(302)
            self.send_header("Location", "/zahlen/moved.asp?" + url.query)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        time.sleep(answer.get("delay", 0))
        body = answer.get("body", "").encode("utf-8")
        self.send_response(answer.get("status", 200))
        if "cookie" not in self.headers:
            self.send_header("Set-Cookie", "sitzung=4711; Path=/")
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
