#!/usr/bin/env python3
"""An FTP server that plays a script, for replies no real server sends.

  scripted_ftp.py SCRIPT TRANSCRIPT

SCRIPT holds one step per line: the greeting first ("> reply lines"), then
pairs of "< COMMAND" (what the client must send, checked) and "> reply".
A reply of "PASV" opens a data listener and answers 227 with its port;
"DATA" reads the data connection to its end before the next reply; "HANG"
stops answering until the client closes. "\\n" inside a reply separates lines. Every received line
goes to TRANSCRIPT. Prints the port on the first line.
"""
import socket
import sys
import time

steps = [l.rstrip('\n') for l in open(sys.argv[1], encoding='latin-1') if l.strip()]
transcript = open(sys.argv[2], 'w', encoding='latin-1', buffering=1)
server = socket.socket()
server.bind(('127.0.0.1', 0))
server.listen(1)
print(server.getsockname()[1], flush=True)
conn, _ = server.accept()
reader = conn.makefile('rb')
data_listener = None


def send(text):
    global data_listener
    for part in text.split('\\n'):
        if part == 'HANG':
            # Silent until the client gives up and closes.
            while conn.recv(1024):
                pass
        elif part == 'PASV':
            data_listener = socket.socket()
            data_listener.bind(('127.0.0.1', 0))
            data_listener.listen(1)
            port = data_listener.getsockname()[1]
            conn.sendall(('227 Entering Passive Mode (10,9,8,7,%d,%d)\r\n' % (port // 256, port % 256)).encode())
        elif part == 'DATA':
            data, _ = data_listener.accept()
            while data.recv(65536):
                pass
            data.close()
        else:
            conn.sendall((part + '\r\n').encode('latin-1'))


for step in steps:
    if step.startswith('> '):
        send(step[2:])
    elif step.startswith('< '):
        line = reader.readline().decode('latin-1').rstrip('\r\n')
        transcript.write(line + '\n')
        if line != step[2:]:
            transcript.write('UNEXPECTED, wanted: ' + step[2:] + '\n')
            break
time.sleep(0.5)
