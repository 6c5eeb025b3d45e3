"""The second floor of the insert goal: Debian's python3-dbf appending the
bench frames to a table with a memo field, one frame file read and appended
per record. Prints one JSON object: seconds per frame, wall and CPU, for
each repetition."""
import glob
import json
import os
import sys
import tempfile
import time

import dbf


def one_round(frames, rounds_of_frames):
    with tempfile.TemporaryDirectory() as work:
        # A binary memo, so the JPEG bytes are stored unchanged as ours are.
        table = dbf.Table(os.path.join(work, "simu.dbf"), "GR M binary; M M", dbf_type="vfp")
        table.open(dbf.READ_WRITE)
        count = 0
        wall = time.perf_counter()
        cpu = time.process_time()
        for _ in range(rounds_of_frames):
            for name in frames:
                with open(name, "rb") as f:
                    table.append({"gr": f.read()})
                count += 1
        cpu = time.process_time() - cpu
        wall = time.perf_counter() - wall
        table.close()
    return {"wall": wall / count, "cpu": cpu / count}


def main(directory, repetitions):
    frames = sorted(glob.glob(os.path.join(directory, "*.jpg")))
    if not frames:
        raise SystemExit("no frames in " + directory)
    json.dump({"runs": [one_round(frames, 3) for _ in range(repetitions)]}, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))
