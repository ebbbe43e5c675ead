#!/usr/bin/env python3
"""A POP3 server for the tests: dovecot in the foreground with its own
configuration under a temporary folder, on 127.0.0.1 only.

  pop3_server.py FOLDER MESSAGES

User "user", password "pass", a mailbox with MESSAGES messages. Prints the
port on the first line once the server answers, and stops dovecot when its
standard input closes.
"""
import os
import socket
import subprocess
import sys
import time

folder, messages = os.path.abspath(sys.argv[1]), int(sys.argv[2])
home = os.path.join(folder, 'home')
for sub in ('cur', 'new', 'tmp'):
    os.makedirs(os.path.join(home, 'Maildir', sub), exist_ok=True)
for i in range(messages):
    with open(os.path.join(home, 'Maildir', 'new', '%d.test' % (i + 1)), 'w') as f:
        f.write('Subject: test %d\n\nmessage %d\n.two dots\n' % (i + 1, i + 1))
probe = socket.socket()
probe.bind(('127.0.0.1', 0))
port = probe.getsockname()[1]
probe.close()
run = os.path.join(folder, 'run')
os.makedirs(run, exist_ok=True)
with open(os.path.join(folder, 'passwd'), 'w') as f:
    f.write('user:{PLAIN}pass:65534:65534::%s\n' % home)
conf = os.path.join(folder, 'dovecot.conf')
with open(conf, 'w') as f:
    f.write('''protocols = pop3
listen = 127.0.0.1
base_dir = %(run)s
state_dir = %(run)s
log_path = %(folder)s/dovecot.log
ssl = no
disable_plaintext_auth = no
auth_mechanisms = plain
first_valid_uid = 1
default_internal_user = dovecot
default_login_user = dovenull
passdb {
  driver = passwd-file
  args = %(folder)s/passwd
}
userdb {
  driver = passwd-file
  args = %(folder)s/passwd
}
mail_location = maildir:~/Maildir
service pop3-login {
  inet_listener pop3 {
    address = 127.0.0.1
    port = %(port)d
  }
}
''' % {'run': run, 'folder': folder, 'port': port})
for path, dirs, files in os.walk(folder):
    os.chmod(path, 0o755)
subprocess.run(['chown', '-R', '65534:65534', home], check=False)
dovecot = subprocess.Popen(['dovecot', '-F', '-c', conf])
for _ in range(100):
    try:
        socket.create_connection(('127.0.0.1', port), timeout=0.2).close()
        break
    except OSError:
        time.sleep(0.1)
print(port, flush=True)
try:
    sys.stdin.read()
finally:
    dovecot.terminate()
    dovecot.wait()
