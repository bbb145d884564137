#!/usr/bin/env python3
"""How fast and how small qor is on a long round from a piped file.

Builds qor (optimised) and the reference program beside it, then reports:
- the wall time of a round of 1,000,000 questions, all answered wrongly, output to /dev/null,
  for qor and for the reference program that writes the same bytes with the same flushes,
  and their ratio (target: at most 1.5);
- the peak resident memory of qor in that run and in a run whose single answer is a 256 MiB
  word (target: under 8 MiB in both).

Usage: bench/run.py [BUILD_DIR]   (default: build-bench)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-bench"))
QUESTIONS = 1_000_000
WORD_BYTES = 256 * 1024 * 1024


def build():
    subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Release", "-DTABLICZKA_TESTS=OFF"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "--target", "qor"], check=True,
                   stdout=subprocess.DEVNULL)
    tools = []
    for name in ("reference", "peak"):
        tools.append(os.path.join(BUILD, name))
        subprocess.run(["g++", "-O2", "-std=c++17", "-o", tools[-1],
                        os.path.join(ROOT, "bench", name + ".cc")], check=True)
    return os.path.join(BUILD, "bin", "qor"), tools[0], tools[1]


def run_piped(command, input_path, peak):
    """Runs command with input_path piped in through cat and output to /dev/null, in a
    session of its own. Returns (wall seconds, peak resident KiB of the command)."""
    with open(os.devnull, "wb") as null:
        start = time.monotonic()
        cat = subprocess.Popen(["cat", input_path], stdout=subprocess.PIPE)
        program = subprocess.run([peak] + command, stdin=cat.stdout, stdout=null,
                                 stderr=subprocess.PIPE, start_new_session=True)
        elapsed = time.monotonic() - start
        cat.stdout.close()
        cat.wait()
    if program.returncode != 0:
        sys.exit(f"{command[0]} ended with {program.returncode}")
    return elapsed, int(program.stderr.decode().split()[-1])


def main():
    qor, reference, launcher = build()
    with tempfile.TemporaryDirectory() as tmp:
        answers = os.path.join(tmp, "answers")
        with open(answers, "wb") as f:
            f.write(b"%d\n" % QUESTIONS)
            f.write(b"0\n" * QUESTIONS)
        frame = os.path.join(tmp, "frame")
        with open(frame, "wb") as f:
            subprocess.run([qor], stdin=subprocess.DEVNULL, stdout=f, check=True,
                           start_new_session=True)

        qor_times, reference_times, qor_peaks = [], [], []
        for _ in range(3):
            seconds, peak = run_piped([qor], answers, launcher)
            qor_times.append(seconds)
            qor_peaks.append(peak)
            reference_times.append(run_piped([reference, frame], answers, launcher)[0])
        qor_time = statistics.median(qor_times)
        reference_time = statistics.median(reference_times)

        word = os.path.join(tmp, "word")
        with open(word, "wb") as f:
            f.write(b"5\n")
            chunk = b"7" * (1 << 20)
            for _ in range(WORD_BYTES // len(chunk)):
                f.write(chunk)
            f.write(b"\n")
        word_time, word_peak = run_piped([qor], word, launcher)

    print(f"round of {QUESTIONS} wrong answers, piped in, output to /dev/null (median of 3):")
    print(f"  qor        {qor_time:.3f} s")
    print(f"  reference  {reference_time:.3f} s")
    print(f"  ratio      {qor_time / reference_time:.2f}   (target at most 1.5)")
    print(f"  peak memory of qor  {max(qor_peaks) / 1024:.2f} MiB   (target under 8 MiB)")
    print(f"one answer of a {WORD_BYTES >> 20} MiB word: {word_time:.2f} s, "
          f"peak memory {word_peak / 1024:.2f} MiB   (target under 8 MiB)")


if __name__ == "__main__":
    main()
