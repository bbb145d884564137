"""Two computers practising in a synced folder whose locks do nothing between them: two
Syncthing instances on this machine (synced_pair.py), each computer's vek playing in its own
copy. The cases of run.sh: learners whose file does not exist yet on both at once; one computer
starting a round as the other ends one; a run stopped (SIGSTOP) while the other plays, then
continued. When both copies are alike again, every answer given is counted against what the
memory keeps (tally.awk): none may be lost, none counted twice.

    python3 synced.py BIN     BIN holding vek and kept_answers (static or not)
Parameters (environment) as run.sh's: NEW=4, HANDOFF=2, PAUSES=1, PAUSE_FOR=10, COUNT=10,
KEEP=1. Exit status 1 when an answer was lost or counted twice, 2 when the run could not be made.
"""
import os, sys, time, shutil, signal, subprocess, tempfile

from synced_pair import Pair

here = os.path.dirname(os.path.abspath(__file__))


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    bin_dir = os.path.abspath(sys.argv[1])
    env = lambda key, default: int(os.environ.get(key, default))
    new, handoff, pauses = env("NEW", 4), env("HANDOFF", 2), env("PAUSES", 1)
    pause_for, count = env("PAUSE_FOR", 10), env("COUNT", 10)
    work = tempfile.mkdtemp(prefix="two-computers-synced-")
    answer = os.path.join(work, "answer")
    if subprocess.run(["gcc", "-O2", "-o", answer, os.path.join(here, "answer.c")]).returncode:
        return 2
    pair = Pair(work, rescan=2)
    if not pair.start():
        print("the two Syncthing instances did not connect; work", work, file=sys.stderr)
        return 2
    rounds, consoles, tags = [], [], [0]

    def play(k, learner, n):
        """Starts a round of n questions on computer k (0 or 1) as the learner numbered."""
        tags[0] += 1
        tag = "r%d" % tags[0]
        rounds.append("%s pc%d %d" % (tag, k + 1, learner))
        home = os.path.join(work, "home%d" % k)
        os.makedirs(home, exist_ok=True)
        proc = subprocess.Popen([answer, str(n), str(learner), os.path.join(bin_dir, "vek")],
                                stdout=subprocess.PIPE, text=True, start_new_session=True,
                                env={"PATH": "/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8",
                                     "TABLICZKA_DIR": pair.dirs[k]})
        return tag, proc

    def finish(tag, proc, head=""):
        out, _ = proc.communicate(timeout=300)
        consoles.append("BEGIN %s\n%s%sEND %s\n" % (tag, head, out, tag))

    try:
        learners = new + handoff + pauses
        with open(os.path.join(pair.dirs[0], "uczniowie.txt"), "w") as f:
            f.write("".join("Uczen%d\n" % k for k in range(1, learners + 1)))
        if not pair.settle():
            print("the class list did not reach the other copy; work", work, file=sys.stderr)
            return 2
        learner = 0
        for _ in range(new):  # both at once, the learner's file new
            learner += 1
            both = [play(0, learner, count), play(1, learner, count)]
            for r in both:
                finish(*r)
        for _ in range(handoff):  # one computer starts as the other ends its round
            learner += 1
            for k in (0, 1, 0, 1):
                finish(*play(k, learner, count))
        for _ in range(pauses):  # a run stopped while the other plays, then continued
            learner += 1
            tag, proc = play(0, learner, count * 3)
            head = "".join(proc.stdout.readline() for _ in range(count))  # mid-round
            os.killpg(proc.pid, signal.SIGSTOP)
            end = time.time() + pause_for
            while time.time() < end:
                finish(*play(1, learner, count))
                time.sleep(2)
            os.killpg(proc.pid, signal.SIGCONT)
            finish(tag, proc, head)
        if not pair.settle(timeout=180):
            print("the two copies did not become alike; work", work, file=sys.stderr)
            return 2
        for name, text in (("rounds", "\n".join(rounds) + "\n"), ("consoles", "".join(consoles))):
            with open(os.path.join(work, name), "w") as f:
                f.write(text)
        with open(os.path.join(work, "kept"), "w") as f:
            if subprocess.run([os.path.join(bin_dir, "kept_answers"), pair.dirs[0]], stdout=f).returncode:
                return 2
        copies = pair.conflict_copies()
        if copies:
            print("conflict copies:", " ".join(copies))
        status = subprocess.run(["awk", "-v", "name=synced folder", "-f", os.path.join(here, "tally.awk")]
                                + [os.path.join(work, n) for n in ("rounds", "kept", "consoles")]).returncode
        return status or (1 if copies else 0)
    finally:
        pair.stop()
        if "status" in locals() and status == 0 and not copies and not os.environ.get("KEEP"):
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("work", work)


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Exception as e:  # the run could not be made: not a lost answer
        print("synced.py:", repr(e), file=sys.stderr)
        sys.exit(2)
