"""The maker's web server for the update end-to-end tests, as an HTTP proxy on the loopback
address: a request for any address gets the file of that name in FOLDER (404 when there is
none). Logs each request's address to standard error. Usage: update_server.py PORT_FILE FOLDER"""
import http.server
import os
import sys
import urllib.parse

FOLDER = sys.argv[2]


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        sys.stderr.write("GET %s\n" % self.path)
        sys.stderr.flush()
        name = os.path.basename(urllib.parse.urlsplit(self.path).path)
        path = os.path.join(FOLDER, name)
        if not name or not os.path.isfile(path):
            self.send_response(404)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        with open(path, "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    do_HEAD = do_GET

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with open(sys.argv[1], "w") as port_file:
    port_file.write(str(server.server_address[1]))
server.serve_forever()
