"""Serves a folder on 127.0.0.1 until Ctrl+C: serve_page.py FOLDER [PORT]. Port 0 or none takes a
free one. Prints the page's address on a line of its own once it is being served."""

import functools
import http.server
import os
import sys
import urllib.parse


def read_headers(folder):
    """The headers the page's _headers file asks for, as {path: [(name, value)]}; "/*" is every
    path. The same file tells any static host that reads one what to send."""
    rules = {}
    try:
        with open(os.path.join(folder, "_headers"), encoding="utf-8") as file:
            lines = file.read().splitlines()
    except OSError:
        return rules
    path = None
    for line in lines:
        if line and not line[0].isspace():
            path = line.strip()
            rules.setdefault(path, [])
        elif line.strip() and path is not None and ":" in line:
            name, value = line.strip().split(":", 1)
            rules[path].append((name.strip(), value.strip()))
    return rules


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".svg": "image/svg+xml", ".js": "text/javascript"}

    def __init__(self, *args, headers=None, **kwargs):
        self.rules = headers or {}
        super().__init__(*args, **kwargs)

    def send_head(self):
        # The host's own settings are not part of the page.
        if urllib.parse.urlsplit(self.path).path == "/_headers":
            self.send_error(404)
            return None
        return super().send_head()

    def end_headers(self):
        path = urllib.parse.urlsplit(self.path).path
        for name, value in self.rules.get("/*", []) + self.rules.get(path, []):
            self.send_header(name, value)
        super().end_headers()

    def log_message(self, *args):
        pass


class LoopbackServer(http.server.ThreadingHTTPServer):
    # A browser opens the page's files side by side; connections beyond the default backlog
    # of 5 are dropped and tried again by the browser only a second or more later.
    request_queue_size = 64
    daemon_threads = True


def serve(folder, port):
    """The folder served on 127.0.0.1 at the port (0: a free one), until shutdown()."""
    return LoopbackServer(("127.0.0.1", port),
                          functools.partial(Handler, directory=folder, headers=read_headers(folder)))


def main():
    folder = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[2] else 0
    try:
        server = serve(folder, port)
    except OSError as error:
        sys.exit("cannot serve the page on port %d: %s" % (port, error.strerror))
    print("http://127.0.0.1:%d/" % server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
