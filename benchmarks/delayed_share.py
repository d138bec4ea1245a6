#!/usr/bin/python3
"""A folder seen through a file server a round trip away: a FUSE pass-through
that waits a fixed time before every operation it is asked for.

    delayed_share.py FOLDER MOUNTPOINT DELAY_MS

runs in the foreground until the mount point is unmounted (fusermount -u).
Like the Linux SMB client, which keeps what it learnt of a name for a second
(actimeo=1), the kernel keeps names and attributes for a second; every
opening, reading, listing, creation and renaming is asked for again.
"""
import errno
import os
import sys
import time

from fusepy import FUSE, FuseOSError, Operations


class DelayedShare(Operations):
    def __init__(self, root, delay):
        self.root = root
        self.delay = delay

    def _path(self, path):
        time.sleep(self.delay)
        return os.path.join(self.root, path.lstrip("/"))

    def __call__(self, op, *args):
        try:
            return super().__call__(op, *args)
        except OSError as e:
            raise FuseOSError(e.errno or errno.EIO)

    def access(self, path, mode):
        if not os.access(self._path(path), mode):
            raise FuseOSError(errno.EACCES)

    def getattr(self, path, fh=None):
        st = os.lstat(self._path(path))
        return {key: getattr(st, key) for key in ("st_atime", "st_ctime", "st_gid", "st_mode", "st_mtime",
                                                  "st_nlink", "st_size", "st_uid")}

    def readdir(self, path, fh):
        return [".", ".."] + os.listdir(self._path(path))

    def readlink(self, path):
        return os.readlink(self._path(path))

    def mkdir(self, path, mode):
        os.mkdir(self._path(path), mode)

    def rmdir(self, path):
        os.rmdir(self._path(path))

    def unlink(self, path):
        os.unlink(self._path(path))

    def symlink(self, target, source):
        os.symlink(source, self._path(target))

    def link(self, target, source):
        os.link(self._path(source), self._path(target))

    def rename(self, old, new):
        os.rename(self._path(old), self._path(new))

    def chmod(self, path, mode):
        os.chmod(self._path(path), mode)

    def chown(self, path, uid, gid):
        os.chown(self._path(path), uid, gid)

    def truncate(self, path, length, fh=None):
        os.truncate(self._path(path), length)

    def utimens(self, path, times=None):
        os.utime(self._path(path), times)

    def open(self, path, flags):
        return os.open(self._path(path), flags)

    def create(self, path, mode, fi=None):
        return os.open(self._path(path), os.O_WRONLY | os.O_CREAT | os.O_EXCL, mode)

    def read(self, path, size, offset, fh):
        time.sleep(self.delay)
        return os.pread(fh, size, offset)

    def write(self, path, data, offset, fh):
        time.sleep(self.delay)
        return os.pwrite(fh, data, offset)

    def fsync(self, path, datasync, fh):
        time.sleep(self.delay)
        os.fsync(fh)

    def flush(self, path, fh):
        return 0

    def release(self, path, fh):
        os.close(fh)

    def statfs(self, path):
        st = os.statvfs(self._path(path))
        return {key: getattr(st, key) for key in ("f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail",
                                                  "f_ffree", "f_files", "f_flag", "f_frsize", "f_namemax")}


if __name__ == "__main__":
    folder, mountpoint, delay_ms = sys.argv[1:4]
    FUSE(DelayedShare(os.path.realpath(folder), float(delay_ms) / 1000), mountpoint, foreground=True,
         nothreads=False, attr_timeout=1.0, entry_timeout=1.0, negative_timeout=0)
