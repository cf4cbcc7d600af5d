"""The advert server for the end-to-end test, as an HTTP proxy on the loopback address:
every request, whatever its address, gets a small page. Logs each request's method and
address to standard error. Usage: advert_proxy.py PORT_FILE"""
import http.server
import sys

PAGE = (b"<html><body style='margin:0;background:#9c6'>"
        b"<a href='http://www.vettora.cn/' style='display:block;height:95px'></a></body></html>")


class Handler(http.server.BaseHTTPRequestHandler):
    def answer(self, body):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(PAGE)))
        self.end_headers()
        if body:
            self.wfile.write(PAGE)
        sys.stderr.write("%s %s\n" % (self.command, self.path))
        sys.stderr.flush()

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
