# The user's own folder becomes writable again; the project tree stays read-only.
chmod -R u+w projects/tester
