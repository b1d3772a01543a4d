#!/usr/bin/env python3
"""Writes the seed inputs of fuzz/corpus in the layout fuzz/contract.cpp decodes.

Per call: entry, size choice (+ table row or two raw int16), view choice (+ raw),
draw mode, flags, part length, scale, points A..D (3 values each), attribute
entry, threshold (int16), fault choice (+ argument). A value byte below 128
picks a special value: 0 zero, 2 one, 4 1e308, 5 -1e308, 6 inf, 8 nan,
10 500, 13 2.5, 15 1e-300.
"""
import os
import struct
import sys

ZERO, ONE, BIG, NBIG, INF, NAN, L500, L2_5, TINY = 0, 2, 4, 5, 6, 8, 10, 13, 15
ENTRIES = 18  # the catalogue's count when the seeds were written; more just wrap round


def call(entry, row=0, view=0, mode=2, flags=0, length=L500, scale=ONE, pts=None,
         raw_sizes=None, fault=None):
    b = bytes([entry])
    b += bytes([255]) + struct.pack('<hh', *raw_sizes) if raw_sizes else bytes([0, row])
    b += bytes([view, mode, flags, length, scale])
    for v in (pts or [ZERO] * 12):
        b += bytes([v])
    b += bytes([0]) + struct.pack('<h', 0)
    if fault is None:
        b += bytes([0])
    elif fault[0] == 'write':
        b += bytes([128, fault[1] - 1])
    else:
        b += bytes([192, fault[1]])
    return b


def seeds():
    for e in range(ENTRIES):
        for view in (0, 1, 3, 7, 12):
            yield f'e{e:02}_v{view}', call(e, row=view, view=view)
        yield f'e{e:02}_sample', call(e, flags=1, view=2)
        yield f'e{e:02}_lines', call(e, mode=1, view=4)
        yield f'e{e:02}_pts', call(e, flags=2, scale=L2_5, pts=[BIG, 0, 0, NBIG, 0, 0] + [0] * 6)
        yield f'e{e:02}_nan', call(e, length=NAN, view=1)
        yield f'e{e:02}_write2', call(e, fault=('write', 2))
        yield f'e{e:02}_fault', call(e, fault=('routine', e))
    # A NaN length left in the standard tee's table, then a free-size tee.
    yield 'tee_nan_then_free', call(10, length=NAN) + call(12, raw_sizes=(250, 40))
    yield 'bend_tiny_scale', call(17, mode=1, scale=TINY, pts=[0, 0, 0, 200, 0, 0] + [0] * 6)
    yield 'bend_inf_point', call(17, pts=[0, 0, 0, INF, 0, 0] + [0] * 6)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), 'corpus')
    os.makedirs(out, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(out, 'seed_' + name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
