#!/usr/bin/env bash
# Two computers practising in one class folder on a real share: two QEMU guests (Debian's kernel,
# a busybox initramfs holding a static vek) mount a folder that Samba (SMB 3.0) or nfs-ganesha
# (NFS 4.1) serves on this machine's loopback, and each reaches only that server. Every answer a
# guest gives is counted against what the memory keeps, read here straight from the served folder:
# none may be lost, none counted twice.
#
#   run.sh smb|nfs    the cases below, then one line of totals; exit status 1 when an answer
#                     was lost or counted twice, 2 when the run itself could not be made
# Parameters (environment), each case with new learners of a class list:
#   NEW=4        learners whose file does not exist yet, practising on both computers at once
#   HANDOFF=2    learners practising 4 rounds, one computer starting as the other ends a round
#   PAUSES=1     learners practising on both while the first computer is frozen (QEMU's monitor
#                "stop", a laptop's lid closed) for PAUSE_FOR=40 seconds, past the server's lease
#   COUNT=10     questions a round
#   TIMING=0     rounds on the share and in the guest's own memory (tmpfs), for the time a save
#                takes per answer on the share
#   BIN=DIR      static vek, postepy and kept_answers (else built from this tree in
#                build-two-computers/static); CACHE=DIR for the kernel (build-two-computers/cache)
#   KEEP=1       keep the work folder (serial logs, the served folder) even when all is well
set -u
fs=${1:-}
[ "$fs" = smb ] || [ "$fs" = nfs ] || { sed -n '8,20p' "$0" >&2; exit 2; }
NEW=${NEW:-4} HANDOFF=${HANDOFF:-2} PAUSES=${PAUSES:-1} PAUSE_FOR=${PAUSE_FOR:-40}
COUNT=${COUNT:-10} TIMING=${TIMING:-0}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
for tool in qemu-system-x86_64 smbd ganesha.nfsd socat cpio gcc busybox; do
  command -v "$tool" >/dev/null || { echo "needs $tool: apt-get install qemu-system-x86 busybox-static samba nfs-ganesha nfs-ganesha-vfs socat cpio gcc" >&2; exit 2; }
done
bin=${BIN:-}
if [ -z "$bin" ]; then
  bin=$top/build-two-computers/static/bin
  { cmake -S "$top" -B "$top/build-two-computers/static" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_EXE_LINKER_FLAGS=-static -DTABLICZKA_TESTS=OFF &&
    cmake --build "$top/build-two-computers/static" --target vek postepy kept_answers; } >/dev/null ||
    { echo "could not build the static programs" >&2; exit 2; }
fi
# Debian's kernel with its modules, unpacked once; busybox's depmod lists what modprobe loads
cache=${CACHE:-$top/build-two-computers/cache}
if [ ! -d "$cache/x/boot" ]; then
  mkdir -p "$cache" && (cd "$cache" && chmod 777 . &&
    apt-get download "$(apt-cache depends linux-image-amd64 | awk '/Depends: linux-image-6/ {print $2; exit}')" >/dev/null 2>&1 &&
    dpkg-deb -x linux-image-*.deb x && busybox depmod -b x "$(ls x/lib/modules)") ||
    { echo "could not unpack a kernel into $cache" >&2; rm -rf "$cache/x"; exit 2; }
fi
K=$(ls "$cache/x/lib/modules" | head -1)
work=$(mktemp -d /tmp/two-computers-XXXXXX)
gcc -static -O2 -o "$work/answer" "$here/answer.c" || exit 2
share=$work/klasa; mkdir -p "$share"; chmod 777 "$share"
learners=$((NEW + HANDOFF + PAUSES + (TIMING > 0)))
for k in $(seq 1 "$learners"); do echo "Uczen$k"; done > "$share/uczniowie.txt"

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  [ -n "${KEEP:-}" ] || [ "${failed:-1}" != 0 ] || rm -rf "$work"
}
trap cleanup EXIT

