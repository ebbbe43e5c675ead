#!/usr/bin/env python3
"""A small HTTP server for the tests, on 127.0.0.1 only.

  http_server.py ROOT AGENTLOG

Prints its port on the first line, then serves:
  /Data/NAME     the file ROOT/NAME (404 when missing)
  /status/N      status N with a short HTML body
  /cut/N         announces 2*N bytes, sends N, closes
  /hang          sends the headers, then nothing
  /slow          a body of 1 byte every 50 ms, for a minute
Every request's User-Agent is appended to AGENTLOG.
"""
import http.server
import os
import sys
import time

ROOT, AGENTLOG = sys.argv[1], sys.argv[2]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def do_GET(self):
        with open(AGENTLOG, 'a') as f:
            f.write(self.headers.get('User-Agent', '') + '\n')
        parts = self.path.split('/')
        if self.path.startswith('/Data/'):
            try:
                body = open(os.path.join(ROOT, parts[2]), 'rb').read()
            except OSError:
                return self.reply(404, b'<html>Not Found</html>')
            return self.reply(200, body)
        if parts[1] == 'status':
            return self.reply(int(parts[2]), b'<html>error page</html>')
        if parts[1] == 'cut':
            n = int(parts[2])
            self.send_response(200)
            self.send_header('Content-Length', str(2 * n))
            self.end_headers()
            self.wfile.write(b'x' * n)
            self.wfile.flush()
            self.close_connection = True
            return
        if parts[1] == 'hang':
            self.send_response(200)
            self.send_header('Content-Length', '100')
            self.end_headers()
            self.wfile.flush()
            time.sleep(60)
            return
        if parts[1] == 'slow':
            self.send_response(200)
            self.send_header('Content-Length', '1200')
            self.end_headers()
            for _ in range(1200):
                try:
                    self.wfile.write(b's')
                    self.wfile.flush()
                except OSError:
                    return
                time.sleep(0.05)
            return
        self.reply(404, b'')

    def reply(self, status, body):
        self.send_response(status)
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        self.wfile.write(body)


server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
