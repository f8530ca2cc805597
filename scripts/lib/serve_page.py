"""Serves a folder on 127.0.0.1 until Ctrl+C: serve_page.py FOLDER [PORT]. Port 0 or none takes a
free one. Prints the page's address on a line of its own once it is being served."""

import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".svg": "image/svg+xml", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


class LoopbackServer(http.server.ThreadingHTTPServer):
    # A browser opens the page's files side by side; connections beyond the default backlog
    # of 5 are dropped and tried again by the browser only a second or more later.
    request_queue_size = 64
    daemon_threads = True


def serve(folder, port):
    """The folder served on 127.0.0.1 at the port (0: a free one), until shutdown()."""
    return LoopbackServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))


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