# the guests' first files: busybox, the modules, init, vek and the answering driver
root=$work/root; mkdir -p "$root"/{bin,dev,proc,sys,mnt,tmp,lib/modules/$K}
cp "$(command -v busybox)" "$root/bin/busybox"
cp "$here/init" "$root/init"; chmod +x "$root/init"
cp "$bin/vek" "$root/vek"; cp "$work/answer" "$root/answer"
(cd "$cache/x/lib/modules/$K" && cp --parents -r modules.* kernel/fs/smb kernel/fs/nfs \
  kernel/fs/nfs_common kernel/fs/lockd kernel/fs/fscache kernel/fs/netfs kernel/net/sunrpc \
  kernel/net/dns_resolver kernel/crypto kernel/lib kernel/drivers/net/ethernet/intel/e1000 \
  "$root/lib/modules/$K/" 2>/dev/null)
(cd "$root" && find . | cpio -o -H newc 2>/dev/null | gzip -1) > "$work/initrd.gz"

if [ "$fs" = smb ]; then
  id tabsmb >/dev/null 2>&1 || useradd -M -N -s /usr/sbin/nologin tabsmb
  s=$work/samba; mkdir -p "$s"/{run,lock,state,cache,private}
  cat > "$s/smb.conf" <<CONF
[global]
  smb ports = 4450
  interfaces = 127.0.0.1
  bind interfaces only = yes
  disable netbios = yes
  load printers = no
  printing = bsd
  printcap name = /dev/null
  pid directory = $s/run
  lock directory = $s/lock
  state directory = $s/state
  cache directory = $s/cache
  private dir = $s/private
  ncalrpc dir = $s/run
  passdb backend = tdbsam:$s/private/passdb.tdb
  log file = $s/log.smbd
  server min protocol = SMB3_00
[klasa]
  path = $share
  read only = no
  force user = root
  valid users = tabsmb
CONF
  printf 'tab\ntab\n' | smbpasswd -c "$s/smb.conf" -s -a tabsmb >/dev/null
  # in a session of its own: smbd, when ended, ends its whole process group
  setsid smbd --foreground --no-process-group -s "$s/smb.conf" > "$s/out" 2>&1 & pids+=($!)
  fwd="guestfwd=tcp:10.0.2.100:445-cmd:socat - TCP:127.0.0.1:4450"
else
  g=$work/ganesha; mkdir -p "$g"
  cat > "$g/ganesha.conf" <<CONF
NFS_CORE_PARAM { NFS_Port = 20490; Bind_addr = 127.0.0.1; Protocols = 4; Enable_NLM = false; Enable_RQUOTA = false; Enable_UDP = false; }
NFSV4 { Lease_Lifetime = 30; Grace_Period = 5; Graceless = true; }
NFS_KRB5 { Active_krb5 = false; }
EXPORT { Export_Id = 1; Path = $share; Pseudo = /klasa; Access_Type = RW; Squash = No_Root_Squash; Protocols = 4; Transports = TCP; SecType = sys; FSAL { Name = VFS; } }
CONF
  ganesha.nfsd -F -f "$g/ganesha.conf" -L "$g/log" -p "$g/pid" > "$g/out" 2>&1 & pids+=($!)
  fwd="guestfwd=tcp:10.0.2.101:2049-cmd:socat - TCP:127.0.0.1:20490"
fi
sleep 2
for name in pc1 pc2; do
  # pc2's clock runs 7 s ahead, so that rounds begun at one moment, seeded by the clock, ask
  # different facts
  skew=0; [ "$name" = pc2 ] && skew=7
  rtc="base=$(date -u -d @$(( $(date +%s) + skew )) +%Y-%m-%dT%H:%M:%S)"
  qemu-system-x86_64 -m 256 -smp 1 -kernel "$cache/x/boot/vmlinuz-$K" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 quiet panic=-1 fs=$fs name=$name" -rtc "$rtc" -display none \
    -serial "file:$work/$name.log" -chardev "socket,id=cmd,path=$work/$name.cmd,server=on,wait=off" \
    -serial chardev:cmd -monitor "unix:$work/$name.mon,server,nowait" -no-reboot \
    -netdev "user,id=n0,restrict=on,$fwd" -device e1000,netdev=n0 > "$work/$name.qemu" 2>&1 & pids+=($!)
