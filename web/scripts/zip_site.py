"""Zips the site's folder for any static host, so that it unpacks into one
folder named after the .zip, and every build of a commit gives the same
bytes: its files in the order of their names, each dated the given time
(SOURCE_DATE_EPOCH), with no other time, owner or attribute recorded.

    zip_site.py ZIP EPOCH FOLDER
"""
import os
import sys
import time
import zipfile

archive_path, epoch, folder = sys.argv[1:]
top = os.path.splitext(os.path.basename(archive_path))[0]
date = time.gmtime(max(int(epoch or 0), 315532800))[:6]  # zip dates start in 1980
with zipfile.ZipFile(archive_path, "w") as archive:
    for name in sorted(os.listdir(folder)):
        entry = zipfile.ZipInfo(f"{top}/{name}", date)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(os.path.join(folder, name), "rb") as file:
            archive.writestr(entry, file.read(), compresslevel=9)
