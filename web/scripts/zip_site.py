"""Zips the site's files for any static host, so that every build of a commit
gives the same bytes: the files in the order given, each dated the given
time (SOURCE_DATE_EPOCH), with no other time, owner or attribute recorded.

    zip_site.py ZIP EPOCH FILE...
"""
import os
import sys
import time
import zipfile

archive_path, epoch, *paths = sys.argv[1:]
date = time.gmtime(max(int(epoch or 0), 315532800))[:6]  # zip dates start in 1980
with zipfile.ZipFile(archive_path, "w") as archive:
    for path in paths:
        entry = zipfile.ZipInfo(os.path.basename(path), date)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(path, "rb") as file:
            archive.writestr(entry, file.read(), compresslevel=9)
