"""What both checkers share on the wire: connections cut into messages at 0xFF, and a host process."""

import os
import socket
import subprocess
import tempfile
import time

TERM = b"\xff"
VERSION = "1.0.4"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def msg(text):
    return text.encode("latin-1") + TERM


class Connection:
    """One TCP connection whose bytes are cut into Latin-1 messages at the terminator."""

    def __init__(self, sock, label):
        self.sock = sock
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.label = label
        self.buf = b""
        self.closed = False

    def receive(self):
        """Reads what arrived and returns the messages it completed; a closed peer marks closed."""
        try:
            data = self.sock.recv(65536)
        except ConnectionError:
            data = b""
        if not data:
            self.closed = True
            return []
        self.received(data)
        self.buf += data
        texts = []
        while TERM in self.buf:
            cut = self.buf.index(TERM)
            texts.append(self.buf[:cut].decode("latin-1"))
            self.buf = self.buf[cut + 1:]
        return texts

    def received(self, data):
        """Called with every piece of bytes before it is cut."""

    def send(self, data):
        """Bytes go out as they are, text as one message."""
        self.sock.sendall(data if isinstance(data, bytes) else msg(data))

    def wait_closed(self, timeout=2.0):
        end = time.monotonic() + timeout
        while not self.closed and time.monotonic() < end:
            self.pump(end - time.monotonic())
        return self.closed


class HostProcess:
    """The stand-alone host on a free port, with a home folder and a log of its own."""

    def __init__(self, binary, second_ms, prefix, extra_env=None):
        self.port = free_port()
        self.home = tempfile.mkdtemp(prefix=prefix)
        env = dict(os.environ, LEXIBURST_SECOND_MS=str(second_ms), LEXIBURST_HOME=self.home)
        env.update(extra_env or {})
        self.log = open(os.path.join(self.home, "host.log"), "w+")
        self.proc = subprocess.Popen([binary, "--port", str(self.port)], env=env,
                                     stdout=self.log, stderr=subprocess.STDOUT)

    def wait_listening(self, timeout=10):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=0.2).close()
                return
            except OSError:
                time.sleep(0.05)

    def alive(self):
        return self.proc.poll() is None

    def stop(self):
        """Ends the host and returns what it wrote."""
        self.proc.terminate()
        try:
            self.proc.wait(10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
        self.log.seek(0)
        text = self.log.read()
        self.log.close()
        return text
