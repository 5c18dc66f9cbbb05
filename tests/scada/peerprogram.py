"""The program under test for the outside-peer scripts: started from a folder of its own on a free loopback
port with chosen simulated values, stopped with SIGTERM; its log is printed when a check failed."""
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

from peercheck import check, failures, program_command


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


def sim_values(values):
    """RVK_SIM_VALUES of {id: value}: integers as they are, floats with every digit."""
    return ";".join("%d=%s" % (k, "%d" % v if isinstance(v, int) else repr(float(v))) for k, v in values.items())


class Program:
    """with Program(path, {578: 7, ...}, env={"TZ": "UTC"}) as port: ... -- the program serving Modbus on
    `port`; leaving the block stops it and checks that it quits cleanly."""

    def __init__(self, path, values, env=None):
        self.path = path
        self.values = sim_values(values)
        self.env = env or {}
        self.port = free_port()

    def __enter__(self):
        # A folder of its own: the program copies its database into the folder it starts from, and runs side
        # by side in one folder would replace each other's copy. Beside the program, so that a link will do.
        try:
            self.dir = tempfile.mkdtemp(prefix="rvk_e2e_", dir=os.path.dirname(os.path.abspath(self.path)))
        except OSError:
            self.dir = tempfile.mkdtemp(prefix="rvk_e2e_")
        program = os.path.join(self.dir, os.path.basename(self.path))
        try:
            os.link(self.path, program)
        except OSError:
            shutil.copy2(self.path, program)
        env = dict(os.environ, RVK_SIM_VALUES=self.values, RVK_SCADA_PORT=str(self.port),
                   QT_QPA_PLATFORM="offscreen", **self.env)
        self.log = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(program_command(program), env=env, stdout=self.log, stderr=subprocess.STDOUT)
        return self.port

    def __exit__(self, *exc):
        self.proc.send_signal(signal.SIGTERM)
        try:
            code = self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            code = None
        check("program quits cleanly", code == 0, code)
        shutil.rmtree(self.dir, ignore_errors=True)
        if failures or exc[0]:
            self.log.seek(0)
            sys.stdout.write(self.log.read().decode(errors="replace")[-4000:])
        return False
