#!/usr/bin/env python3
"""Writes resources/resources.qrc listing every generated resource with the
aliases the program uses: bitmap/<id>.png, custom/<id> (no extension),
icons/<name>.png and pictures/<name>.png."""

import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'resources')

BITMAPS = [b + f for b in range(100, 196, 6) for f in range(1, 7)] + [198, 199]
SOUNDS = list(range(101, 110))
BACKGROUNDS = list(range(201, 212))
ICONS = ['ovd3.png', 'ovd3_32.png']
PICTURES = ['congrats_back.png', 'congrats_head.png', 'about_dice1.png', 'about_dice2.png',
            'dedication.png', 'hand.png']


def entries():
    for n in BITMAPS:
        yield 'bitmap/%d.png' % n, 'bitmap/%d.png' % n
    for n in SOUNDS:
        yield 'custom/%d' % n, 'custom/%d.wav' % n
    for n in BACKGROUNDS:
        yield 'custom/%d' % n, 'custom/%d.jpg' % n
    for name in ICONS:
        yield 'icons/' + name, 'icons/' + name
    for name in PICTURES:
        yield 'pictures/' + name, 'pictures/' + name
    yield 'help/ovd3.html', 'help/ovd3.html'  # the help document


def main():
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/">']
    missing = []
    for alias, path in entries():
        if not os.path.isfile(os.path.join(ROOT, path)):
            missing.append(path)
        lines.append('    <file alias="%s">%s</file>' % (alias, path))
    lines += ['</qresource>', '</RCC>', '']
    with open(os.path.join(ROOT, 'resources.qrc'), 'w') as f:
        f.write('\n'.join(lines))
    if missing:
        sys.exit('missing resources: ' + ', '.join(missing))


if __name__ == '__main__':
    main()
