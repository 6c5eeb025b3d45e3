#!/usr/bin/python3
"""Writes the small seed corpora under fuzz/corpus/<target>/.

Run from anywhere: ./fuzz/make-seeds.py. Frame stores are written here by
hand after the table format the program uses (level-IV memo blocks, GR and M)
so the seeds do not depend on the program being built; the real sample
tables of tests/fixtures/dbase join them. JPEG seeds come from ImageMagick.
"""
import os
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def table_input(dbf, dbt):
    """The table target's input: dbf length, dbf bytes, dbt bytes."""
    return struct.pack("<I", len(dbf)) + dbf + dbt


def store(records, level4=True, fields=((b"GR", b"B"), (b"M", b"M")), block=512, extra_count=0):
    """A table with memo fields; records are lists of bytes (None = empty)."""
    header_len = 32 + 32 * len(fields) + 1
    rec_len = 1 + 10 * len(fields)
    dbt = bytearray(block)
    recs = bytearray()
    for rec in records:
        recs += b" "
        for value in rec:
            if not value:
                recs += b" " * 10
                continue
            start = len(dbt) // block
            if level4:
                memo = b"\xff\xff\x08\x00" + struct.pack("<I", len(value) + 8) + value + b"\x1f"
            else:
                memo = value + b"\x1a\x1a"
            memo += b"\0" * (-len(memo) % block)
            dbt += memo
            recs += str(start).rjust(10).encode()
    struct.pack_into("<I", dbt, 0, len(dbt) // block)
    dbt[8:12] = b"SIMU"
    struct.pack_into("<H", dbt, 20, block)
    head = bytearray(32)
    head[0] = 0x8B if level4 else 0x83
    head[1:4] = bytes([126, 12, 8])
    struct.pack_into("<IHH", head, 4, len(records) + extra_count, header_len, rec_len)
    head[29] = 0x57
    for name, kind in fields:
        d = bytearray(32)
        d[0:len(name)] = name
        d[11] = kind[0]
        d[16] = 10
        head += d
    head += b"\x0d"
    return bytes(head) + bytes(recs) + b"\x1a", bytes(dbt)


def first_records(dbf, dbt, n):
    """A real table cut down to its first n records, and its memo file to
    the blocks those records use, so seeds stay small."""
    count, header_len, rec_len = struct.unpack_from("<IHH", dbf, 4)
    n = min(n, count)
    head = bytearray(dbf[:header_len])
    struct.pack_into("<I", head, 4, n)
    recs = dbf[header_len:header_len + n * rec_len]
    memo_columns = []
    offset = 1
    for pos in range(32, header_len - 1, 32):
        if dbf[pos] == 0x0D:
            break
        if dbf[pos + 11] in b"BMG":
            memo_columns.append((offset, dbf[pos + 16]))
        offset += dbf[pos + 16]
    top = 1
    for r in range(n):
        for start, length in memo_columns:
            text = recs[r * rec_len + start:r * rec_len + start + length].strip(b" \0")
            if text.isdigit():
                top = max(top, int(text))
    return bytes(head) + recs + b"\x1a", dbt[:(top + 2) * 512]


def jpegs(tmp):
    out = {}
    specs = {
        "gray8": ["-size", "8x8", "gradient:black-white", "-colorspace", "Gray"],
        "rgb16_420": ["-size", "16x16", "plasma:fractal", "-sampling-factor", "2x2"],
        "rgb24_444": ["-size", "24x8", "gradient:red-blue", "-sampling-factor", "1x1"],
        "progressive": ["-size", "16x16", "gradient:green-yellow", "-interlace", "Plane"],
        "restart": ["-size", "32x16", "gradient:white-navy", "-define", "jpeg:restart-interval=1"],
    }
    for name, args in specs.items():
        path = os.path.join(tmp, name + ".jpg")
        subprocess.run(["convert", *args, "-quality", "50", "-strip", path], check=True)
        with open(path, "rb") as f:
            out[name] = f.read()
    return out


EVENTS = [
    "# 0000  Mouse:513 X=320 Y=240 Event:Left_Button_Down",
    "# 0000  --> KEYFRAME  Left=0 Top=0 Right=640 Bottom=480 --> .AVI File Open",
    "",
    "# 0001  Mouse:514 X=321 Y=241 Event:Left_Button_Up",
    "# 0001  --> UPDATE  Left=10 Top=20 Right=300 Bottom=200",
    "",
    "# 0002  KeyCode=13  Key=Enter    Press=1 PrevDn=0 Caps=0 Shift=0 Ctrl=0 Alt=0",
    "# 0002  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480",
    "",
    "# 0003  KeyCode=8  Key=\x08    Press=1 PrevDn=1 Caps=0 Shift=1 Ctrl=0 Alt=0",
    "# 0003  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480",
    "",
    "# 0004  Mouse:161 X=005 Y=017 Event:NCLeft_Button_Down",
    "# 0004  --> UPDATE  Left=0 Top=0 Right=640 Bottom=480",
]

STEPS = [
    "$$$$$$ Step  1",
    "%Screen =  0",
    "%Topic 'Lesson 2'",
    "%Location =  215 177 181 131",
    "%Scroll= 0",
    "First paragraph. ",
    "",
    "Second paragraph.",
    "!",
    "$$$$$$ Step  2",
    "%Screen =  1",
    "%Topic 'File/Connect'",
    "%Location =  224 172 181 131",
    "%GraphicFileName= 'E:\\FormDesigner\\bitmaps\\ARR_R1R.BMP'",
    "%GraphicMaskFile= 'E:\\FormDesigner\\bitmaps\\ARR_R1_.BMP'",
    "%GraphicTop=-5",
    "%GraphicLeft= 169",
    "%Scroll= 0",
    "It connects to a database.",
    "!",
    "$$$$$$ Step  3",
    "%Screen =  4",
    "%Topic 'Left'",
    "%Location = -10 400 181 131",
    "%GraphicFileName= 'E:\\FormDesigner\\bitmaps\\ARR_L1R.BMP'",
    "%GraphicMaskFile= 'E:\\FormDesigner\\bitmaps\\ARR_L1_.BMP'",
    "%GraphicTop= 046",
    "%GraphicLeft=-012",
    "%Scroll= 0",
    "Unclosed step at the end",
]


def write(target, name, data):
    d = os.path.join(CORPUS, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def main():
    with tempfile.TemporaryDirectory() as tmp:
        pics = jpegs(tmp)
    for name, data in pics.items():
        write("decoder", name, data)

    events = "\n".join(EVENTS).encode("latin-1")
    steps = "\n".join(STEPS).encode()
    frames = list(pics.values())
    write("table", "store3", table_input(*store([[frames[0], events], [frames[1], steps], [frames[2], None]])))
    write("table", "store_empty", table_input(*store([])))
    write("table", "store_onefield", table_input(*store([[b"abc"]], fields=((b"GR", b"B"),))))
    write("table", "store_level3", table_input(*store([[b"text one", b"x"], [None, b"two"]], level4=False)))
    write("table", "store_charfield",
          table_input(*store([[b"1"]], fields=((b"GR", b"B"), (b"NAME", b"C")))))
    write("table", "store_block64", table_input(*store([[b"a" * 100, b"b"]], block=64)))
    write("table", "store_overcount", table_input(*store([[b"x", b"y"]], extra_count=3)))
    fixtures = os.path.join(ROOT, "tests", "fixtures", "dbase")
    for base in ("dbase_83", "dbase_8b"):
        with open(os.path.join(fixtures, base + ".dbf"), "rb") as f:
            dbf = f.read()
        with open(os.path.join(fixtures, base + ".dbt"), "rb") as f:
            dbt = f.read()
        write("table", base, table_input(*first_records(dbf, dbt, 5)))

    write("event_script", "mixed", events)
    write("event_script", "one_mouse", "\n".join(EVENTS[:2]).encode())
    write("event_script", "trailing_separator", "\n".join(EVENTS[:3]).encode())
    write("step_script", "three_steps", steps)
    write("step_script", "one_step", "\n".join(STEPS[:9]).encode())
    for screen in ("0000", "0001", "0004", "0002"):
        write("narration", "screen" + screen, screen.encode() + b"\n" + steps)
    write("narration", "bad_location", b"0000\n" + steps.replace(b"215 177", b"2x5"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
