# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser build's site served on a free port of this machine's loopback address: by
Python's own server, every file as it is (as any static web server would), or by nginx with the
project's configuration file, as a host would serve it."""

import functools
import http.server
import os
import shutil
import socket
import subprocess
import tempfile
import threading

from driving import free_port
from polling import wait_until


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


# The site in a folder of a site that serves other apps too, as the configuration file suggests.
_NGINX_CONF = """daemon off;
pid {work}/nginx.pid;
error_log {work}/error.log;
events {{ }}
http {{
    access_log off;
    client_body_temp_path {work}/body;
    proxy_temp_path {work}/proxy;
    fastcgi_temp_path {work}/fastcgi;
    uwsgi_temp_path {work}/uwsgi;
    scgi_temp_path {work}/scgi;
    server {{
        listen 127.0.0.1:{port};
        location /vantrel/ {{
            alias {site}/;
            include {conf};
        }}
    }}
}}
"""


class NginxServer:
    """nginx, started and stopped here, serving the site under /vantrel/ with the project's
    configuration file."""

    def __init__(self, folder, conf):
        self.work = tempfile.mkdtemp(prefix="vantrel-nginx-")
        self.port = free_port()
        config = os.path.join(self.work, "nginx.conf")
        with open(config, "w") as out:
            out.write(_NGINX_CONF.format(work=self.work, port=self.port,
                                         site=os.path.abspath(folder), conf=conf))
        self.process = subprocess.Popen(["nginx", "-c", config, "-e", self.work + "/error.log"])
        wait_until(self._answers, "nginx", timeout=30, ignoring=(OSError,))

    def _answers(self):
        socket.create_connection(("127.0.0.1", self.port), timeout=1).close()
        return True

    def url(self, path="index.html"):
        return "http://127.0.0.1:%d/vantrel/%s" % (self.port, path)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(10)
        shutil.rmtree(self.work, ignore_errors=True)
