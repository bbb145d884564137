"""Two Syncthing instances on this machine sharing one folder: two "computers" whose folder a
sync tool keeps alike, with no lock between them (as OneDrive, Dropbox or Nextcloud folders).
Everything on loopback: GUI/REST and the sync protocol on 127.0.0.1, discovery, relays, NAT,
usage and crash reports and upgrades off; the devices know each other by ID and address.
Use: p = Pair(top); p.start(); folders p.dirs[0], p.dirs[1]; p.settle(); p.conflict_copies();
p.stop() (by pid)."""
import os, sys, json, time, socket, subprocess, secrets, hashlib, urllib.request, urllib.error

FOLDER = "tabliczka"
CONFLICT = ".sync-conflict-"


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


CONFIG = """<configuration version="36">
    <folder id="{folder}" label="{folder}" path="{path}" type="sendreceive" rescanIntervalS="{rescan}" fsWatcherEnabled="true" fsWatcherDelayS="1" ignorePerms="false" autoNormalize="true">
        <filesystemType>basic</filesystemType>
        <device id="{me}" introducedBy=""></device>
        <device id="{peer}" introducedBy=""></device>
        <minDiskFree unit="%">0</minDiskFree>
        <maxConflicts>-1</maxConflicts>
        <pullerPauseS>1</pullerPauseS>
        <markerName>.stfolder</markerName>
    </folder>
    <device id="{me}" name="{name}" compression="metadata" introducer="false">
        <address>dynamic</address>
    </device>
    <device id="{peer}" name="{peer_name}" compression="metadata" introducer="false">
        <address>tcp://127.0.0.1:{peer_port}</address>
    </device>
    <gui enabled="true" tls="false" debugging="false">
        <address>127.0.0.1:{gui_port}</address>
        <apikey>{key}</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:{port}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <startBrowser>false</startBrowser>
        <urAccepted>-1</urAccepted>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <crashReportingEnabled>false</crashReportingEnabled>
        <reconnectionIntervalS>1</reconnectionIntervalS>
        <stunKeepaliveStartS>0</stunKeepaliveStartS>
        <minHomeDiskFree unit="%">0</minHomeDiskFree>
        <setLowPriority>false</setLowPriority>
    </options>
</configuration>
"""


class Instance:
    def __init__(self, home, path, name):
        self.home, self.path, self.name = home, path, name
        self.port, self.gui_port = free_port(), free_port()
        self.key = secrets.token_hex(16)
        self.proc = None
        self.env = {"PATH": "/usr/bin:/bin", "HOME": home, "STNODEFAULTFOLDER": "1",
                    "STNOUPGRADE": "1", "STNORESTART": "1", "LANG": "C.UTF-8"}
        r = subprocess.run(["syncthing", "generate", "--home=" + home, "--no-default-folder",
                            "--skip-port-probing"], capture_output=True, text=True, env=self.env)
        r = subprocess.run(["syncthing", "serve", "--home=" + home, "--device-id"],
                           capture_output=True, text=True, env=self.env)
        self.id = r.stdout.strip()
        if len(self.id) < 50:
            raise RuntimeError("syncthing gave no device ID: " + r.stderr.strip()[-200:])

    def configure(self, peer, rescan):
        with open(os.path.join(self.home, "config.xml"), "w") as f:
            f.write(CONFIG.format(folder=FOLDER, path=self.path, rescan=rescan, me=self.id,
                                  peer=peer.id, name=self.name, peer_name=peer.name,
                                  peer_port=peer.port, gui_port=self.gui_port, key=self.key,
                                  port=self.port))

    def start(self):
        self.log = open(os.path.join(self.home, "syncthing.log"), "wb")
        self.proc = subprocess.Popen(["syncthing", "serve", "--home=" + self.home, "--no-browser",
                                      "--no-restart", "--no-upgrade"], stdout=self.log,
                                     stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                     env=self.env, start_new_session=True)

    def api(self, method, path, timeout=60):
        req = urllib.request.Request("http://127.0.0.1:%d%s" % (self.gui_port, path),
                                     method=method, headers={"X-API-Key": self.key})
        with urllib.request.urlopen(req, timeout=timeout) as r:
            body = r.read()
        return json.loads(body) if body.strip()[:1] in (b"{", b"[") else body

    def up(self):
        try:
            self.api("GET", "/rest/system/ping", timeout=2)
            return True
        except (urllib.error.URLError, OSError, ValueError):
            return False

    def stop(self):
        if not self.proc:
            return
        try:
            self.api("POST", "/rest/system/shutdown", timeout=5)
        except Exception:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()  # by its own pid, the one started here
            self.proc.wait()
        self.proc = None


