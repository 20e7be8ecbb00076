#!/usr/bin/env python3
"""Loopback test server for the HTTP builtins.

    server.py start DIR   starts the server in the background (plain HTTP on
                          127.0.0.1:80, TLS on 127.0.0.1:443 with a
                          self-signed certificate made in DIR) and returns
                          once both ports listen; fails when it cannot bind.
    server.py stop DIR    asks the server started for DIR to end, and ends it
                          by its process id if it does not.

The server ends by itself after a bounded time.  Every answer is chosen by
the request path; see RESPONSES below.
"""
import gzip
import os
import signal
import socket
import socketserver
import ssl
import subprocess
import sys
import threading
import time

HOST = "127.0.0.1"
PLAIN_PORT = 80
TLS_PORT = 443
MAX_LIFETIME = 1200     # seconds, whatever happens
IDLE_LIFETIME = 300     # seconds without a request
BIND_PATIENCE = 30      # seconds to wait for a port another run still holds

last_activity = time.monotonic()
connection_counter = 0
counter_lock = threading.Lock()


def head(status, fields, body_len=None):
    lines = ["HTTP/1.1 " + status]
    lines += fields
    if body_len is not None:
        lines.append("Content-Length: %d" % body_len)
    return ("\r\n".join(lines) + "\r\n\r\n").encode("ascii")


def plain(status, body, fields=()):
    return head(status, ["Content-Type: text/plain; charset=utf-8"] + list(fields), len(body)) + body


class Handler(socketserver.BaseRequestHandler):
    def setup(self):
        global connection_counter
        with counter_lock:
            connection_counter += 1
            self.conn_id = connection_counter
        self.requests = 0
        self.buffer = b""
        self.request.settimeout(30)

    def read_request(self):
        while b"\r\n\r\n" not in self.buffer:
            data = self.request.recv(65536)
            if not data:
                return None
            self.buffer += data
        end = self.buffer.index(b"\r\n\r\n")
        text = self.buffer[:end].decode("latin-1")
        self.buffer = self.buffer[end + 4:]
        lines = text.split("\r\n")
        method, path, version = lines[0].split(" ", 2)
        fields = {}
        for line in lines[1:]:
            name, _, value = line.partition(":")
            fields[name.strip().lower()] = value.strip()
        length = int(fields.get("content-length", "0"))
        while len(self.buffer) < length:
            data = self.request.recv(65536)
            if not data:
                return None
            self.buffer += data
        body, self.buffer = self.buffer[:length], self.buffer[length:]
        return method, path, version, fields, body, lines

    def handle(self):
        global last_activity
        while True:
            try:
                req = self.read_request()
            except (OSError, ValueError):
                return
            if req is None:
                return
            last_activity = time.monotonic()
            self.requests += 1
            method, path, version, fields, body, lines = req
            keep = version == "HTTP/1.1" and fields.get("connection", "").lower() != "close"
            try:
                keep = self.answer(method, path, version, fields, body, lines) and keep
            except OSError:
                return
            if not keep:
                return

    def send(self, data):
        self.request.sendall(data)

    # Each answer returns whether the connection may carry another request.
    def answer(self, method, target, version, fields, body, lines):
        s = self.send
        path = target.split("?", 1)[0]
        if path == "/hello":
            s(plain("200 OK", b"hello"))
        elif path == "/zh":
            s(plain("200 OK", "你好，世界！中文网页".encode("utf-8")))
        elif path == "/zh-gbk":
            data = "简体中文".encode("gbk")
            s(head("200 OK", ["Content-Type: text/html; charset=gbk"], len(data)) + data)
        elif path == "/echo":
            shown = ["method=" + method, "target=" + target, "version=" + version]
            for name in ("host", "accept", "accept-language", "referer", "cookie", "content-type",
                         "content-length", "connection"):
                if name in fields:
                    shown.append(name + "=" + fields[name])
            shown.append("order=" + ",".join(l.split(":")[0] for l in lines[1:]))
            shown.append("body=" + body.decode("latin-1"))
            s(plain("200 OK", "\n".join(shown).encode("latin-1")))
        elif path == "/conn":
            s(plain("200 OK", b"conn=%d req=%d" % (self.conn_id, self.requests)))
        elif path == "/chunked-hello":
            s(head("200 OK", ["Transfer-Encoding: chunked"]) + b"5\r\nhello\r\n0\r\n\r\n")
        elif path == "/chunked-odd":
            s(head("200 OK", ["Transfer-Encoding: chunked"]))
            pieces = [b"0x3\r\nabc\r\n", b"A;name=value\r\n0123456789\r\n", b"0X1f\r\n" + b"x" * 31 + b"\r\n",
                      b"1\r\n!\r\n", b"008\r\n" + "中文ok".encode("utf-8") + b"\r\n", b"0\r\nX-Trailer: 1\r\n\r\n"]
            data = b"".join(pieces)
            # In small irregular pieces, so that sizes and data straddle reads.
            i = 0
            for n in (1, 2, 3, 7, 1, 13, 5):
                s(data[i:i + n])
                i += n
                time.sleep(0.01)
            s(data[i:])
        elif path == "/chunked-bad":
            s(head("200 OK", ["Transfer-Encoding: chunked"]) + b"zz\r\nhello\r\n0\r\n\r\n")
            return False
        elif path == "/big-length":
            s(head("200 OK", [], 10485761))
            return False
        elif path == "/too-long":
            s(head("200 OK", [], 5) + b"hello, and more than announced")
            return False
        elif path == "/short":
            s(head("200 OK", [], 100) + b"0123456789")
            return False
        elif path == "/big-header":
            s(head("200 OK", ["X-Fill: " + "f" * 9000], 2) + b"ok")
            return False
        elif path == "/close":
            s(head("200 OK", ["Connection: close"]))
            for part in (b"close-", b"delimited ", "正文".encode("utf-8")):
                s(part)
                time.sleep(0.01)
            return False
        elif path.startswith("/redirect/"):
            n = int(path.rsplit("/", 1)[1])
            if n == 0:
                s(plain("200 OK", b"arrived"))
            else:
                # Absolute and relative targets in turn; the 302 has a body.
                target = ("http://127.0.0.1/redirect/%d" % (n - 1)) if n % 2 else str(n - 1)
                s(plain("302 Found", b"moved", ["Location: " + target]))
        elif path == "/moved":
            s(plain("301 Moved Permanently", b"", ["Location: /hello"]))
        elif path == "/404":
            s(plain("404 Not Found", b"no such page"))
        elif path == "/500":
            s(plain("500 Internal Server Error", "服务器内部错误".encode("utf-8")))
        elif path == "/gzip":
            data = gzip.compress(b"hello")
            s(head("200 OK", ["Content-Encoding: gzip"], len(data)) + data)
        elif path == "/continue":
            s(b"HTTP/1.1 100 Continue\r\n\r\n")
            time.sleep(0.01)
            s(plain("200 OK", b"after continue"))
        elif path == "/stall":
            if version == "HTTP/1.1":
                # The keep-alive try gets nothing; the client gives up after
                # its receive time-out and tries once more without keep-alive.
                time.sleep(12)
                return False
            s(plain("200 OK", b"answered the second try"))
        elif path == "/quit":
            s(plain("200 OK", b"bye"))
            threading.Thread(target=self.server.quit_all, daemon=True).start()
            return False
        else:
            s(plain("404 Not Found", b"unknown case"))
        return True


