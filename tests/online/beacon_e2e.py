"""The usage beacon end to end: a loopback counter on the configured port
must receive exactly one well-formed GET per start; with nothing listening
the program must start and keep running."""
import os
import re
import socket
import subprocess
import sys
import threading
import time

AGENT = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"


def cache_value(cache, name):
    for line in open(cache, encoding="utf-8"):
        if line.startswith(name + ":"):
            return line.split("=", 1)[1].strip()
    raise SystemExit(f"FAIL: {name} missing from {cache}")


def socket_prefixes(port):
    """WINEPREFIX of the processes holding the loopback client socket whose
    local port is `port`: other builds' programs may beacon to the same
    port meanwhile, and only ours count."""
    inodes = set()
    for table in ("/proc/net/tcp", "/proc/net/tcp6"):
        try:
            rows = open(table).read().splitlines()[1:]
        except OSError:
            continue
        for row in rows:
            fields = row.split()
            if int(fields[1].rsplit(":", 1)[1], 16) == port:
                inodes.add(f"socket:[{fields[9]}]")
    prefixes = set()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            fds = os.listdir(f"/proc/{pid}/fd")
            if not any(os.readlink(f"/proc/{pid}/fd/{fd}") in inodes for fd in fds):
                continue
            env = open(f"/proc/{pid}/environ", "rb").read().split(b"\0")
        except OSError:
            continue
        for var in env:
            if var.startswith(b"WINEPREFIX="):
                prefixes.add(os.path.realpath(var[11:].decode()))
    return prefixes


class Counter:
    """Records the head of each request from our Wine prefix as it arrived;
    answers every request with 200."""

    def __init__(self, port):
        self.prefix = os.path.realpath(os.environ["WINEPREFIX"])
        self.foreign = []
        self.sock = socket.socket()
        self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        deadline = time.time() + 20
        while True:
            try:
                self.sock.bind(("127.0.0.1", port))
                break
            except OSError:
                if time.time() > deadline:
                    raise SystemExit(f"FAIL: port {port} stays busy")
                time.sleep(0.5)
        self.sock.listen(8)
        self.sock.settimeout(0.2)
        self.heads = []
        self.running = True
        self.thread = threading.Thread(target=self.serve, daemon=True)
        self.thread.start()

    def serve(self):
        while self.running:
            try:
                conn, peer = self.sock.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            with conn:
                conn.settimeout(5)
                data = b""
                try:
                    while b"\r\n\r\n" not in data:
                        chunk = conn.recv(4096)
                        if not chunk:
                            break
                        data += chunk
                except socket.timeout:
                    pass
                head = data.split(b"\r\n\r\n", 1)[0].decode("latin-1")
                owners = socket_prefixes(peer[1])
                if owners and self.prefix not in owners:
                    self.foreign.append(head.split("\r\n", 1)[0])
                else:
                    self.heads.append(head)
                conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok")

    def close(self):
        self.running = False
        self.thread.join()
        self.sock.close()


def window_names():
    """Names of the display's visible windows, or None without xdotool."""
    try:
        ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                             capture_output=True, text=True, timeout=10).stdout.split()
    except (OSError, subprocess.TimeoutExpired):
        return None
    names = []
    for wid in ids:
        r = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True, text=True, timeout=10)
        names.append(r.stdout.strip())
    return names


def start(exe):
    return subprocess.Popen(["wine", exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def stop(proc):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], stderr=subprocess.DEVNULL)


def main():
    exe, cache = sys.argv[1], sys.argv[2]
    counter_host = cache_value(cache, "VEXBOX_COUNTER_HOST")
    site_id = cache_value(cache, "VEXBOX_SITE_ID")
    maker = cache_value(cache, "VEXBOX_MAKER_SITE")
    host, _, port = counter_host.partition(":")
    if host not in ("127.0.0.1", "localhost"):
        print(f"SKIP: counter host {counter_host} is not on loopback")
        return 77
    port = int(port or 80)
    failures = []

    counter = Counter(port)
    proc = start(exe)
    deadline = time.time() + 40
    while not counter.heads and time.time() < deadline and proc.poll() is None:
        time.sleep(0.1)
    time.sleep(3)  # a second request would arrive by now
    alive = proc.poll() is None
    stop(proc)
    counter.close()
    heads = list(counter.heads)
    for line in counter.foreign:
        print("ignored, from another Wine prefix: " + line)
    if not alive:
        failures.append("the program ended while the counter was up")
    if len(heads) != 1:
        failures.append(f"expected exactly one request, got {len(heads)}: "
                        + "; ".join(h.split("\r\n", 1)[0] for h in heads))
    if heads:
        head = heads[0]
        print("--- beacon as received\n" + head + "\n---")
        lines = head.split("\r\n")
        query = ("/stat.htm?id=" + site_id + "&r=&iw=1&showp=0x0&lg=undefined&vemo_eid=none&p="
                 + maker + "&rnd=")
        m = re.fullmatch(r"GET (\S+) HTTP/1\.1", lines[0])
        if not m or not m.group(1).startswith(query) or not re.fullmatch(r"\d{13}", m.group(1)[len(query):]):
            failures.append(f"request line {lines[0]!r} is not GET {query}<13 digits> HTTP/1.1")
        headers = lines[1:]
        if "User-Agent: " + AGENT not in headers:
            failures.append("agent line missing")
        if f"Host: {counter_host}" not in headers and f"Host: {host}" not in headers:
            failures.append("Host line missing")
        # The library writes each header back as "Name: value", so the
        # Referer sent as "Referer:" + site may arrive with a space.
        wanted = [("Referer:" + maker, "Referer: " + maker), ("Accept: */*",), ("Accept-Language: zh-cn",)]
        at = 0
        for forms in wanted:
            found = [i for i, line in enumerate(headers) if line in forms and i >= at]
            if not found:
                failures.append(f"header {forms[0]!r} missing or out of order")
            else:
                at = found[0] + 1
        if any(line.lower().startswith(("cookie:", "content-type:")) for line in headers):
            failures.append("unexpected cookie or content-type line")

    # Nothing listening: the program must start, keep running and show no
    # error box.
    proc = start(exe)
    time.sleep(8)
    alive = proc.poll() is None
    names = window_names()
    stop(proc)
    if names is not None:
        print("windows without a counter: " + ", ".join(repr(n) for n in names))
        boxes = [n for n in names if any(w in n for w in ("rror", "错误", "信息："))]
        if boxes:
            failures.append(f"an error box appeared: {boxes}")
    if not alive:
        failures.append(f"with nothing listening the program ended (exit {proc.returncode})")

    for f in failures:
        print("FAIL: " + f)
    if not failures:
        print("PASS: one beacon with the expected address and headers; runs on without a counter")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
