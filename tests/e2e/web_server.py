"""The maker's web server for the end-to-end tests, as an HTTP proxy on the loopback
address: a request for any address gets the file of that name in FOLDER (404 when there is
none), an .html file as a web page. Logs each request's method and address to standard
error. Usage: web_server.py PORT_FILE FOLDER"""
import http.server
import os
import sys
import urllib.parse

FOLDER = sys.argv[2]


class Handler(http.server.BaseHTTPRequestHandler):
    def answer(self, body):
        sys.stderr.write("%s %s\n" % (self.command, self.path))
        sys.stderr.flush()
        name = os.path.basename(urllib.parse.urlsplit(self.path).path)
        path = os.path.join(FOLDER, name)
        if not name or not os.path.isfile(path):
            self.send_response(404)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        with open(path, "rb") as f:
            content = f.read()
        self.send_response(200)
        if name.endswith(".html"):
            self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(content)))
        self.end_headers()
        if body:
            self.wfile.write(content)

    def do_HEAD(self):
        self.answer(False)

    def do_GET(self):
        self.answer(True)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with open(sys.argv[1], "w") as port_file:
    port_file.write(str(server.server_address[1]))
server.serve_forever()
