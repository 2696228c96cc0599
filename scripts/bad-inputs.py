#!/usr/bin/env python3
"""Writes damaged copies of the sample drawings for a by-hand robustness run:
each truncated at ten points, each with 1 % of its bytes flipped, and each
package (.vsdx and its kin) without one of its parts (every part in turn),
repacked with stored and with deflated entries, and its stored repack cut
and flipped too (in a stored package the flips reach the XML).

Usage: scripts/bad-inputs.py OUT_DIR [FIXTURES_DIR]
Then, for example: build-fuzz/fuzz/fuzz_document -timeout=10 -runs=0 OUT_DIR
"""
import io
import pathlib
import random
import sys
import zipfile


DRAWINGS = ('.vsd', '.vdx', '.vss', '.vst')
PACKAGES = ('.vsdx', '.vsdm', '.vssx', '.vssm', '.vstx', '.vstm')


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = pathlib.Path(sys.argv[1])
    fixtures = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else '../shared/fixtures/visio')
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(16)
    count = 0
    def damage(name, data):
        written = 0
        for i in range(1, 11):
            (out / f'{name}.cut{i}').write_bytes(data[:len(data) * i // 11])
            written += 1
        flipped = bytearray(data)
        for _ in range(max(1, len(data) // 100)):
            flipped[rng.randrange(len(data))] ^= 1 << rng.randrange(8)
        (out / f'{name}.flip').write_bytes(bytes(flipped))
        return written + 1

    def repack(source, compression, skip=None):
        buffer = io.BytesIO()
        with zipfile.ZipFile(buffer, 'w', compression) as target:
            for index, item in enumerate(source.infolist()):
                if index != skip:
                    target.writestr(item.filename, source.read(item.filename), compression)
        return buffer.getvalue()

    for path in sorted(fixtures.iterdir()):
        suffix = path.suffix.lower()
        if suffix not in DRAWINGS + PACKAGES:
            continue
        count += damage(path.name, path.read_bytes())
        if suffix not in PACKAGES:
            continue
        try:
            with zipfile.ZipFile(path) as source:
                for skip, _ in enumerate(source.infolist()):
                    (out / f'{path.name}.without{skip}').write_bytes(
                        repack(source, zipfile.ZIP_DEFLATED, skip))
                    count += 1
                stored = repack(source, zipfile.ZIP_STORED)
                (out / f'{path.name}.stored').write_bytes(stored)
                (out / f'{path.name}.deflated').write_bytes(repack(source, zipfile.ZIP_DEFLATED))
                count += 2 + damage(f'{path.name}.stored', stored)
        except zipfile.BadZipFile:
            pass
    print(f'{count} damaged drawings in {out}')


if __name__ == '__main__':
    main()
