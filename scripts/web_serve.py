#!/usr/bin/env python3
"""Serves the web page's site folder on 127.0.0.1 and prints its address:
   web_serve.py SITE_DIR PORT
A plain static server, as any host would be: the program's .wasm goes out
as application/wasm (browsers compile it while it arrives only then), and
nothing is cached, so a rebuilt page is what the browser shows."""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".json": "application/json",
        ".htm": "text/html",
        ".cur": "image/x-icon",
        ".hsf": "application/octet-stream",
        ".pack": "application/octet-stream",
        ".bin": "application/octet-stream",
    }

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        pass


def main():
    site, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(Handler, directory=site)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        print(f"Tarvik Solitaire: http://127.0.0.1:{server.server_address[1]}/", flush=True)
        server.serve_forever()


if __name__ == "__main__":
    main()