def tree(path):
    """{relative name: sha1} of the files a user sees in |path| (not Syncthing's own)."""
    found = {}
    for root, dirs, files in os.walk(path):
        dirs[:] = [d for d in dirs if d != ".stfolder" and not d.startswith(".stversions")]
        for f in files:
            if f.startswith(".syncthing.") and f.endswith(".tmp"):
                continue
            p = os.path.join(root, f)
            try:
                found[os.path.relpath(p, path)] = hashlib.sha1(open(p, "rb").read()).hexdigest()
            except OSError:
                found[os.path.relpath(p, path)] = None
    return found


class Pair:
    def __init__(self, top, rescan=5):
        self.top = top
        self.dirs = [os.path.join(top, "komputer%d" % k, FOLDER) for k in (1, 2)]
        self.inst = []
        for k, d in enumerate(self.dirs):
            os.makedirs(os.path.join(d, ".stfolder"), exist_ok=True)
            home = os.path.join(top, "st%d" % (k + 1))
            os.makedirs(home, exist_ok=True)
            self.inst.append(Instance(home, d, "komputer%d" % (k + 1)))
        a, b = self.inst
        a.configure(b, rescan)
        b.configure(a, rescan)

    def start(self, timeout=60):
        for i in self.inst:
            i.start()
        end = time.time() + timeout
        while time.time() < end:
            if all(i.up() for i in self.inst) and self.connected():
                return True
            if any(i.proc.poll() is not None for i in self.inst):
                break
            time.sleep(0.3)
        return False

    def connected(self):
        a, b = self.inst
        try:
            return (a.api("GET", "/rest/system/connections")["connections"].get(b.id, {}).get("connected")
                    and b.api("GET", "/rest/system/connections")["connections"].get(a.id, {}).get("connected"))
        except Exception:
            return False

    def in_sync_once(self):
        a, b = self.inst
        for me, peer in ((a, b), (b, a)):
            me.api("POST", "/rest/db/scan?folder=" + FOLDER)  # returns when the scan is done
        for me, peer in ((a, b), (b, a)):
            st = me.api("GET", "/rest/db/status?folder=" + FOLDER)
            if st.get("state") != "idle" or st.get("needTotalItems", 1) != 0:
                return False
            c = me.api("GET", "/rest/db/completion?folder=%s&device=%s" % (FOLDER, peer.id))
            if c.get("completion") != 100 or c.get("needItems", 1) != 0:
                return False
        return tree(self.dirs[0]) == tree(self.dirs[1])

    def settle(self, timeout=120):
        """Waits until both computers hold the same files and Syncthing has nothing left to do,
        twice in a row a second apart. False when that did not happen within |timeout|."""
        end, streak = time.time() + timeout, 0
        while time.time() < end:
            try:
                ok = self.connected() and self.in_sync_once()
            except (urllib.error.URLError, OSError, ValueError):
                ok = False
            streak = streak + 1 if ok else 0
            if streak >= 2:
                return True
            time.sleep(1)
        return False

    def conflict_copies(self):
        names = set()
        for d in self.dirs:
            names |= {n for n in tree(d) if CONFLICT in os.path.basename(n)}
        return sorted(names)

    def stop(self):
        for i in self.inst:
            i.stop()
