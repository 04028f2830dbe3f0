"""The self-update end to end: an old probe build in a folder whose path has
blanks and Chinese characters updates itself from a loopback server to a
signed new build, under the shipped name and under a renamed one, with the
console in code page 936 and in 437. A replayed old release, an unsigned or
wrongly signed statement is not offered at all. Hostile names swap without touching
what stands beside, or are declined before anything is ended. Broken, unsigned or wrongly signed
downloads, endless, trickling and oversized answers and a new file locked
before the swap all leave the old executable in place and runnable, with
no temporary file, within the bounds."""
import importlib.machinery
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.dirname(os.path.dirname(here))
loader = importlib.machinery.SourceFileLoader("dev_server", os.path.join(root, "scripts", "dev-server"))
loader_info = importlib.util.spec_from_loader("dev_server", loader)
dev = importlib.util.module_from_spec(loader_info)
loader.exec_module(dev)

old_exe, new_exe, holder_exe = sys.argv[1], sys.argv[2], sys.argv[3]
signing_key = sys.argv[4] if len(sys.argv) > 4 else ""
if not signing_key or not os.path.isfile(signing_key):
    print("skipped: the probes embed a key whose private half this build does not have")
    sys.exit(77)
old_bytes = open(old_exe, "rb").read()
new_bytes = open(new_exe, "rb").read()
TEMP_NAME = "阵匣.exe.tmp"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def probe_checked(label, log):
    """The probe's own checks: the swap ends it with code 0 whatever it found
    before, so it notes each failed one in its log as a FAIL line."""
    failed = [line for line in log.splitlines() if line.startswith("FAIL ")]
    check(not failed, label + ": the probe's own checks passed " + str(failed))


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


class PeakMemory:
    """Samples the resident memory of the processes whose command line
    names `name`; keeps the highest peak (VmHWM) seen."""

    def __init__(self, name):
        self.name = name.encode("utf-8")
        self.peak_kb = 0
        self.stopping = False
        self.thread = threading.Thread(target=self._watch, daemon=True)
        self.thread.start()

    def _watch(self):
        while not self.stopping:
            for pid in filter(str.isdigit, os.listdir("/proc")):
                try:
                    with open("/proc/%s/cmdline" % pid, "rb") as f:
                        if self.name not in f.read():
                            continue
                    with open("/proc/%s/status" % pid) as f:
                        for line in f:
                            if line.startswith("VmHWM:"):
                                self.peak_kb = max(self.peak_kb, int(line.split()[1]))
                except OSError:
                    pass
            time.sleep(0.1)

    def stop(self):
        self.stopping = True
        self.thread.join()
        return self.peak_kb


