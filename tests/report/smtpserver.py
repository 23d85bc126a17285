#!/usr/bin/python3
"""A mail server for the mail sender's tests, on 127.0.0.1 and a free port.

    smtpserver.py --out DIR [--mode plain|starttls|tls|silent|drop] [--cert FILE --key FILE]
                  [--auth USER:PASSWORD] [--refuse ADDRESS] [--max-size BYTES]

Prints "PORT <n>" once it listens, then serves until its standard input closes (or two minutes
pass). Each message it accepts is written as DIR/<n>.eml, as received, and DIR/<n>.json: the
envelope, the user who logged in, and the message as Python's email package reads it back
(headers decoded, bodies, attachments with their names, sizes and SHA-256).

Modes: plain (no TLS), starttls (offers STARTTLS and requires it), tls (TLS from the first
byte), silent (accepts connections and never says a word), drop (answers like a server up to
DATA, then closes the connection in the middle of the message).
"""
import argparse
import asyncio
import email
import email.policy
import hashlib
import json
import logging
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

LIFETIME = 120


def decoded(raw):
    message = email.message_from_bytes(raw, policy=email.policy.default)
    result = {
        "headers": [name for name in message.keys()],
        "subject": str(message["subject"] or ""),
        "from": str(message["from"] or ""),
        "to": str(message["to"] or ""),
        "cc": str(message["cc"] or ""),
        "reply_to": str(message["reply-to"] or ""),
        "message_id": str(message["message-id"] or ""),
        "date": str(message["date"] or ""),
        "from_names": [a.display_name for a in message["from"].addresses] if message["from"] else [],
        "to_names": [a.display_name for a in message["to"].addresses] if message["to"] else [],
        "text": "",
        "html": "",
        "attachments": [],
    }
    try:
        result["date_valid"] = message["date"].datetime is not None
    except (AttributeError, TypeError, ValueError):
        result["date_valid"] = False
    for part in message.walk():
        if part.is_multipart():
            continue
        if part.get_content_disposition() == "attachment":
            data = part.get_payload(decode=True) or b""
            result["attachments"].append({
                "filename": part.get_filename() or "",
                "content_type": part.get_content_type(),
                "size": len(data),
                "sha256": hashlib.sha256(data).hexdigest(),
            })
        elif part.get_content_type() == "text/plain" and not result["text"]:
            result["text"] = part.get_content().replace("\r\n", "\n")
        elif part.get_content_type() == "text/html" and not result["html"]:
            result["html"] = part.get_content().replace("\r\n", "\n")
    return result


class Handler:
    def __init__(self, out, refused):
        self.out = out
        self.refused = set(refused)
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.refused:
            return f"550 5.1.1 <{address}>: Recipient address rejected"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.out, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content)
        record = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": session.auth_data.decode() if isinstance(session.auth_data, bytes) else None,
            "message": decoded(envelope.original_content),
        }
        with open(base + ".tmp", "w", encoding="utf-8") as f:
            json.dump(record, f)
        os.replace(base + ".tmp", base + ".json")
        return "250 2.0.0 Message accepted"


class Authenticator:
    def __init__(self, user, password):
        self.user = user.encode()
        self.password = password.encode()

    def __call__(self, server, session, envelope, mechanism, auth_data):
        ok = isinstance(auth_data, LoginPassword) and auth_data.login == self.user \
            and auth_data.password == self.password
        return AuthResult(success=ok, handled=False, auth_data=auth_data.login if ok else None)


class Silent(asyncio.Protocol):
    def connection_made(self, transport):
        self.transport = transport


class Dropping(asyncio.Protocol):
    """Speaks just enough SMTP to be sent a message, then hangs up in the middle of it."""

    def connection_made(self, transport):
        self.transport = transport
        self.buffer = b""
        self.in_data = False
        self.data_bytes = 0
        transport.write(b"220 localhost ESMTP\r\n")

    def data_received(self, data):
        if self.in_data:
            self.data_bytes += len(data)
            if self.data_bytes > 1000:
                self.transport.close()
            return
        self.buffer += data
        while b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            verb = line.strip().split(b" ")[0].upper()
            if verb == b"EHLO":
                self.transport.write(b"250-localhost\r\n250 8BITMIME\r\n")
            elif verb == b"DATA":
                self.in_data = True
                self.transport.write(b"354 End data with <CR><LF>.<CR><LF>\r\n")
                return
            elif verb == b"QUIT":
                self.transport.write(b"221 Bye\r\n")
                self.transport.close()
            else:
                self.transport.write(b"250 OK\r\n")


def main():
    # The failures the tests provoke (refused certificates, hang-ups) are logged by aiosmtpd and
    # asyncio as errors; they are expected here. A crash of this script still prints.
    logging.disable(logging.ERROR)
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    parser.add_argument("--mode", default="plain", choices=["plain", "starttls", "tls", "silent", "drop"])
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--auth")
    parser.add_argument("--refuse", action="append", default=[])
    parser.add_argument("--max-size", type=int, default=64 * 1024 * 1024)
    args = parser.parse_args()

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    context = None
    if args.mode in ("starttls", "tls"):
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)

    handler = Handler(args.out, args.refuse)
    options = {"data_size_limit": args.max_size, "hostname": "localhost", "loop": loop}
    if args.auth:
        user, password = args.auth.split(":", 1)
        options["authenticator"] = Authenticator(user, password)
        options["auth_required"] = True
    if args.mode == "starttls":
        options.update(tls_context=context, require_starttls=True)
    if args.mode == "tls":
        # The connection is encrypted from the start, which aiosmtpd does not see by itself.
        options["auth_require_tls"] = False

    if args.mode == "silent":
        factory = Silent
    elif args.mode == "drop":
        factory = Dropping
    else:
        def factory():
            return SMTP(handler, **options)

    server = loop.run_until_complete(loop.create_server(
        factory, "127.0.0.1", 0, ssl=context if args.mode == "tls" else None))
    print(f"PORT {server.sockets[0].getsockname()[1]}", flush=True)

    def on_input():
        if not os.read(sys.stdin.fileno(), 4096):
            loop.stop()

    loop.add_reader(sys.stdin.fileno(), on_input)
    loop.call_later(LIFETIME, loop.stop)
    loop.run_forever()
    server.close()


if __name__ == "__main__":
    main()