class Server(socketserver.ThreadingMixIn, socketserver.TCPServer):
    daemon_threads = True
    allow_reuse_address = True
    quit_all = None


def bind(port, context=None):
    deadline = time.monotonic() + BIND_PATIENCE
    while True:
        try:
            server = Server((HOST, port), Handler)
            break
        except OSError as e:
            if time.monotonic() > deadline:
                sys.exit("test server: cannot listen on %s:%d: %s" % (HOST, port, e))
            time.sleep(0.5)
    if context:
        server.socket = context.wrap_socket(server.socket, server_side=True, do_handshake_on_connect=True)
    return server


def make_certificate(folder):
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                    "-days", "2", "-subj", "/CN=127.0.0.1"], check=True, capture_output=True)
    return cert, key


def serve(folder):
    cert, key = make_certificate(folder)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    servers = [bind(PLAIN_PORT), bind(TLS_PORT, context)]
    stop = threading.Event()

    def quit_all():
        stop.set()
    for srv in servers:
        srv.quit_all = quit_all
        threading.Thread(target=srv.serve_forever, kwargs={"poll_interval": 0.05}, daemon=True).start()
    signal.signal(signal.SIGTERM, lambda *_: stop.set())
    with open(os.path.join(folder, "ready"), "w") as f:
        f.write(str(os.getpid()))
    started = time.monotonic()
    while not stop.wait(0.1):
        now = time.monotonic()
        if now - started > MAX_LIFETIME or now - last_activity > IDLE_LIFETIME:
            break
    for srv in servers:
        srv.shutdown()
        srv.server_close()
    try:
        os.remove(os.path.join(folder, "ready"))
    except OSError:
        pass


def start(folder):
    os.makedirs(folder, exist_ok=True)
    ready = os.path.join(folder, "ready")
    if os.path.exists(ready):
        stop(folder)
    log = open(os.path.join(folder, "server.log"), "w")
    proc = subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", folder], stdout=log,
                            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL, start_new_session=True)
    with open(os.path.join(folder, "pid"), "w") as f:
        f.write(str(proc.pid))
    deadline = time.monotonic() + BIND_PATIENCE + 15
    while time.monotonic() < deadline:
        if proc.poll() is not None:
            log.close()
            sys.stderr.write(open(os.path.join(folder, "server.log")).read())
            sys.exit("test server: did not start (exit code %d)" % proc.returncode)
        if os.path.exists(ready):
            print("test server: listening on %s:%d and %s:%d (TLS), pid %d" % (HOST, PLAIN_PORT, HOST, TLS_PORT, proc.pid))
            return
        time.sleep(0.1)
    proc.kill()
    sys.exit("test server: not ready in time")


def stop(folder):
    try:
        pid = int(open(os.path.join(folder, "pid")).read())
    except (OSError, ValueError):
        return
    try:
        with socket.create_connection((HOST, PLAIN_PORT), timeout=2) as c:
            c.sendall(b"GET /quit HTTP/1.0\r\n\r\n")
            c.recv(100)
    except OSError:
        pass
    for _ in range(50):
        try:
            os.kill(pid, 0)
        except OSError:
            break
        time.sleep(0.1)
    else:
        try:
            os.kill(pid, signal.SIGKILL)
        except OSError:
            pass
    try:
        os.waitpid(pid, os.WNOHANG)
    except OSError:
        pass
    os.remove(os.path.join(folder, "pid"))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop", "serve"):
        sys.exit(__doc__)
    {"start": start, "stop": stop, "serve": serve}[sys.argv[1]](sys.argv[2])
