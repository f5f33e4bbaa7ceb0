#!/usr/bin/python3
"""SMTP server on 127.0.0.1 for the mail tests.

Offers STARTTLS when given a certificate and, after it, AUTH LOGIN for one account. Every message it
accepts is written to OUT/<n>.eml (the bytes received) with OUT/<n>.json beside it (envelope, whether
TLS and which logins happened). Prints "READY <port>" once it listens; stops on SIGTERM or when its
standard input closes, so a test that dies leaves no server behind.
"""
import argparse
import base64
import email
import email.policy
import json
import os
import signal
import socket
import ssl
import sys
import threading

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def tree(part):
    """The MIME structure as Python's own parser reads it, for the tests to compare."""
    node = {
        "type": part.get_content_type(),
        "charset": part.get_param("charset"),
        "cte": part.get("Content-Transfer-Encoding"),
        "disposition": part.get_content_disposition(),
        "filename": part.get_filename(),
        "name": part.get_param("name"),
    }
    if part.is_multipart():
        node["parts"] = [tree(p) for p in part.iter_parts()]
    else:
        payload = part.get_payload(decode=True) or b""
        node["base64"] = base64.b64encode(payload).decode()
    return node


def headers(message):
    names = ["From", "To", "Cc", "Bcc", "Subject", "X-Mailer", "Return-Receipt-To", "Date", "Message-ID",
             "MIME-Version", "Content-Type"]
    return {n: [str(v) for v in message.get_all(n, [])] for n in names}


class Handler:
    def __init__(self, out, refuse):
        self.out = out
        self.refuse = set(a.lower() for a in refuse)
        self.count = 0
        self.logins = []

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() in self.refuse:
            return "550 5.1.1 <%s>: Recipient address rejected: no such user" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.out, str(self.count))
        data = envelope.original_content
        if data is None:
            data = envelope.content if isinstance(envelope.content, bytes) else envelope.content.encode()
        meta = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "tls": session.ssl is not None,
            "authenticated": bool(session.authenticated),
            "logins": self.logins,
        }
        message = email.message_from_bytes(data, policy=email.policy.default)
        meta["headers"] = headers(message)
        meta["tree"] = tree(message)
        meta["defects"] = [str(d) for d in message.defects]
        self.logins = []
        with open(base + ".eml.part", "wb") as f:
            f.write(data)
        os.rename(base + ".eml.part", base + ".eml")
        with open(base + ".json.part", "w") as f:
            json.dump(meta, f)
        os.rename(base + ".json.part", base + ".json")
        return "250 Message accepted for delivery"


class NoAuthHandler(Handler):
    """A server that takes mail without offering any login."""

    async def handle_EHLO(self, server, session, envelope, hostname, responses):
        session.host_name = hostname
        return [r for r in responses if not r.startswith("250-AUTH")]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--refuse", action="append", default=[])
    parser.add_argument("--no-auth", action="store_true", help="offer STARTTLS but no AUTH")
    args = parser.parse_args()

    handler = (NoAuthHandler if args.no_auth else Handler)(args.out, args.refuse)

    def authenticator(server, session, envelope, mechanism, auth_data):
        login = auth_data.login.decode("utf-8", "replace")
        password = auth_data.password.decode("utf-8", "replace")
        handler.logins.append({"mechanism": mechanism, "login": login, "password": password})
        ok = bool(args.user) and login == args.user and password == args.password
        return AuthResult(success=ok, handled=False)

    kwargs = {}
    if args.cert:
        ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        ctx.load_cert_chain(args.cert, args.key)
        kwargs["tls_context"] = ctx
        kwargs["authenticator"] = authenticator
        kwargs["auth_require_tls"] = True
        kwargs["auth_exclude_mechanism"] = ["PLAIN"]

    port = free_port()
    controller = Controller(handler, hostname="127.0.0.1", port=port, **kwargs)
    controller.start()
    print("READY %d" % port, flush=True)

    done = threading.Event()
    signal.signal(signal.SIGTERM, lambda *_: done.set())
    threading.Thread(target=lambda: (sys.stdin.read(), done.set()), daemon=True).start()
    done.wait()
    controller.stop()


if __name__ == "__main__":
    main()
