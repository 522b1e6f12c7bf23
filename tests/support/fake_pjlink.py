#!/usr/bin/python3
"""A projector on a loopback port for the tests: it speaks the projector control protocol honestly (greeting,
password, class 1 and 2, warm-up and cool-down) and misbehaves on request.

  fake_pjlink.py [--port N] [--password P] [--class 1|2] [--warm S] [--cool S] [--power on|off]
                 [--inputs "11 31 32"] [--name NAME] [--fault "FAULT"]... [--control-port N] [--idle S]
                 [--lifetime S]

With --port 0 it picks a free port and prints "port N" as the first line of standard output; the same for the
control port ("control N"). Then every line it receives is printed as "> LINE", and what happens to the
connection as "# ...", so a test can assert what a client sent. Like a real projector it closes a connection
after --idle seconds without a command (30; 0 never). It ends on SIGTERM and after --lifetime seconds (300), so
that a test that crashed leaves nothing running.

Faults, by --fault at start or as "fault ..." lines on the control port (127.0.0.1), answered "ok":
  delay S      wait S seconds before each reply          silent   never greet, never answer
  close        close the connection after every reply    drop     leave the next reply out, once
  erra         refuse every password (and no password)   err4     answer every command ERR4
  erst DIGITS  the error status (six digits 0..2)        garbage  answer bytes that are no reply
  flood        answer an endless line without a CR       none     all faults off
The control port also takes "power on|off" (at once, no warm-up) and "quit".
"""

import argparse
import asyncio
import hashlib
import os
import random
import signal
import string
import sys

HEAD_LEN = 6  # "%1POWR"
ERRORS_DEFAULT = "000000"


def log(text):
    print(text, flush=True)


class Projector:
    def __init__(self, args):
        self.password = args.password
        self.klass = args.klass
        self.warm = args.warm
        self.cool = args.cool
        self.power = 1 if args.power == "on" else 0
        self.inputs = args.inputs.split()
        self.input = self.inputs[0] if self.inputs else "11"
        self.mute = "30"
        self.name = args.name
        self.idle = args.idle
        self.errors = ERRORS_DEFAULT
        self.faults = {}
        self.change = None  # the pending end of a warm-up or cool-down
        for fault in args.fault:
            error = self.set_fault(fault.split())
            if error:
                sys.exit(f"fake_pjlink: {error}")

    # -- faults ----------------------------------------------------------------------------------------------
    def set_fault(self, words):
        if not words:
            return "fault what?"
        kind, rest = words[0], words[1:]
        if kind == "none":
            self.faults.clear()
            self.errors = ERRORS_DEFAULT
        elif kind == "delay" and len(rest) == 1:
            self.faults["delay"] = float(rest[0])
        elif kind == "erst" and len(rest) == 1 and len(rest[0]) == 6 and set(rest[0]) <= set("012"):
            self.errors = rest[0]
        elif kind in ("silent", "close", "drop", "erra", "err4", "garbage", "flood") and not rest:
            self.faults[kind] = True
        else:
            return f"no fault {' '.join(words)!r}"
        return None

    # -- power -----------------------------------------------------------------------------------------------
    def busy(self):
        return self.power in (2, 3)

    def switch(self, on):
        if self.busy():
            return "ERR3"
        if (self.power == 1) == on:
            return "OK"
        seconds = self.warm if on else self.cool
        if seconds <= 0:
            self.power = 1 if on else 0
            return "OK"
        self.power = 3 if on else 2
        loop = asyncio.get_running_loop()
        self.change = loop.call_later(seconds, self.settle, 1 if on else 0)
        return "OK"

    def settle(self, power):
        self.power = power
        self.change = None
        log(f"# power {power}")

    def force(self, on):
        if self.change:
            self.change.cancel()
            self.change = None
        self.power = 1 if on else 0

    # -- commands --------------------------------------------------------------------------------------------
    def answer(self, line):
        """The reply to one command line (without its CR)."""
        if len(line) < HEAD_LEN or line[0] != "%" or line[1] not in "12":
            return "%1XXXX=ERR1"
        klass, command, head = int(line[1]), line[2:HEAD_LEN].upper(), line[:HEAD_LEN]
        parameter = line[HEAD_LEN + 1 :]
        if klass > self.klass or (len(line) > HEAD_LEN and line[HEAD_LEN] != " "):
            return f"{head}=ERR1"
        if self.faults.get("err4"):
            return f"{head}=ERR4"
        data = self.data(klass, command, parameter)
        return f"{head}={data}"

    def data(self, klass, command, parameter):
        query = parameter == "?"
        on = self.power == 1
        if command == "POWR":
            if query:
                return str(self.power)
            if parameter in ("0", "1"):
                return self.switch(parameter == "1")
            return "ERR2"
        if command == "INPT":
            if not on:
                return "ERR3"
            if query:
                return self.input
            if klass == 1 and not (len(parameter) == 2 and parameter[1] in "123456789"):
                return "ERR2"
            if parameter not in self.inputs:
                return "ERR2"
            self.input = parameter
            return "OK"
        if command == "AVMT":
            if not on:
                return "ERR3"
            if query:
                return self.mute
            if parameter in ("10", "11", "20", "21", "30", "31"):
                self.mute = parameter
                return "OK"
            return "ERR2"
        answers = {
            "ERST": self.errors,
            "LAMP": f"1234 {1 if on else 0}",
            "INST": " ".join(i for i in self.inputs if klass == 2 or i[1] in "123456789"),
            "NAME": self.name,
            "INF1": "FAKE",
            "INF2": "Loopback " + str(self.klass),
            "INFO": "",
            "CLSS": str(self.klass),
        }
        if klass == 2:
            answers |= {"SNUM": "FK0001", "SVER": "1.0", "FREZ": "0", "RLMP": "", "RFIL": ""}
            if command in ("SVOL", "MVOL"):
                return "OK" if parameter in ("0", "1") else "ERR2"
            if command == "INNM" and parameter.startswith("?"):
                return f"Input {parameter[1:]}" if parameter[1:] in self.inputs else "ERR2"
        if command in answers and query:
            return answers[command]
        return "ERR2" if command in answers else "ERR1"


