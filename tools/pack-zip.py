#!/usr/bin/python3
# Packs files into a zip that has the same bytes on every build: the
# entries in the order given, each dated SOURCE_DATE_EPOCH (else
# 2000-01-01) and readable by all, with no owner or access times.
#   pack-zip.py OUT.zip NAME=FILE...
import os
import sys
import time
import zipfile

out, *entries = sys.argv[1:]
stamp = max(time.gmtime(int(os.environ.get('SOURCE_DATE_EPOCH', '946684800')))[:6], (1980, 1, 1, 0, 0, 0))
with zipfile.ZipFile(out, 'w') as archive:
    for entry in entries:
        name, path = entry.split('=', 1)
        info = zipfile.ZipInfo(name, stamp)
        info.external_attr = 0o644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(path, 'rb') as file:
            archive.writestr(info, file.read())
