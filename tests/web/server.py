"""Starts `lotto739-cli serve` on a free port for a test and sends it requests."""
import http.client
import json
import re
import signal
import subprocess


class Server:
    def __init__(self, cli, *extra):
        self.cli = cli
        self.process = subprocess.Popen(
            [cli, "serve", "--port", "0", "--no-open", *extra],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        line = self.process.stderr.readline()
        found = re.fullmatch(r"lotto739-cli: serving (http://127\.0\.0\.1:(\d+)/\?token=([0-9a-f]{32}))\n",
                             line)
        if not found:
            self.process.kill()
            self.process.stderr.close()
            raise AssertionError("unexpected first line: %r" % line)
        self.url, self.port, self.token = found.group(1), int(found.group(2)), found.group(3)

    def request(self, method, path, body=None, headers=None, token=True):
        """(status, headers, body text) of one request; token adds this start's token."""
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=120)
        sent = dict(headers or {})
        if token:
            sent.setdefault("Authorization", "Bearer " + self.token)
        connection.request(method, path, body=body, headers=sent)
        response = connection.getresponse()
        text = response.read().decode("utf-8")
        connection.close()
        return response.status, response.headers, text

    def run(self, args, files=None, **options):
        body = json.dumps({"args": args, **({"files": files} if files is not None else {})})
        return self.request("POST", "/api/run", body.encode("utf-8"), **options)

    def stop(self):
        """Sends SIGTERM; returns the exit status and what was left on stderr."""
        self.process.send_signal(signal.SIGTERM)
        rest = self.process.stderr.read()
        self.process.stderr.close()
        return self.process.wait(timeout=30), rest