class Server:
    def __init__(self, projector):
        self.projector = projector
        self.busy = asyncio.Lock()  # one client at a time, as many projectors take

    async def client(self, reader, writer):
        async with self.busy:
            log("# connected")
            try:
                await self.talk(reader, writer)
            except (ConnectionError, asyncio.IncompleteReadError):
                pass
            finally:
                writer.close()
                log("# closed")

    async def talk(self, reader, writer):
        p = self.projector
        if p.faults.get("silent"):
            while await reader.read(4096):
                pass
            return
        random_part = "".join(random.choices(string.ascii_letters + string.digits, k=8))
        challenge = bool(p.password) or p.faults.get("erra")
        writer.write(f"PJLINK 1 {random_part}\r".encode() if challenge else b"PJLINK 0\r")
        await writer.drain()
        expected = hashlib.md5((random_part + (p.password or "")).encode()).hexdigest()
        first = True
        while True:
            try:
                line = await asyncio.wait_for(self.read_line(reader), p.idle or None)
            except asyncio.TimeoutError:
                log("# idle: closed")
                return
            if line is None:
                return
            if first and challenge:
                digest, line = line[:32], line[32:]
                if p.faults.get("erra") or digest != expected:
                    log(f"> {line}")
                    log("# password refused")
                    writer.write(b"PJLINK ERRA\r")
                    await writer.drain()
                    return
            first = False
            log(f"> {line}")
            reply = p.answer(line)
            if p.faults.get("delay"):
                await asyncio.sleep(p.faults["delay"])
            if p.faults.pop("drop", False):
                log("# reply dropped")
                continue
            if p.faults.get("flood"):
                log("# flooding")
                for _ in range(4096):  # 16 MiB at most, should the client never give up
                    writer.write(b"A" * 4096)
                    await writer.drain()
                return
            if p.faults.get("garbage"):
                writer.write(b"\x00\xff%1PO=\x1b[2J?\r")
            else:
                writer.write(reply.encode() + b"\r")
            await writer.drain()
            if p.faults.get("close"):
                return

    @staticmethod
    async def read_line(reader):
        """One line ended by CR or LF (the other, when it follows, is skipped as an empty line)."""
        data = bytearray()
        while True:
            byte = await reader.read(1)
            if not byte:
                return None
            if byte in b"\r\n":
                if data:
                    return data.decode("latin-1")
                continue
            data += byte
            if len(data) > 1024:
                return data.decode("latin-1")


async def control(projector, reader, writer):
    try:
        await obey(projector, reader, writer)
    except ConnectionError:
        pass  # a shell's `echo ... >/dev/tcp/...` does not wait for the "ok"
    finally:
        writer.close()


async def obey(projector, reader, writer):
    async for raw in reader:
        words = raw.decode("latin-1").split()
        if not words:
            continue
        error = None
        if words[0] == "fault":
            error = projector.set_fault(words[1:])
        elif words[0] == "power" and len(words) == 2 and words[1] in ("on", "off"):
            projector.force(words[1] == "on")
        elif words == ["quit"]:
            writer.write(b"ok\n")
            await writer.drain()
            os.kill(os.getpid(), signal.SIGTERM)
            return
        else:
            error = "unknown"
        log(f"# control {' '.join(words)}")
        writer.write(f"error {error}\n".encode() if error else b"ok\n")
        await writer.drain()


async def main(args):
    projector = Projector(args)
    server = Server(projector)
    listener = await asyncio.start_server(server.client, "127.0.0.1", args.port)
    log(f"port {listener.sockets[0].getsockname()[1]}")
    controller = None
    if args.control_port is not None:
        controller = await asyncio.start_server(
            lambda r, w: control(projector, r, w), "127.0.0.1", args.control_port
        )
        log(f"control {controller.sockets[0].getsockname()[1]}")
    stop = asyncio.Event()
    loop = asyncio.get_running_loop()
    for number in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(number, stop.set)
    try:
        await asyncio.wait_for(stop.wait(), args.lifetime)
    except asyncio.TimeoutError:
        log("# lifetime over")


def options():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--control-port", type=int)
    parser.add_argument("--password", default="")
    parser.add_argument("--class", dest="klass", type=int, choices=(1, 2), default=1)
    parser.add_argument("--warm", type=float, default=3)
    parser.add_argument("--cool", type=float, default=3)
    parser.add_argument("--power", choices=("on", "off"), default="off")
    parser.add_argument("--inputs", default="11 31 32")
    parser.add_argument("--name", default="fake")
    parser.add_argument("--fault", action="append", default=[])
    parser.add_argument("--idle", type=float, default=30)  # seconds without a command before it closes; 0 never
    parser.add_argument("--lifetime", type=float, default=300)
    return parser.parse_args()


if __name__ == "__main__":
    try:
        asyncio.run(main(options()))
    except KeyboardInterrupt:
        pass