done

# waits until guest $1's console shows a line "$2", at most $3 seconds
await() {
  local end=$(( $(date +%s) + $3 ))
  until tr -d '\r' 2>/dev/null < "$work/$1.log" | grep -qx "$2"; do
    [ "$(date +%s)" -lt "$end" ] || { echo "$1 did not say \"$2\" within $3 s; work $work" >&2; exit 2; }
    sleep 0.2
  done
}
# tells guest $1 to do "$2"
tell() { printf '%s\n' "$2" | socat - "UNIX-CONNECT:$work/$1.cmd"; }
monitor() { echo "$2" | socat - "UNIX-CONNECT:$work/$1.mon" >/dev/null; }
# a round of $3 questions on guest $1 as learner $2, under a tag of its own
n=0
round() { n=$((n + 1)); tell "$1" "run r$n $3 $2"; last=r$n; echo "r$n $1 $2" >> "$work/rounds"; }

for pc in pc1 pc2; do await "$pc" READY 300; done
grep -h MOUNTED "$work"/pc*.log | tr -d '\r' | grep -qv 'MOUNTED 0' && { echo "a guest could not mount the share; work $work" >&2; exit 2; }
learner=0
# both computers at once, each learner's file new
for _ in $(seq 1 "$NEW"); do
  learner=$((learner + 1))
  round pc1 "$learner" "$COUNT"; a=$last
  round pc2 "$learner" "$COUNT"
  await pc1 "END $a" 600; await pc2 "END $last" 600
done
# one computer starts as the other ends its round
for _ in $(seq 1 "$HANDOFF"); do
  learner=$((learner + 1))
  for pc in pc1 pc2 pc1 pc2; do round "$pc" "$learner" "$COUNT"; await "$pc" "END $last" 600; done
done
# the first computer frozen past the server's lease mid-round while the second goes on, a
# round every 5 seconds (so that the boxes of the earlier memory can still count each answer)
for _ in $(seq 1 "$PAUSES"); do
  learner=$((learner + 1))
  round pc1 "$learner" $((COUNT * 3)); frozen=$last
  await pc1 "BEGIN $frozen" 60; sleep 0.3; monitor pc1 stop
  end=$(( $(date +%s) + PAUSE_FOR ))
  while [ "$(date +%s)" -lt "$end" ]; do
    round pc2 "$learner" "$COUNT"; await pc2 "END $last" 600; sleep 5
  done
  monitor pc1 cont
  await pc1 "END $frozen" 600
done
# the time a round takes on the share and in the guest's own tmpfs memory
if [ "$TIMING" -gt 0 ]; then
  learner=$((learner + 1))
  for _ in $(seq 1 "$TIMING"); do
    round pc1 "$learner" "$COUNT"; echo "$last pc1 $learner timed" >> "$work/rounds"
    await pc1 "END $last" 600
    n=$((n + 1)); tell pc1 "local r$n $COUNT"; echo "r$n pc1 0" >> "$work/rounds"; await pc1 "END r$n" 600
  done
fi
for pc in pc1 pc2; do tell "$pc" quit; done
for p in "${pids[@]: -2}"; do wait "$p"; done

# every answer given, by learner and fact, against what the memory keeps of it
for pc in pc1 pc2; do tr -d '\r' < "$work/$pc.log"; done > "$work/consoles"
"$bin/kept_answers" "$share" > "$work/kept" || { echo "could not read the served folder; work $work" >&2; exit 2; }
TABLICZKA_DIR=$share "$bin/postepy" "$share" > "$work/report" 2>&1 || echo "postepy failed on the served folder" >&2
awk -v name="$fs" -f "$here/tally.awk" "$work/rounds" "$work/kept" "$work/consoles"
failed=$?
[ "$failed" = 0 ] || echo "work $work (the consoles, the served folder, what was given and kept)"
exit "$failed"
