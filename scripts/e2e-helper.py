#!/usr/bin/env python3
"""Helpers of scripts/e2e.sh that the shell tools lack, with Python's standard library
only:

  style PORT SELECTOR PROPERTY   prints the computed style PROPERTY of the first element
                                 matching SELECTOR in the page the preview shows, read
                                 through QtWebEngine's remote debugging port PORT
  eval PORT EXPRESSION           prints the value of the script EXPRESSION in the page
                                 the preview shows, in the page's own world
  close WINDOW                   asks the X window WINDOW (decimal or 0x id) to close, as
                                 a window manager's close button does (WM_DELETE_WINDOW)
"""
import base64
import ctypes
import json
import os
import socket
import struct
import sys
import urllib.request


def websocket(url):
    host_port, path = url[len("ws://"):].split("/", 1)
    host, port = host_port.split(":")
    sock = socket.create_connection((host, int(port)), timeout=10)
    key = base64.b64encode(os.urandom(16)).decode()
    sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {host_port}\r\nUpgrade: websocket\r\n"
                  f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                  "Sec-WebSocket-Version: 13\r\n\r\n").encode())
    answer = b""
    while b"\r\n\r\n" not in answer:
        answer += sock.recv(4096)
    if b" 101 " not in answer.split(b"\r\n")[0]:
        raise SystemExit("no websocket: " + answer.decode(errors="replace"))
    return sock


def send_text(sock, text):
    data = text.encode()
    mask = os.urandom(4)
    head = bytes([0x81])
    if len(data) < 126:
        head += bytes([0x80 | len(data)])
    else:
        head += bytes([0x80 | 126]) + struct.pack(">H", len(data))
    sock.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))


def receive_exact(sock, count):
    data = b""
    while len(data) < count:
        chunk = sock.recv(count - len(data))
        if not chunk:
            raise SystemExit("the page's connection closed")
        data += chunk
    return data


def receive_text(sock):
    first, second = receive_exact(sock, 2)
    length = second & 0x7F
    if length == 126:
        length = struct.unpack(">H", receive_exact(sock, 2))[0]
    elif length == 127:
        length = struct.unpack(">Q", receive_exact(sock, 8))[0]
    return receive_exact(sock, length).decode()


def evaluate(port, expression):
    with urllib.request.urlopen(f"http://127.0.0.1:{port}/json", timeout=10) as reply:
        targets = json.load(reply)
    pages = [t for t in targets if t.get("type") == "page" and "webSocketDebuggerUrl" in t]
    if not pages:
        raise SystemExit("no page in the preview")
    sock = websocket(pages[0]["webSocketDebuggerUrl"])
    send_text(sock, json.dumps({"id": 1, "method": "Runtime.evaluate",
                                "params": {"expression": expression, "returnByValue": True}}))
    while True:
        message = json.loads(receive_text(sock))
        if message.get("id") == 1:
            print(message["result"]["result"].get("value", ""))
            return


def style(port, selector, prop):
    evaluate(port, f"(function(){{var e=document.querySelector({json.dumps(selector)});"
                   f"return e?getComputedStyle(e).getPropertyValue({json.dumps(prop)}):'';}})()")


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def close(window):
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise SystemExit("no X display")
    event = XEvent()
    event.client.type = 33  # ClientMessage
    event.client.window = window
    event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.client.data[1] = 0  # CurrentTime
    x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    x11.XFlush(display)


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "style":
        style(int(sys.argv[2]), sys.argv[3], sys.argv[4])
    elif len(sys.argv) == 4 and sys.argv[1] == "eval":
        evaluate(int(sys.argv[2]), sys.argv[3])
    elif len(sys.argv) == 3 and sys.argv[1] == "close":
        close(int(sys.argv[2], 0))
    else:
        raise SystemExit(__doc__)
