"""Writes a level-III table with text memos through python3-dbf.

usage: write_level3_table.py TABLE.dbf
Records: (name, memo) pairs below; the engine test reads them back.
"""
import sys

import dbf

RECORDS = [
    ("alpha", "First memo text\r\nsecond line"),
    ("beta", "long " * 300),
    ("gamma", ""),
    ("delta", "last"),
]


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    table = dbf.Table(sys.argv[1], "name C(10); desc M", dbf_type="db3")
    table.open(dbf.READ_WRITE)
    for name, memo in RECORDS:
        table.append((name, memo))
    table.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
