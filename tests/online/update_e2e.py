"""The self-update end to end: an old probe build in a folder whose path has
blanks and Chinese characters updates itself from a loopback server, under
the shipped name and under a renamed one, with the console in code page 936
and in 437; broken downloads leave the old executable alone."""
import hashlib
import importlib.machinery
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(os.path.dirname(here))
loader = importlib.machinery.SourceFileLoader("dev_server", os.path.join(root, "scripts", "dev-server"))
loader_info = importlib.util.spec_from_loader("dev_server", loader)
dev = importlib.util.module_from_spec(loader_info)
loader.exec_module(dev)

old_exe, new_exe = sys.argv[1], sys.argv[2]
old_bytes = open(old_exe, "rb").read()
new_bytes = open(new_exe, "rb").read()
TEMP_NAME = "阵匣.exe.tmp"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def wait_for(predicate, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(0.2)
    return predicate()


def log_of(folder):
    try:
        with open(os.path.join(folder, "probe.log"), encoding="utf-8", errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def run(name, lang, served=None, address=None, sha256=None, leaf="新 目录 阵匣"):
    """Runs one update; returns (folder, exit code, log)."""
    base = tempfile.mkdtemp(prefix="vex e2e ")
    folder = os.path.join(base, leaf)
    os.makedirs(folder)
    exe = os.path.join(folder, name)
    shutil.copyfile(old_exe, exe)
    server = dev.DevServer().start()
    server.serve("/new.exe", served if served is not None else dev.Served(new_bytes))
    if address is None:
        address = server.url("/new.exe")
    server.serve(dev.VERSION_PATH, dev.Served(dev.version_page("2.0", address, sha256), ranges=False))
    env = dict(os.environ)
    env.pop("LANG", None)
    env.pop("LC_ALL", None)
    if lang:
        env["LANG"] = lang
        env["LOCPATH"] = os.environ.get("VEX_LOCPATH", "")
    try:
        # Windows paths: the probe and the script see the folder through Wine's Z: drive.
        proc = subprocess.run(["wine", exe, "--update", "127.0.0.1:%d" % server.port], env=env, cwd=folder,
                              timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        code = proc.returncode
    except subprocess.TimeoutExpired:
        code = None
    # The restarted program runs on its own after the script; give it time.
    if code != 3 and "updating" in log_of(folder):
        leftovers = lambda: any(os.path.exists(os.path.join(folder, n)) for n in ("update.bat", TEMP_NAME))
        started = lambda: "started 2.0" in log_of(folder)
        # A script that stopped early leaves nothing behind and starts nothing.
        if not wait_for(started, 8) and leftovers():
            wait_for(started, 40)
        wait_for(lambda: not leftovers(), 20)
    server.stop()
    return base, folder, code, log_of(folder)


def names(folder):
    return sorted(n for n in os.listdir(folder) if n != "probe.log")


def swap_case(name, lang, oemcp, **kw):
    label = "%s, OEM %s%s" % (name, oemcp, ", sha256" if kw.get("sha256") else "")
    base, folder, code, log = run(name, lang, **kw)
    check("updating 1.0 %s oemcp %s" % (name, oemcp) in log, label + ": old build ran (exit %s: " % code + log.replace("\n", " | ") + ")")
    check("message 升级成功！    " in log, label + ": success message")
    check("started 2.0 %s" % name in log, label + ": new build started under the old name")
    exe = os.path.join(folder, name)
    check(os.path.exists(exe) and open(exe, "rb").read() == new_bytes, label + ": new build stands under the old name")
    check(names(folder) == [name], label + ": nothing else left " + str(names(folder)))
    shutil.rmtree(base, ignore_errors=True)


def either_case(name, lang, oemcp, **kw):
    """Where cmd may read the script in another code page than the one it
    was written in: the update either happens whole or not at all."""
    label = "%s, OEM %s" % (name, oemcp)
    base, folder, code, log = run(name, lang, **kw)
    check("updating 1.0 %s oemcp %s" % (name, oemcp) in log, label + ": old build ran (exit %s: " % code + log.replace("\n", " | ") + ")")
    exe = os.path.join(folder, name)
    now = open(exe, "rb").read() if os.path.exists(exe) else None
    swapped = now == new_bytes and "started 2.0 %s" % name in log
    kept = now == old_bytes
    print("     %s: %s" % (label, "swapped" if swapped else "kept the old build" if kept else "neither"))
    check(swapped or kept, label + ": an executable stands under the old name")
    check(names(folder) == [name], label + ": nothing else left " + str(names(folder)))
    shutil.rmtree(base, ignore_errors=True)


def failure_case(label, name="阵匣.exe", lang="zh_CN.UTF-8", **kw):
    base, folder, code, log = run(name, lang, **kw)
    check(code == 3, label + ": program kept running and ended by itself (exit %s)" % code)
    check("升级成功" not in log and "message 升级失败" in log, label + ": failure told, no success (" + log.replace("\n", " | ") + ")")
    exe = os.path.join(folder, name)
    check(open(exe, "rb").read() == old_bytes, label + ": old executable untouched")
    check(names(folder) == [name], label + ": no temporary file or script " + str(names(folder)))
    shutil.rmtree(base, ignore_errors=True)


digest = hashlib.sha256(new_bytes).hexdigest()
swap_case("阵匣.exe", "zh_CN.UTF-8", 936)
swap_case("my box.exe", "zh_CN.UTF-8", 936, sha256=digest.upper())
# C.UTF-8: a Western console code page with file names Wine can still map.
# Wine's cmd reads a batch file in the OEM code page whatever chcp says, so
# there the script must stop before it deletes anything.
either_case("阵匣.exe", "C.UTF-8", 437)
either_case("my box.exe", "C.UTF-8", 437)
either_case("my box.exe", "C.UTF-8", 437, leaf="plain folder")

failure_case("404", served=dev.Served(new_bytes, status=404))
# Every response stops after 100 kB, whichever range it carries.
failure_case("cut mid-body", served=dev.Served(new_bytes, cut_after=100000))
failure_case("cut mid-body, one connection", served=dev.Served(new_bytes, ranges=False, cut_after=len(new_bytes) // 2))
failure_case("wrong length", served=dev.Served(new_bytes, ranges=False, announce=len(new_bytes) + 1000))
failure_case("wrong sha256", sha256="0" * 64)
failure_case("empty address", address="")
# With LANG unset Wine cannot name "阵匣.exe.tmp" at all.
failure_case("no Chinese file names", name="my box.exe", lang=None, leaf="plain folder")

print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
