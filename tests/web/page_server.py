"""A folder with an index.html (a build-web, or the bench's bare page) served on 127.0.0.1 at a
port the system picks, from a thread of the caller's own process, each file as it is on disk.
"""

import functools
import http.server
import os
import threading

from harness import check


class PageServer:
    def __init__(self, folder):
        check(os.path.isfile(os.path.join(folder, "index.html")), f"no index.html in {folder}")

        class Handler(http.server.SimpleHTTPRequestHandler):
            def end_headers(self):
                self.send_header("Cache-Control", "no-cache")  # the files as built
                super().end_headers()

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.origin = f"http://127.0.0.1:{self.httpd.server_address[1]}"
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()

    def stop(self):
        if self.httpd:
            self.httpd.shutdown()
            self.httpd.server_close()
            self.thread.join(10)
            self.httpd = None
