"""POST /api/run against the command line, and the server's safety answers.

Usage: api_test.py LOTTO739_CLI EXAMPLES_DIR
"""
import json
import os
import socket
import subprocess
import sys
import unittest

from server import Server

CLI = EXAMPLES = None


def without_times(value):
    """The JSON value with every time field left out."""
    if isinstance(value, dict):
        return {k: without_times(v) for k, v in value.items()
                if k != "seconds" and not k.endswith("_seconds")}
    if isinstance(value, list):
        return [without_times(v) for v in value]
    return value


def cli(args):
    done = subprocess.run([CLI, *args], capture_output=True, timeout=300)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


class ApiTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = Server(CLI)
        with open(os.path.join(EXAMPLES, "random-draws.csv"), encoding="utf-8") as f:
            cls.history = f.read()
        with open(os.path.join(EXAMPLES, "tickets.txt"), encoding="utf-8") as f:
            cls.tickets = f.read()
        cls.wheel = cli(["--wheel", "1-9", "--guarantee", "2-if-3", "--seed", "5"])[1]

    @classmethod
    def tearDownClass(cls):
        status, rest = cls.server.stop()
        assert status == 0 and rest == "", (status, rest)

    def test_every_command_answers_what_the_command_line_prints(self):
        draws = os.path.join(EXAMPLES, "random-draws.csv")
        tickets = os.path.join(EXAMPLES, "tickets.txt")
        wheel_file = os.path.join(os.environ.get("TMPDIR", "/tmp"), "lotto739-api-wheel.txt")
        with open(wheel_file, "w", encoding="utf-8") as f:
            f.write(self.wheel)
        # (command line with {H} the history, {T} the tickets, {W} a wheel's tickets; CLI status)
        cases = [
            ("-f 7=5 --page 2 --stats --sample 3 --seed 9", 0),
            ("--game 7/20 -f 1=60 --page 1", 0),
            ("--list --game 7/45", 0),
            ("--backtest --history {H} -f 1=100,2=180", 0),
            ("--funnel -f 1=100,2=180,7=5", 0),
            ("--explain 1,2,3,4,5,6,7 -f 1=100,2=180", 0),
            ("--history-stats --history {H}", 0),
            ("--check-tickets {T} --history {H}", 0),
            ("--check-tickets {T} --draw 3,9,12,13,23,31,5", 0),
            ("--wheel 1-9 --guarantee 2-if-3 --seed 5", 0),
            ("--reduce 3 -f 1=230 --seed 5", 0),
            ("--check-wheel {W} --wheel 1-9 --guarantee 2-if-3", 0),
            ("--check-wheel {W} --wheel 1-9 --guarantee 3-if-3", 1),  # the guarantee fails
        ]
        for line, cli_status in cases:
            with self.subTest(line):
                words = line.split()
                local = [w.format(H=draws, T=tickets, W=wheel_file) for w in words]
                sent = [w.format(H="draws.csv", T="mine.txt", W="wheel.txt") for w in words]
                status, out, err = cli(local + ["--format", "json"])
                self.assertEqual(status, cli_status, err)
                code, _, body = self.server.run(
                    sent + ["--format", "json"],
                    {"draws.csv": self.history, "mine.txt": self.tickets, "wheel.txt": self.wheel})
                self.assertEqual(code, 200, body)
                self.assertEqual(without_times(json.loads(body)), without_times(json.loads(out)))
        os.remove(wheel_file)

    def test_text_export_and_notes(self):
        # The export's own text, and the run's notes in a header of their own.
        status, out, _ = cli(["-f", "32=6", "--export=-", "-q"])
        code, headers, body = self.server.run(["-f", "32=6", "--export=-", "-q"])
        self.assertEqual((code, body), (200, out))
        self.assertTrue(headers["Content-Type"].startswith("text/plain"))
        status, _, err = cli(["-f", "1,2", "-q"])
        code, headers, body = self.server.run(["-f", "1,2", "-q"])
        self.assertEqual((code, body), (200, "0\n"))
        self.assertEqual(json.loads(headers["X-Lotto739-Notes"]),
                         [line.removeprefix("lotto739-cli: ") for line in err.splitlines()])

    def test_progress_arrives_as_events_before_the_same_result(self):
        args = ["--wheel", "1-20", "--guarantee", "3-if-5", "--seed", "2", "--format", "json"]
        _, _, plain = self.server.run(args)
        code, headers, stream = self.server.run(args, headers={"Accept": "text/event-stream"})
        self.assertEqual(code, 200)
        self.assertEqual(headers["Content-Type"], "text/event-stream")
        events = [block.split("\n", 1) for block in stream.strip().split("\n\n")]
        kinds = [e[0] for e in events]
        self.assertIn("event: progress", kinds)
        self.assertEqual(kinds[-1], "event: result")
        result = json.loads(events[-1][1].removeprefix("data: "))
        self.assertEqual(result["status"], 200)
        self.assertEqual(without_times(json.loads(result["body"])),
                         without_times(json.loads(plain)))

    def test_refusals_then_a_good_answer(self):
        s = self.server
        cap = 64 << 20
        host = {"Host": "evil.example:%d" % s.port}
        # (what is sent, status, error text or None)
        cases = [
            ("no token", lambda: s.run(["-q"], token=False), 403, "the request lacks this start's token"),
            ("wrong token", lambda: s.run(["-q"], headers={"Authorization": "Bearer " + "0" * 32}),
             403, "the request lacks this start's token"),
            ("token in the address", lambda: s.request(
                "POST", "/api/run?token=" + s.token, b'{"args": ["-q"]}', token=False), 200, None),
            ("foreign Host, API", lambda: s.run(["-q"], headers=host), 403,
             "this server answers only requests for its own address"),
            ("foreign Host, page", lambda: s.request("GET", "/", headers=host), 403,
             "this server answers only requests for its own address"),
            ("Host without the port", lambda: s.request("GET", "/", headers={"Host": "localhost"}),
             403, "this server answers only requests for its own address"),
            ("malformed JSON", lambda: s.request("POST", "/api/run", b'{"args": ['), 400,
             "the request is not JSON"),
            ("args not strings", lambda: s.request("POST", "/api/run", b'{"args": [7]}'), 400,
             "every element of \"args\" must be a string"),
            ("deep nesting", lambda: s.request("POST", "/api/run", b"[" * 100000), 400,
             "the request nests deeper than it may"),
            ("unknown field", lambda: s.request("POST", "/api/run", b'{"args": [], "x": 1}'), 400,
             "the request has an unknown field \"x\""),
            ("serve", lambda: s.run(["serve"]), 400, "serve is not a command the page can run"),
            ("unknown option", lambda: s.run(["--frobnicate"]), 400,
             cli(["--frobnicate"])[2].strip().removeprefix("lotto739-cli: ")),
            ("missing file", lambda: s.run(["--backtest", "--history", "h.csv"], {"x": ""}), 400,
             "no file named 'h.csv' was sent"),
            ("a path to write", lambda: s.run(["-q", "--export=/tmp"]), 400,
             "--export=DIR writes a file, which this request cannot do"),
            ("GET on the API", lambda: s.request("GET", "/api/run"), 405, "/api/run takes a POST"),
            ("other API path", lambda: s.request("POST", "/api/files"), 404,
             "the API has only /api/run"),
            ("no such page", lambda: s.request("GET", "/etc/passwd"), 404, "no such page"),
        ]
        for name, send, status, error in cases:
            with self.subTest(name):
                code, headers, body = send()
                self.assertEqual(code, status, body)
                self.assertNotIn("Access-Control-Allow-Origin", headers)
                if error is not None:
                    self.assertEqual(json.loads(body), {"error": error})
        # Over the cap, by its length (answered before the body is sent) and sent in chunks.
        for chunked in (False, True):
            with self.subTest(chunked=chunked):
                self.assertEqual(self.oversized(chunked, cap), 413)
        self.assertEqual(s.run(["-f", "7=5", "-q"])[::2], (200, "2760681\n"))

    def oversized(self, chunked, cap):
        """Sends a body over the cap; returns the answer's status."""
        with socket.create_connection(("127.0.0.1", self.server.port), timeout=60) as c:
            head = "POST /api/run HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nAuthorization: Bearer %s\r\n" % (
                self.server.port, self.server.token)
            head += "Transfer-Encoding: chunked\r\n\r\n" if chunked else "Content-Length: %d\r\n\r\n" % (cap + 1)
            c.sendall(head.encode())
            if chunked:
                block = b" " * (1 << 20)
                try:
                    for _ in range((cap >> 20) + 2):
                        c.sendall(b"%x\r\n%s\r\n" % (len(block), block))
                except OSError:
                    pass  # the server stopped reading
            answer = b""
            while b"\r\n" not in answer:
                part = c.recv(4096)
                if not part:
                    break
                answer += part
            return int(answer.split(b" ")[1])


