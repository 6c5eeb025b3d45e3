"""Prints every field of every record of a table as read by python3-dbfread.

usage: read_with_dbfread.py TABLE.dbf
One line per record: NAME=hex pairs separated by tabs, fields in table order.
Memo and binary fields are read by honouring the level-IV length word
(dbfread's own memo reader stops at the first 0x1F and reads 8 bytes too
many); blocks without the level-IV header are read up to the first 0x1A.
"""
import struct
import sys

from dbfread import DBF, FieldParser
from dbfread.memo import DB4MemoFile, DB3MemoFile


class ExactMemoParser(FieldParser):
    def __init__(self, table, memofile=None):
        super().__init__(table, memofile)
        self._memofile = memofile
        if isinstance(memofile, (DB4MemoFile, DB3MemoFile)):
            self.get_memo = self._read_memo

    def _block_size(self):
        f = self._memofile.file
        f.seek(20)
        size = struct.unpack("<H", f.read(2))[0]
        return size if isinstance(self._memofile, DB4MemoFile) and size else 512

    def _read_memo(self, index):
        if index <= 0:
            return b""
        f = self._memofile.file
        f.seek(index * self._block_size())
        head = f.read(8)
        if head[:4] == b"\xff\xff\x08\x00":
            length = struct.unpack("<I", head[4:])[0]
            data = f.read(length - 8)
            if len(data) != length - 8:
                raise ValueError("memo runs past the end of the file")
            return data
        data = head + f.read()
        return data.split(b"\x1a", 1)[0]

    def parseM(self, field, data):
        return self.get_memo(self._parse_memo_index(data)) or b""

    def parseB(self, field, data):
        return self.parseM(field, data)

    def parseG(self, field, data):
        return self.parseM(field, data)

    def parseC(self, field, data):
        return data


def as_bytes(value):
    """Large objects and strings as stored; other values as their text."""
    if isinstance(value, (bytes, bytearray)):
        return bytes(value)
    return str(value).encode("latin-1")


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    table = DBF(sys.argv[1], parserclass=ExactMemoParser, encoding="latin-1", char_decode_errors="strict")
    for record in table:
        sys.stdout.write("\t".join("%s=%s" % (name, as_bytes(value).hex()) for name, value in record.items()) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
