"""One run of the program under test in a suite, found on the accessibility bus by its pid."""

import signal
import subprocess

import pyatspi

from polling import wait_until


class RunningProgram:
    """A started program: `process` is its Popen, `app` its application on the bus."""

    end_timeout = 5  # seconds it is given to end on SIGTERM before it is killed

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:
                continue
        return None

    def running(self):
        return self.process.poll() is None

    def wait_for_exit(self):
        wait_until(lambda: not self.running(), "the program to end")

    def end(self):
        if self.running():
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(self.end_timeout)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
