"""A private desktop with Debian's screen reader Orca: Xvfb, a D-Bus session, openbox, the
accessibility bus turned on as a desktop does for a screen reader, and Orca writing what it
speaks to its debug file. Keys go in as real X key presses, as a player's do, so that Orca sees
them first. There is no audio here; Orca still logs every utterance.
"""

import os
import re
import select
import shutil
import subprocess
import tempfile
import time

# Orca, its debug file line-buffered and its check for other Orcas off (its own display and bus).
ORCA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "lib",
                    "orca_listening.py")

SPOKEN = re.compile(r"^.* - SPEECH OUTPUT: '(.*?) ?'(?: ?\{[^{}]*\})?$", re.M)


class ScreenReaderDesktop:
    """Starts the desktop and Orca; os.environ then points at them, for the browser to come."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="kelvaro-orca-")
        self.processes = []
        self.debug_file = os.path.join(self.folder, "orca-debug.out")
        try:
            self._start()
        except Exception:
            self.close()
            raise

    def _spawn(self, *command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, **options)
        self.processes.append(process)
        return process

    def _first_line(self, process, what, timeout=20):
        ready, _, _ = select.select([process.stdout], [], [], timeout)
        if not ready:
            raise AssertionError(what + " did not start")
        return process.stdout.readline().decode().strip()

    def _start(self):
        xvfb = self._spawn("Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                           "-nolisten", "tcp", stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = ":" + self._first_line(xvfb, "Xvfb")
        bus = self._spawn("dbus-daemon", "--session", "--nofork", "--print-address=1",
                          stdout=subprocess.PIPE)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self._first_line(bus, "the D-Bus session")
        os.environ["XDG_RUNTIME_DIR"] = self.folder
        os.environ["HOME"] = self.folder
        os.environ.pop("NO_AT_BRIDGE", None)
        os.environ["GTK_A11Y"] = "atspi"
        quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
        self._spawn("openbox", "--sm-disable", **quiet)
        self._spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately", **quiet)
        for flag in ("IsEnabled", "ScreenReaderEnabled"):
            self._until(lambda flag=flag: subprocess.run(
                ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                 "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                 "org.a11y.Status", flag, "<true>"], **quiet).returncode == 0,
                "the accessibility bus")
        prefs = os.path.join(self.folder, "orca-prefs")
        os.mkdir(prefs)
        errors = os.path.join(self.folder, "orca-errors.txt")
        with open(errors, "w") as error_file:
            orca = self._spawn("/usr/bin/python3", ORCA, "-u", prefs,
                               "-d", "braille", "--debug-file", self.debug_file,
                               stdout=error_file, stderr=subprocess.STDOUT)
        self._until(lambda: "Startup complete notification made" in self._log()
                    or orca.poll() is not None, "Orca", timeout=60)
        if orca.poll() is not None:
            with open(errors, encoding="utf-8", errors="replace") as error_file:
                raise AssertionError("Orca did not start:\n" + error_file.read()[-2000:])

    def _log(self):
        try:
            with open(self.debug_file, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    @staticmethod
    def _until(condition, what, timeout=20):
        end = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > end:
                raise AssertionError("waited in vain for " + what)
            time.sleep(0.1)

    def spoken(self):
        """Everything Orca has said so far, one utterance a line."""
        return [match.group(1) for match in SPOKEN.finditer(self._log())]

    def wait_to_hear(self, line, after=0, timeout=40):
        """Waits until Orca says the line, after its first utterances."""
        try:
            self._until(lambda: line in self.spoken()[after:], "Orca", timeout)
        except AssertionError:
            raise AssertionError("Orca never said %r; it said:\n  %s" %
                                 (line, "\n  ".join(self.spoken()[after:]))) from None

    def wait_for_quiet(self, seconds):
        """Waits until Orca has said nothing new for that long; gives its count of utterances."""
        count = -1
        while count != len(self.spoken()):
            count = len(self.spoken())
            time.sleep(seconds)
        return count

    @staticmethod
    def keys(*names):
        subprocess.run(["xdotool", "key", "--delay", "150"] + list(names), check=True)

    @staticmethod
    def type(text):
        subprocess.run(["xdotool", "type", "--delay", "150", text], check=True)

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)
