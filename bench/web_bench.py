"""Times `lotto739-cli serve`: the start until it answers, the page's whole transfer, the median of
50 POST /api/run counts of P1's filters (-q) beside the same count by lotto739-cli itself and
in-process (lotto739-bench's Count-P1, when given), and 50 such requests sent at once. It measures; it is not a test.

Usage: web_bench.py LOTTO739_CLI [LOTTO739_BENCH]
"""
import http.client
import json
import re
import signal
import statistics
import subprocess
import sys
import threading
import time

P1 = ["-f", "1=100,2=180,3=3,4=4,31,33=15,36=1,37=2", "-q", "--format", "json"]


def post(port, token, args):
    c = http.client.HTTPConnection("127.0.0.1", port, timeout=120)
    c.request("POST", "/api/run", json.dumps({"args": args}),
              {"Authorization": "Bearer " + token})
    r = c.getresponse()
    body = r.read()
    c.close()
    return r.status, body


def main():
    cli = sys.argv[1]
    expected = subprocess.run([cli, *P1], capture_output=True, check=True).stdout
    started = time.perf_counter()
    server = subprocess.Popen([cli, "serve", "--port", "0", "--no-open"], stderr=subprocess.PIPE,
                              text=True)
    found = re.search(r":(\d+)/\?token=([0-9a-f]+)", server.stderr.readline())
    port, token = int(found.group(1)), found.group(2)
    while True:
        try:
            c = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
            c.request("GET", "/")
            c.getresponse().read()
            break
        except OSError:
            time.sleep(0.001)
    print("ready to answer: %.1f ms after start" % (1000 * (time.perf_counter() - started)))

    size = 0
    for path in ("/", "/page.css", "/page.js"):
        c = http.client.HTTPConnection("127.0.0.1", port)
        c.request("GET", path)
        size += len(c.getresponse().read())
    print("page transfer (HTML, CSS, JS): %d bytes" % size)

    times = []
    for _ in range(50):
        t = time.perf_counter()
        status, body = post(port, token, P1)
        times.append(time.perf_counter() - t)
        assert (status, body) == (200, expected), (status, body)
    print("POST /api/run, P1 -q: median %.2f ms of 50 (min %.2f, max %.2f)" % (
        1000 * statistics.median(times), 1000 * min(times), 1000 * max(times)))

    answers = [None] * 50
    def send(i):
        answers[i] = post(port, token, P1)
    t = time.perf_counter()
    threads = [threading.Thread(target=send, args=(i,)) for i in range(50)]
    for th in threads:
        th.start()
    for th in threads:
        th.join()
    right = sum(a == (200, expected) for a in answers)
    print("50 at once: %d of 50 right in %.0f ms" % (right, 1000 * (time.perf_counter() - t)))

    runs = []
    for _ in range(20):
        t = time.perf_counter()
        subprocess.run([cli, *P1], capture_output=True, check=True)
        runs.append(time.perf_counter() - t)
    print("lotto739-cli P1 -q as a process: median %.2f ms of 20" % (1000 * statistics.median(runs)))

    t = time.perf_counter()
    server.send_signal(signal.SIGTERM)
    server.wait(timeout=30)
    print("stopped %.1f ms after SIGTERM" % (1000 * (time.perf_counter() - t)))

    if len(sys.argv) > 2:
        out = subprocess.run([sys.argv[2], "--benchmark_filter=^Count-P1",
                              "--benchmark_repetitions=10", "--benchmark_report_aggregates_only=true"],
                             capture_output=True, text=True).stdout
        print("in process (lotto739-bench Count-P1):")
        print("\n".join(line for line in out.splitlines() if "Count-P1" in line))


main()
