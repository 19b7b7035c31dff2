#!/usr/bin/python3
"""Checks the version resource of a Windows executable, what Explorer shows as its
properties: the product name, the description, the file and product version and the
copyright. Prints them.
    check-version-resource.py solva-tx.exe VERSION"""
import sys

import pefile

path, version = sys.argv[1], sys.argv[2]
pe = pefile.PE(path, fast_load=True)
pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
strings = {}
for info in getattr(pe, "FileInfo", [[]])[0]:
    if info.Key == b"StringFileInfo":
        for table in info.StringTable:
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
for key, value in sorted(strings.items()):
    print(f"{key}: {value}")
fixed = pe.VS_FIXEDFILEINFO[0]
numbers = [fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF, fixed.FileVersionLS >> 16]
expected = {"ProductName": "SOLVA-TX", "FileVersion": version, "ProductVersion": version}
wrong = [k for k, v in expected.items() if strings.get(k) != v]
wrong += [k for k in ("FileDescription", "LegalCopyright") if not strings.get(k)]
if ".".join(map(str, numbers)) != version:
    wrong.append("the fixed file version")
if wrong:
    sys.exit(f"{path}: wrong or missing in the version resource: {', '.join(wrong)}")
