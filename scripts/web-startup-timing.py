#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the browser build against a bare Qt window built the same way, in headless
Chromium: each page served from this machine compressed (gzip, as a web server sends it) and
opened in a new browser with an empty profile (a cold cache), runs alternating. For each: the
time from opening the page to the first paint of its window, the bytes the browser downloaded,
the WebAssembly memory's size and the resident memory of the page's renderer process once the
window is up. Prints the medians and the ratios.
Usage: web-startup-timing.py PROBE_SITE BASELINE_SITE [RUNS]"""

import functools
import gzip
import http.server
import os
import statistics
import sys
import tempfile
import threading

here = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [os.path.join(here, "..", "tests", "web"), os.path.join(here, "..", "tests", "e2e")]
from chromium import Chromium  # noqa: E402
from polling import wait_until  # noqa: E402


class Compressing(http.server.SimpleHTTPRequestHandler):
    """Sends each file gzipped when the browser accepts it, as a web server set up to do so."""
    compressed = {}

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not os.path.isfile(path):
            return super().send_head()
        if path not in self.compressed:
            with open(path, "rb") as source:
                self.compressed[path] = gzip.compress(source.read(), 6)
        body = self.compressed[path]
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return _Body(body)

    def log_message(self, *args):
        pass


class _Body:
    def __init__(self, data):
        self.data = data

    def read(self, *args):
        data, self.data = self.data, b""
        return data

    def close(self):
        pass


def serve(folder):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(Compressing, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def descendants(pid):
    children = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
            except OSError:
                continue
            children.setdefault(parent, []).append(int(entry))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def renderer_memory(browser_pid):
    """The resident memory of the largest renderer process, in bytes."""
    largest = 0
    for pid in descendants(browser_pid):
        try:
            with open("/proc/%d/cmdline" % pid, "rb") as cmdline:
                if b"--type=renderer" not in cmdline.read():
                    continue
            with open("/proc/%d/status" % pid) as status:
                for line in status:
                    if line.startswith("VmRSS:"):
                        largest = max(largest, int(line.split()[1]) * 1024)
        except OSError:
            continue
    return largest


def one_run(url, artifacts):
    browser = Chromium(artifacts)
    try:
        browser.call("Network.enable")
        browser.call("Network.setCacheDisabled", cacheDisabled=True)
        browser.open(url)
        painted = wait_until(lambda: browser.evaluate("window.startupFirstPaint"),
                             "the first paint", timeout=120)
        wasm = browser.evaluate("window.startupWasmMemory")
        # Every response has finished once the window is painted; the events are read now.
        browser.evaluate("1")
        downloaded = sum(e["params"]["encodedDataLength"] for e in browser.events
                         if e.get("method") == "Network.loadingFinished")
        return painted, downloaded, wasm, renderer_memory(browser.process.pid)
    finally:
        browser.close()


def main():
    probe_site, baseline_site = sys.argv[1:3]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    artifacts = tempfile.mkdtemp(prefix="vantrel-web-bench-")
    servers = {"program": serve(probe_site), "bare window": serve(baseline_site)}
    results = {name: [] for name in servers}
    for name, server in servers.items():  # one run each to warm the machine, not counted
        one_run("http://127.0.0.1:%d/" % server.server_address[1], artifacts)
    for _ in range(runs):
        for name, server in servers.items():
            results[name].append(one_run("http://127.0.0.1:%d/" % server.server_address[1],
                                         artifacts))
    medians = {name: [statistics.median(column) for column in zip(*rows)]
               for name, rows in results.items()}
    labels = ["page opened to first painted window (ms)", "downloaded, compressed (bytes)",
              "WebAssembly memory (bytes)", "renderer process, resident (bytes)"]
    print("%d runs each, cold cache, medians:" % runs)
    for index, label in enumerate(labels):
        program, bare = medians["program"][index], medians["bare window"][index]
        print("  %s: program %.1f, bare window %.1f (%.2fx)" % (label, program, bare,
                                                               program / bare))


if __name__ == "__main__":
    main()