def run(name, lang, served=None, address=None, leaf="新 目录 阵匣", page=None, hold=False, beside=None):
    """Runs one update; returns (base, folder, exit code, log, seconds, peak kB).
    `beside` maps names to put in the folder first to bytes, or None for a
    folder (with a file inside)."""
    base = tempfile.mkdtemp(prefix="vex e2e ")
    folder = os.path.join(base, leaf)
    os.makedirs(folder)
    put_beside(folder, beside or {})
    exe = os.path.join(folder, name)
    shutil.copyfile(old_exe, exe)
    server = dev.DevServer().start()
    server.serve("/new.exe", served if served is not None else dev.Served(new_bytes))
    if address is None:
        address = server.url("/new.exe")
    if page is None:
        page = dev.Served(dev.signed_page("2.0", address, new_bytes, signing_key), ranges=False)
    server.serve(dev.VERSION_PATH, page)
    env = dict(os.environ)
    env.pop("LANG", None)
    env.pop("LC_ALL", None)
    if lang:
        env["LANG"] = lang
        env["LOCPATH"] = os.environ.get("VEX_LOCPATH", "")
    if hold:
        env["VEX_PROBE_HOLDER"] = holder_exe
    memory = PeakMemory(name)
    began = time.monotonic()
    try:
        # Windows paths: the probe and the script see the folder through Wine's Z: drive.
        proc = subprocess.run(["wine", exe, "--update", "127.0.0.1:%d" % server.port], env=env, cwd=folder,
                              timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        code = proc.returncode
    except subprocess.TimeoutExpired:
        code = None
    seconds = time.monotonic() - began
    peak_kb = memory.stop()
    # The restarted program runs on its own after the script; give it time.
    if code != 3 and "updating" in log_of(folder):
        leftovers = lambda: any(os.path.exists(os.path.join(folder, n)) for n in ("update.bat", TEMP_NAME))
        started = lambda: "started 2.0" in log_of(folder)
        # A script that stopped early leaves nothing behind and starts nothing.
        if not wait_for(started, 8) and leftovers():
            wait_for(started, 40)
        wait_for(lambda: not leftovers(), 20)
    server.stop()
    return base, folder, code, log_of(folder), seconds, peak_kb


def put_beside(folder, beside):
    for entry, content in beside.items():
        if content is None:
            os.makedirs(os.path.join(folder, entry, "sub"))
            content, entry = b"kept", os.path.join(entry, "sub", "keep.txt")
        with open(os.path.join(folder, entry), "wb") as f:
            f.write(content)


def kept_beside(folder, beside):
    """True when every entry put beside is there as it was."""
    for entry, content in beside.items():
        if content is None:
            content, entry = b"kept", os.path.join(entry, "sub", "keep.txt")
        path = os.path.join(folder, entry)
        if not os.path.isfile(path) or open(path, "rb").read() != content:
            return False
    return True


def names(folder):
    return sorted(n for n in os.listdir(folder) if n != "probe.log")


def report(label, folder, log):
    """What the player saw, what the folder holds, whether a program came back."""
    seen = [line[len("message "):].strip() for line in log.splitlines() if line.startswith("message ")]
    back = [line for line in log.splitlines() if line.startswith("started ")]
    ended = "never ended" if "kept running" in log else "came back: " + (back[0] if back else "no")
    print("     %s: saw %s; left %s; %s" % (label, seen or "nothing", names(folder), ended), flush=True)


def swap_case(name, lang, oemcp, beside=None, **kw):
    label = "%s, OEM %s" % (name, oemcp)
    base, folder, code, log, _, _ = run(name, lang, beside=beside, **kw)
    if beside:
        report(label, folder, log)
    check("updating 1.0 %s oemcp %s" % (name, oemcp) in log, label + ": old build ran (exit %s: " % code + log.replace("\n", " | ") + ")")
    check("message 升级成功！    " in log, label + ": success message")
    probe_checked(label, log)
    check("started 2.0 %s" % name in log, label + ": new build started under the old name")
    exe = os.path.join(folder, name)
    check(os.path.exists(exe) and open(exe, "rb").read() == new_bytes, label + ": new build stands under the old name")
    check(names(folder) == sorted([name] + list(beside or {})), label + ": nothing else left " + str(names(folder)))
    check(kept_beside(folder, beside or {}), label + ": what stood beside is untouched")
    shutil.rmtree(base, ignore_errors=True)


def declined_case(name, lang, oemcp, beside=None):
    """A name the script cannot carry: the program says so and ends nothing."""
    label = "%s, OEM %s" % (name, oemcp)
    base, folder, code, log, seconds, _ = run(name, lang, beside=beside)
    report(label + " (%.1f s)" % seconds, folder, log)
    check(code == 3, label + ": program kept running (exit %s: %s)" % (code, log.replace("\n", " | ")))
    check("message 无法升级" in log and "升级成功" not in log, label + ": asked to rename, no success")
    probe_checked(label, log)
    check(open(os.path.join(folder, name), "rb").read() == old_bytes, label + ": old executable untouched")
    check(names(folder) == sorted([name] + list(beside or {})), label + ": nothing added " + str(names(folder)))
    check(kept_beside(folder, beside or {}), label + ": what stood beside is untouched")
    shutil.rmtree(base, ignore_errors=True)


def failure_case(label, name="阵匣.exe", lang="zh_CN.UTF-8", **kw):
    base, folder, code, log, _, _ = run(name, lang, **kw)
    check(code == 3, label + ": program kept running and ended by itself (exit %s)" % code)
    check("升级成功" not in log and "message 升级失败" in log, label + ": failure told, no success (" + log.replace("\n", " | ") + ")")
    probe_checked(label, log)
    exe = os.path.join(folder, name)
    check(open(exe, "rb").read() == old_bytes, label + ": old executable untouched")
    check(names(folder) == [name], label + ": no temporary file or script " + str(names(folder)))
    shutil.rmtree(base, ignore_errors=True)


def page_failure_case(label, page, bound_seconds):
    """The version page itself misbehaves: the probe hears of no new version
    within the bound and touches nothing."""
    base, folder, code, log, seconds, peak_kb = run("阵匣.exe", "zh_CN.UTF-8", page=page)
    reported = log[log.find("peak working set"):].split(")")[0] if "peak working set" in log else "no figure"
    print("     %s: gave up after %.1f s (Wine start included); %s; highest resident size sampled %d MB"
          % (label, seconds, reported, peak_kb // 1024))
    check(code == 2 and "no new version" in log, label + ": no new version announced (exit %s: %s)"
          % (code, log.replace("\n", " | ")))
    check(seconds < bound_seconds, label + ": given up within %d s (%.1f s)" % (bound_seconds, seconds))
    check(open(os.path.join(folder, "阵匣.exe"), "rb").read() == old_bytes, label + ": old executable untouched")
    check(names(folder) == ["阵匣.exe"], label + ": nothing else left " + str(names(folder)))
    shutil.rmtree(base, ignore_errors=True)
    return peak_kb


def locked_new_file_case():
    label = "new file locked before the swap"
    base, folder, code, log, _, _ = run("阵匣.exe", "zh_CN.UTF-8", hold=True)
    check("new file locked" in log, label + ": the holder took the file (" + log.replace("\n", " | ") + ")")
    probe_checked(label, log)
    exe = os.path.join(folder, "阵匣.exe")
    check(wait_for(lambda: "started" in log_of(folder), 30), label + ": a program was started again")
    check(os.path.exists(exe) and open(exe, "rb").read() in (old_bytes, new_bytes),
          label + ": a runnable executable stands under the own name " + str(names(folder)))
    print("     %s: %s" % (label, "kept the old build" if open(exe, "rb").read() == old_bytes else "swapped"))
    check("阵匣.exe.old" not in names(folder), label + ": no backup left " + str(names(folder)))
    shutil.rmtree(base, ignore_errors=True)


swap_case("阵匣.exe", "zh_CN.UTF-8", 936)
swap_case("my box.exe", "zh_CN.UTF-8", 936)
# C.UTF-8: the console reads batch files in code page 437, which cannot
# spell a Chinese name; the script names the files through its environment.
swap_case("阵匣.exe", "C.UTF-8", 437)
swap_case("my box.exe", "C.UTF-8", 437)
swap_case("my box.exe", "C.UTF-8", 437, leaf="plain folder")

# Hostile names. Quoted in the environment a name with blanks and cmd's
# separators still swaps; the aside name is one nothing holds yet, so a
# folder or a player's file of that name stays as it was.
swap_case("阵匣.exe", "zh_CN.UTF-8", 936, beside={"阵匣.exe.old": None})
swap_case("a (1);b=c,d.exe", "C.UTF-8", 437, beside={"a (1);b=c,d.exe.old": b"player's", "a (1);b=c,d.exe.old2": None})
# A character outside GBK (it would become the wildcard "?"), one cmd would
# expand again, or its syntax: declined before anything is ended.
declined_case("vex한.exe", "zh_CN.UTF-8", 936, beside={"vexB.exe.old": b"player's"})
declined_case("a%PATH%b.exe", "zh_CN.UTF-8", 936)
declined_case("a!b^c&d.exe", "C.UTF-8", 437)

failure_case("404", served=dev.Served(new_bytes, status=404))
# Every response stops after 100 kB, whichever range it carries.
failure_case("cut mid-body", served=dev.Served(new_bytes, cut_after=100000))
failure_case("cut mid-body, one connection", served=dev.Served(new_bytes, ranges=False, cut_after=len(new_bytes) // 2))
failure_case("cut without a length", served=dev.Served(new_bytes, ranges=False, length=False,
                                                          cut_after=len(new_bytes) // 2))
failure_case("whole file without a length", served=dev.Served(new_bytes, ranges=False, length=False))
failure_case("wrong length", served=dev.Served(new_bytes, ranges=False, announce=len(new_bytes) + 1000))
failure_case("1 TiB announced", served=dev.Served(new_bytes, ranges=False, announce=1 << 40))
failure_case("1 TiB in the range total", served=dev.Served(new_bytes, announce_total=1 << 40))
failure_case("another executable than the statement's", served=dev.Served(old_bytes + b"\0" * 16))
failure_case("empty address", address="")
# With LANG unset Wine cannot name "阵匣.exe.tmp" at all.
failure_case("no Chinese file names", name="my box.exe", lang=None, leaf="plain folder")

endless_kb = page_failure_case("endless version page", dev.Served(
    dev.version_page("2.0", "http://127.0.0.1:1/x.exe"), ranges=False, endless=True), 30)
page_failure_case("trickling version page", dev.Served(
    dev.version_page("2.0", "http://127.0.0.1:1/x.exe"), ranges=False, rate=1), 30)
locked_new_file_case()


def statement_page(statement, signature, edition="2.0"):
    return dev.Served(dev.version_page(edition, "http://127.0.0.1:1/x.exe", statement=statement,
                                       statement_signature=signature), ranges=False)


# The maker's own signed page of an older release, served again: signed, but
# not newer than the running 1.0.
page_failure_case("a replayed old release", dev.Served(
    dev.signed_page("0.9", "http://127.0.0.1:1/x.exe", old_bytes, signing_key), ranges=False), 30)
new_statement = dev.release_statement("2.0", new_bytes)
page_failure_case("statement without a signature", statement_page(new_statement, ""), 30)
page_failure_case("statement with another statement's signature", statement_page(
    new_statement, dev.sign(dev.release_statement("2.0", old_bytes).encode(), signing_key)), 30)

print("%d failure(s)" % len(failures))
sys.exit(1 if failures else 0)
