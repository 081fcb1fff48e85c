#!/usr/bin/env python3
"""A stand-in for Speech Dispatcher, for the tests and the benchmark of the
game's voice on Linux: it listens on a UNIX socket (the path that
SPEECHD_ADDRESS names as unix_socket:PATH), answers the SSIP protocol as far
as libspeechd needs it, and writes each text it is sent to a record, one a
line, with the moment it arrived (CLOCK_MONOTONIC, nanoseconds):
    <ns> CONNECT
    <ns> SPEAK <text>
    <ns> CANCEL
  speech_service_standin.py SOCKET RECORD [answer | close-after N | hang-after N]
close-after N: once N texts have come, it closes every socket and ends, as a
service that dies. hang-after N: once N texts have come, it reads and answers
nothing more (new clients still connect), as a service that hangs. It ends by
itself after an hour, and on SIGTERM."""
import os
import selectors
import socket
import sys
import time

path, record_path = sys.argv[1], sys.argv[2]
mode, limit = (sys.argv[3], int(sys.argv[4])) if len(sys.argv) == 5 else ("answer", 0)
record = open(record_path, "a", encoding="utf-8")
texts = 0

# The answers to each command's first word; SPEAK's come with its text.
ANSWERS = {"SET": "208 OK SET", "CANCEL": "210 OK CANCELED", "STOP": "210 OK STOPPED", "QUIT": "231 HAPPY HACKING"}


def hung():
    return mode == "hang-after" and texts >= limit


def note(line):
    record.write(f"{time.monotonic_ns()} {line}\n")
    record.flush()


def take(state, line):
    """One SSIP line (without CR LF) from a client; returns the answer."""
    global texts
    if state["text"] is not None:
        if line != ".":
            # A leading dot is doubled on the wire; lines of a text join with spaces.
            state["text"].append(line[1:] if line.startswith("..") else line)
            return None
        note("SPEAK " + " ".join(state["text"]).replace("\n", " "))
        state["text"] = None
        texts += 1
        return f"225-{texts}\r\n225 OK MESSAGE QUEUED"
    word = line.split(" ", 1)[0].upper()
    if word == "SPEAK":
        state["text"] = []
        return "230 OK RECEIVING DATA"
    if word in ("CANCEL", "STOP"):
        note("CANCEL")
    return ANSWERS.get(word, "200 OK")


def main():
    if os.path.exists(path):
        os.unlink(path)
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(path)
    listener.listen(8)
    watch = selectors.DefaultSelector()
    watch.register(listener, selectors.EVENT_READ)
    clients = {}
    deadline = time.monotonic() + 3600
    while time.monotonic() < deadline:
        for key, _ in watch.select(timeout=1):
            if key.fileobj is listener:
                client, _ = listener.accept()
                note("CONNECT")
                clients[client] = {"bytes": b"", "text": None}
                if not hung():
                    watch.register(client, selectors.EVENT_READ)
                continue
            client, state = key.fileobj, clients[key.fileobj]
            got = client.recv(4096)
            if not got:
                watch.unregister(client)
                del clients[client]
                client.close()
                continue
            state["bytes"] += got
            while b"\r\n" in state["bytes"] and not hung():
                line, state["bytes"] = state["bytes"].split(b"\r\n", 1)
                answer = take(state, line.decode("utf-8", "replace"))
                if answer:
                    client.send(answer.encode() + b"\r\n")
        if mode == "close-after" and texts >= limit:
            for client in clients:
                client.close()
            listener.close()
            os.unlink(path)
            return
        if hung():
            # Nothing more is read: clients stay connected, unanswered.
            for client in clients:
                if client in watch.get_map():
                    watch.unregister(client)


main()
