"""One copy of the game under a virtual display, operated with xdotool where a window must be used."""

import os
import shutil
import subprocess
import tempfile
import time

from .report import ARGS, check_no_sanitizer_report

MENU_BAR_HEIGHT = 19  # of the main window under the virtual display's default style
# The entry panel's corner on the board; in it the first answer box, and the left
# edges of the vote pictures (28 by 20) and the tops of the answer rows.
ENTRY_PANEL = (7, 46)
ANSWER_BOX = (450, 12)
DECLINE = 261
CHOICE = 301  # accept in All Scoring, favourite in One Winner Only
ROW_TOPS = [48, 72, 95, 119, 142, 166, 189, 213]


class Program:
    """One copy of the game under its own virtual display and folders."""

    def __init__(self, args, port, label, runtime=None):
        self.label = label
        self.port = port
        self.tmp = tempfile.mkdtemp(prefix="clientcheck-")
        if runtime is None:
            runtime = os.path.join(self.tmp, "runtime")
            os.mkdir(runtime, 0o700)
        self.runtime = runtime
        home = os.path.join(self.tmp, "home")
        os.mkdir(home)
        env = dict(os.environ)
        env.update({
            "XDG_RUNTIME_DIR": runtime,
            "LEXIBURST_HOME": home,
            "LEXIBURST_SECOND_MS": str(ARGS.second_ms),
            "LEXIBURST_PORT": str(port),
            "ASAN_OPTIONS": "detect_leaks=0",
        })
        env.pop("QT_QPA_PLATFORM", None)
        self.stderr_path = os.path.join(self.tmp, "stderr.txt")
        self.stderr = open(self.stderr_path, "wb")
        # The display number is written out so that xdotool can reach it.
        self.display_file = os.path.join(self.tmp, "display")
        wrapper = 'echo "$DISPLAY $XAUTHORITY" > %s; exec "$@"' % self.display_file
        self.proc = subprocess.Popen(
            ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "sh", "-c", wrapper, "sh",
             ARGS.program] + args,
            env=env, stdout=subprocess.DEVNULL, stderr=self.stderr, start_new_session=True)
        self.display = None
        self.xauthority = ""

    def wait_display(self, timeout=20):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if os.path.exists(self.display_file):
                text = open(self.display_file).read().split()
                if text:
                    self.display = text[0]
                    self.xauthority = text[1] if len(text) > 1 else ""
                    return True
            time.sleep(0.05)
        return False

    def alive(self):
        return self.proc.poll() is None

    def game_pid(self):
        """Pid of the game itself (the child of xvfb-run's shell)."""
        out = subprocess.run(["pgrep", "-s", str(self.proc.pid), "-f", ARGS.program],
                             capture_output=True, text=True).stdout.split()
        for pid in out:
            try:
                exe = os.readlink("/proc/%s/exe" % pid)
            except OSError:
                continue
            if os.path.basename(exe).startswith("lexiburst"):
                return int(pid)
        return None

    def holds_local_port(self, port):
        """Whether the game holds the TCP socket whose own end is port on this machine."""
        pid = self.game_pid()
        if not pid:
            return False
        with open("/proc/net/tcp") as table:
            next(table)
            inodes = {"socket:[%s]" % fields[9] for fields in map(str.split, table)
                      if int(fields[1].split(":")[1], 16) == port}
        try:
            fds = os.listdir("/proc/%d/fd" % pid)
        except OSError:
            return False
        for fd in fds:
            try:
                if os.readlink("/proc/%d/fd/%s" % (pid, fd)) in inodes:
                    return True
            except OSError:
                continue
        return False

    def xdo(self, *cmd):
        if not self.display:
            self.wait_display()
        env = dict(os.environ, DISPLAY=self.display or "", XAUTHORITY=self.xauthority)
        return subprocess.run(["xdotool"] + list(cmd), env=env, capture_output=True, text=True)

    def window(self, name):
        out = self.xdo("search", "--onlyvisible", "--name", name).stdout.split()
        return out[0] if out else None

    def wait_window(self, name, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            win = self.window(name)
            if win:
                return win
            time.sleep(0.1)
        return None

    def geometry(self, win):
        out = self.xdo("getwindowgeometry", "--shell", win).stdout
        vals = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(vals["X"]), int(vals["Y"]), int(vals["WIDTH"]), int(vals["HEIGHT"])

    def board_origin(self):
        """Screen position of the board's top left corner in the main window."""
        win = self.window("^Lexiburst$")
        if not win:
            return None
        x, y, _, _ = self.geometry(win)
        # The board lies 2 pixels into the client area, below the menu bar; the
        # window grows to its stored size once the settings are read.
        return x + 2, y + MENU_BAR_HEIGHT + 2

    def start_game_in_window(self):
        """The hosting player's start button on the board, then the one of the game start window."""
        origin = self.board_origin()
        if not origin:
            return False
        bx, by = origin
        self.click(bx + 633 + 15, by + 11 + 10)
        win = self.wait_window("^Lexiburst - Game Start$", 10)
        if not win:
            return False
        x, y, w, _ = self.geometry(win)
        self.click(x + w // 2, y + 218 + 15)
        return True

    def choose_solo(self, timeout=60):
        """A copy started without parameters shows the start window: click "Play Solo"."""
        win = self.wait_window("^Lexiburst - Start$", timeout)
        if not win:
            return False
        x, y, _, _ = self.geometry(win)
        # The button's middle: its box at (8, 74), the button at (24, 202), 188 by 42.
        self.click(x + 8 + 24 + 94, y + 74 + 202 + 21)
        return True

    def click_in_entry_panel(self, origin, x, y):
        self.click(origin[0] + ENTRY_PANEL[0] + x, origin[1] + ENTRY_PANEL[1] + y)

    def type_first_answer(self, origin, text):
        self.click_in_entry_panel(origin, ANSWER_BOX[0] + 40, ANSWER_BOX[1] + 11)
        self.xdo("type", "--delay", "20", text)

    def click_votes(self, origin, clicks, pause):
        """Clicks the vote picture (DECLINE or CHOICE) of each (picture, row), rows from 0."""
        for picture, row in clicks:
            self.click_in_entry_panel(origin, picture + 14, ROW_TOPS[row] + 10)
            time.sleep(pause)

    def click(self, x, y):
        self.xdo("mousemove", "--sync", str(x), str(y))
        self.xdo("click", "1")

    def wait_exit(self, timeout):
        try:
            self.proc.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop(self):
        if self.alive():
            try:
                os.killpg(self.proc.pid, 15)
            except ProcessLookupError:
                pass
            if not self.wait_exit(10):
                os.killpg(self.proc.pid, 9)
                self.proc.wait()
        self.stderr.close()
        text = open(self.stderr_path, "rb").read().decode("latin-1")
        check_no_sanitizer_report(text, "%s stderr" % self.label)
        if ARGS.verbose and text.strip():
            print("--- %s stderr ---\n%s" % (self.label, text[-2000:]))
        if not ARGS.keep:
            shutil.rmtree(self.tmp, ignore_errors=True)
