"""The program under test for the outside-peer scripts: started on a free loopback port with chosen
simulated values, stopped with SIGTERM; its log is printed when a check failed."""
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

from peercheck import check, failures


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def wait_until(fn, timeout):
    """Polls fn until it returns a true value; returns (value, seconds) or (None, timeout)."""
    start = time.monotonic()
    while time.monotonic() - start < timeout:
        v = fn()
        if v:
            return v, time.monotonic() - start
        time.sleep(0.02)
    return None, timeout


class Program:
    """with Program(path, {578: 7, ...}) as port: ... -- the program serving Modbus on `port`."""

    def __init__(self, path, values):
        self.path = path
        self.values = ";".join("%d=%s" % (k, repr(v)) for k, v in values.items())
        self.port = free_port()

    def __enter__(self):
        # A folder of its own: the program copies its database into its folder at start, and runs side by
        # side in one folder would replace each other's copy.
        self.dir = tempfile.mkdtemp(prefix="rvk_e2e_", dir=os.path.dirname(os.path.abspath(self.path)))
        program = os.path.join(self.dir, os.path.basename(self.path))
        try:
            os.link(self.path, program)
        except OSError:
            shutil.copy2(self.path, program)
        env = dict(os.environ, RVK_SIM_VALUES=self.values, RVK_SCADA_PORT=str(self.port),
                   QT_QPA_PLATFORM="offscreen")
        self.log = tempfile.TemporaryFile()
        self.proc = subprocess.Popen([program], env=env, stdout=self.log, stderr=subprocess.STDOUT)
        return self.port

    def __exit__(self, *exc):
        self.proc.send_signal(signal.SIGTERM)
        try:
            code = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            code = None
        check("program quits cleanly", code == 0, code)
        shutil.rmtree(self.dir, ignore_errors=True)
        if failures or exc[0]:
            self.log.seek(0)
            sys.stdout.write(self.log.read().decode(errors="replace")[-4000:])
        return False
