#!/usr/bin/env python3
"""Writes damaged copies of the sample drawings for a by-hand robustness run:
each truncated at ten points, each with 1 % of its bytes flipped, and each
.vsdx without one of its parts (every part in turn).

Usage: scripts/bad-inputs.py OUT_DIR [FIXTURES_DIR]
Then, for example: build-fuzz/fuzz/fuzz_document -timeout=10 -runs=0 OUT_DIR
"""
import io
import pathlib
import random
import sys
import zipfile


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = pathlib.Path(sys.argv[1])
    fixtures = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else '../shared/fixtures/visio')
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(16)
    count = 0
    for path in sorted(fixtures.iterdir()):
        if path.suffix.lower() not in ('.vsd', '.vsdx', '.vdx'):
            continue
        data = path.read_bytes()
        for i in range(1, 11):
            (out / f'{path.name}.cut{i}').write_bytes(data[:len(data) * i // 11])
            count += 1
        flipped = bytearray(data)
        for _ in range(max(1, len(data) // 100)):
            flipped[rng.randrange(len(data))] ^= 1 << rng.randrange(8)
        (out / f'{path.name}.flip').write_bytes(bytes(flipped))
        count += 1
        if path.suffix.lower() == '.vsdx':
            try:
                with zipfile.ZipFile(path) as source:
                    items = source.infolist()
                    for skip, _ in enumerate(items):
                        buffer = io.BytesIO()
                        with zipfile.ZipFile(buffer, 'w', zipfile.ZIP_DEFLATED) as target:
                            for index, item in enumerate(items):
                                if index != skip:
                                    target.writestr(item, source.read(item.filename))
                        (out / f'{path.name}.without{skip}').write_bytes(buffer.getvalue())
                        count += 1
            except zipfile.BadZipFile:
                pass
    print(f'{count} damaged drawings in {out}')


if __name__ == '__main__':
    main()
