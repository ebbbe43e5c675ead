#!/usr/bin/env python3
"""An FTP server for the tests (pyftpdlib), on 127.0.0.1 only.

  ftp_server.py ROOT

User "user", password "pass", home ROOT. Prints its port on the first line.
"""
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

authorizer = DummyAuthorizer()
authorizer.add_user('user', 'pass', sys.argv[1], perm='elradfmwMT')
handler = FTPHandler
handler.authorizer = authorizer
handler.permit_foreign_addresses = False
server = FTPServer(('127.0.0.1', 0), handler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever(timeout=0.5, blocking=True)