def start_search(server, args):
    """Sends args asking for progress events; returns the socket once the first has come."""
    c = socket.create_connection(("127.0.0.1", server.port), timeout=120)
    body = json.dumps({"args": args}).encode()
    c.sendall(b"POST /api/run HTTP/1.1\r\nHost: 127.0.0.1:%d\r\nAuthorization: Bearer %s\r\n"
              b"Accept: text/event-stream\r\nContent-Length: %d\r\n\r\n%s" % (
                  server.port, server.token.encode(), len(body), body))
    seen = b""
    while b"event: progress" not in seen:
        part = c.recv(4096)
        assert part, seen
        seen += part
    return c


def read_all(c):
    seen = b""
    while part := c.recv(65536):
        seen += part
    return seen.decode()


# A search that would take many minutes (effort 1000), which a cancel ends at once.
LONG_REDUCTION = ["--reduce", "3", "-f", "1=225", "--seed", "5", "--effort", "1000"]
LONG_WHEEL = ["--wheel", "1-20", "--guarantee", "3-if-5", "--seed", "1", "--effort", "1000"]


class StopTest(unittest.TestCase):
    def test_a_client_that_goes_away_frees_the_store_for_the_next(self):
        server = Server(CLI)
        try:
            start_search(server, LONG_REDUCTION).close()
            # One store at a time: this count waits for the reduction's place.
            code, _, body = server.run(["-f", "7=5", "--page", "1", "-q"])
            self.assertEqual(code, 200)
            self.assertEqual(body.splitlines()[0], "2760681")
        finally:
            self.assertEqual(server.stop()[0], 0)

    def test_sigterm_answers_the_run_under_way_and_stops(self):
        server = Server(CLI)
        c = start_search(server, LONG_WHEEL)
        status, rest = server.stop()
        stream = read_all(c)
        c.close()
        self.assertEqual((status, rest), (0, ""))
        result = json.loads(stream.rsplit("event: result\ndata: ", 1)[1])
        self.assertEqual(result["status"], 503)
        self.assertEqual(json.loads(result["body"]), {"error": "cancelled: the server is stopping"})


class StartTest(unittest.TestCase):
    def test_a_port_in_use_is_one_line_and_status_one(self):
        server = Server(CLI)
        try:
            done = subprocess.run([CLI, "serve", "--port", str(server.port), "--no-open"],
                                  capture_output=True, text=True, timeout=30)
            self.assertEqual(done.returncode, 1)
            self.assertEqual(done.stderr, "lotto739-cli: port %d is in use on 127.0.0.1 (--port P "
                             "chooses another, --port 0 a free one)\n" % server.port)
        finally:
            server.stop()

    def test_bad_options(self):
        for args, error in [
            (["--port", "70000"], "--port needs a number 0..65535"),
            (["--port"], "--port needs a number 0..65535"),
            (["--bind", "nowhere"], "--bind: 'nowhere' is not an IP address"),
            (["--open-all"], "serve: unknown option '--open-all' (serve --help lists them)"),
        ]:
            with self.subTest(args):
                done = subprocess.run([CLI, "serve", "--no-open", *args], capture_output=True,
                                      text=True, timeout=30)
                self.assertEqual((done.returncode, done.stderr), (2, "lotto739-cli: " + error + "\n"))


if __name__ == "__main__":
    CLI, EXAMPLES = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1], verbosity=2)
