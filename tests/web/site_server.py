# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser build's site served on this machine as any static web server would: every file
as it is, with the WebAssembly MIME type, on a free port of the loopback address."""

import functools
import http.server
import threading


class _Quiet(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".wasm": "application/wasm", ".js": "text/javascript"})

    def log_message(self, *args):
        pass


class SiteServer:
    def __init__(self, folder):
        handler = functools.partial(_Quiet, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def url(self, path="index.html"):
        return "http://127.0.0.1:%d/%s" % (self.server.server_address[1], path)

    def close(self):
        self.server.shutdown()
        self.server.server_close()
