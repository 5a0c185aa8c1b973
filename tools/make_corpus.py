#!/usr/bin/python3
"""Writes the malformed-file corpus tests/data/badfiles/ from the shipped files.

One folder per reader; tst_badfiles puts every file of a folder in place of the
reader's file (generic/ goes to every reader) and starts the program with it.
The 10 MB cases are made by the test itself, not committed.
Run from anywhere: /usr/bin/python3 tools/make_corpus.py
"""
import os
import re
import random
import shutil

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
MODULES = os.path.join(ROOT, 'modules')
CORPUS = os.path.join(ROOT, 'tests', 'data', 'badfiles')


def shipped(relative):
    with open(os.path.join(MODULES, relative), 'rb') as f:
        return f.read()


def write(folder, name, data):
    os.makedirs(os.path.join(CORPUS, folder), exist_ok=True)
    if isinstance(data, str):
        data = data.encode('utf-8')
    with open(os.path.join(CORPUS, folder, name), 'wb') as f:
        f.write(data)


def derived(folder, source):
    """Cases every reader gets from its own shipped file."""
    text = shipped(source)
    write(folder, 'truncated-half.bin', text[:len(text) // 2])
    write(folder, 'truncated-one-line.bin', text[:text.index(b'\n', 20) + 5])
    write(folder, 'cr-line-ends.bin', text.replace(b'\n', b'\r'))
    lines = text.split(b'\n')
    write(folder, 'duplicated-keys.bin', b'\n'.join(
        line + b'\n' + (line.split(b'=')[0] + b'=dup, 1' if b'=' in line else line) for line in lines))
    write(folder, 'duplicated-sections.bin', text + b'\n' + text.replace(b'=', b'=9'))
    write(folder, 'no-line-ends.bin', text.replace(b'\n', b' '))
    write(folder, 'nul-inside.bin', text[:40] + b'\0' + text[40:])


def generic():
    rng = random.Random(1000)
    write('generic', 'empty.bin', b'')
    write('generic', 'binary.bin', bytes(rng.randrange(256) for _ in range(4096)))
    write('generic', 'binary-without-nul.bin', bytes(rng.randrange(1, 256) for _ in range(4096)))
    write('generic', 'only-comments.bin', b'; nothing\n;[common]\n;total=3\n' * 20)
    write('generic', 'one-long-line.bin', b'[common]\nx=' + b'ab, ' * 20000 + b'\n')
    write('generic', 'long-section-name.bin', b'[' + b's' * 30000 + b']\nk=1\n')
    write('generic', 'unterminated-section.bin', b'[common\ntotal=3\n[0\n[macro\n0=a\n')
    write('generic', 'keys-without-values.bin', b'[common]\ntotal\n0\n[font]\ntotal=\nfamily\n')
    # Every section any reader looks in, each value invalid UTF-8 in another way.
    invalid = [b'\xff\xfe', b'\xc3\x28', b'\xe2\x28\xa1', b'\xf0\x28\x8c\xbc', b'\xed\xa0\x80', b'\xc0\xaf', b'\x80']
    sections = [b'common', b'color', b'config', b'macro', b'font', b'strings', b'msg', b'0', b'1', b'keydefine0']
    keys = [b'total', b'0', b'1', b'2', b'3', b'4', b'5', b'6', b'family', b'usbStr', b'usbCode', b'total_HW',
            b'total_FW', b'ledType', b'color', b'index', b'kbLayoutType', b'name', b'product_name']
    out = b''
    for s, section in enumerate(sections):
        out += b'[' + section + invalid[s % len(invalid)] + b']\n[' + section + b']\n'
        for k, key in enumerate(keys):
            bad = invalid[(s + k) % len(invalid)]
            out += key + b'=' + bad + b'text' + bad + b', ' + bad + b'\n'
            out += key + bad + b'=1\n'
    write('generic', 'invalid-utf8.bin', out)
    # Escapes and quotes cut off at the end of a value, of a line and of the file.
    cut = [b'\\', b'\\x', b'\\x2', b'\\x25b', b'\\0', b'"open', b'a, "b', b'@Variant(', b'@Variant(\\0\\0\\0',
           b'@Variant(\\0\\0\\0\\x9\\xff\\xff\\xff\\xff)', b'@Variant(\\0\\0\\0\\x8\\0\\0\\0\\x1)',
           b'@ByteArray(', b'@Invalid(', b'\\u25bc', b'%U25']
    out = b''
    for section in sections:
        out += b'[' + section + b']\n'
        for k, key in enumerate(keys):
            out += key + b'=' + cut[k % len(cut)] + b'\n'
    write('generic', 'cut-escapes.bin', out + b'last=\\x')
    # A value nested as deep as the variant format allows, and deeper.
    nested = b'\\0\\0\\0\\x9\\0\\0\\0\\x1' * 40 + b'\\0\\0\\0\\x2\\0\\0\\0\\x7'
    write('generic', 'deep-variant.bin', b''.join(b'[' + s + b']\n' + b''.join(
        k + b'=@Variant(' + nested + b')\n' for k in keys) for s in sections))


def settings():
    derived('settings', 'setting/apConfig.bin')
    base = shipped('setting/apConfig.bin').decode()
    write('settings', 'total-negative.bin', base.replace('total=32', 'total=-5'))
    write('settings', 'total-huge.bin', base.replace('total=32', 'total=2147483647'))
    write('settings', 'total-text.bin', base.replace('total=32', 'total=many'))
    write('settings', 'total-list.bin', base.replace('total=32', 'total=32, 32'))
    write('settings', 'numbers-as-lists.bin', '[common]\ntotal=32\n' + ''.join(
        '%d=%d, %d, %d\n' % (i, i, i, i) for i in range(32)))
    write('settings', 'wrong-types.bin', base.replace('\n1=1\n', '\n1=skin\n').replace('\n4=0\n', '\n4=99\n')
          .replace('\n7=0\n', '\n7=-1\n').replace('\n29=0\n', '\n29=200\n').replace('\n30=7\n', '\n30=-7\n')
          .replace('\n3=0\n', '\n3=@Variant(\\0\\0\\0\\x8\\0\\0\\0\\0)\n').replace('\n9=255\n', '\n9=1e999\n'))
    write('settings', 'background-is-a-device.bin', base.replace('\n5=false\n', '\n5=true\n')
          .replace('\n6=\n', '\n6=file:///dev/zero\n'))
    write('settings', 'background-is-a-folder.bin', base.replace('\n5=false\n', '\n5=true\n')
          .replace('\n6=\n', '\n6=file:///tmp\n'))
    write('settings', 'missing-common.bin', '[other]\ntotal=32\n0=1\n')
    write('settings', 'name-and-products-wrong.bin', base.replace('name=K3 Gaming Keyboard\n', 'name=a, b, c\n')
          .replace('product_name=K3 Gaming Keyboard, M3 Gaming Mouse', 'product_name=7'))


def profile():
    derived('profile', 'setting/p1.bin')
    base = shipped('setting/p1.bin').decode()
    write('profile', 'numbers-where-lists-belong.bin', '[color]\nledType=5\ncolor=3\n[userPicture]\n0=1\n'
          '[keydefine0]\n' + ''.join('%d=%d\n' % (k, k) for k in range(128)))
    write('profile', 'lists-of-text.bin', '[color]\nledType=a, b, c, d, e, f\ncolor=' + ', '.join(['red'] * 21) +
          '\n[userPicture]\n0=' + ', '.join(['x'] * 384) + '\n[keydefine0]\n' +
          ''.join('%d=low, high\n' % k for k in range(128)))
    write('profile', 'lists-too-short.bin', '[color]\nledType=1, 2\ncolor=1, 2\n[userPicture]\n0=1, 2\n1=\n'
          '[keydefine0]\n0=4, \n1=, \n')
    write('profile', 'lists-too-long.bin', '[color]\nledType=' + ', '.join(['1'] * 100) + '\ncolor=' +
          ', '.join(['255'] * 1000) + '\n[userPicture]\n0=' + ', '.join(['128'] * 20000) + '\n'
          '[keydefine0]\n0=' + ', '.join(['4'] * 1000) + '\n')
    write('profile', 'values-out-of-range.bin', '[color]\nledType=999, -1, 65536, 3.5, 1e9, 0x10\ncolor=' +
          ', '.join(['-255', '256', '99999999999'] * 7) + '\n[keydefine0]\n45=70000, -3\n61=1, 1e99\n')
    write('profile', 'variant-types.bin', '[color]\nledType=@Variant(\\0\\0\\0\\x8\\0\\0\\0\\0)\n'
          'color=@ByteArray(abc)\n[userPicture]\n0=@Invalid()\n')
    write('profile', 'missing-groups.bin', '[sensor]\nreportRate_M3=3\n')
    write('profile', 'keydefine-other-layout-only.bin', base.replace('[keydefine0]', '[keydefine7]'))


def macro():
    derived('macro', 'macro/Macro. 001.bin')
    steps = '[macro]\n0=L Ctrl       [\\x25bc]\n1=C       [\\x25bc]\n2=C       [\\x25b2]\n'
    write('macro', 'total-huge.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=2147483647\n\n' + steps)
    write('macro', 'total-negative.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=-4\n\n' + steps)
    write('macro', 'total-text.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=three\n\n' + steps)
    write('macro', 'config-as-lists.bin', '[config]\ndid=0, 1\nindex=0, 16\nrepeat=1, 2\ntotal=3, 3\n\n' + steps)
    write('macro', 'config-out-of-range.bin', '[config]\ndid=99\nindex=99\nrepeat=-7\ntotal=3\n\n' + steps)
    write('macro', 'index-text.bin', '[config]\ndid=0\nindex=slot\nrepeat=once\ntotal=3\n\n' + steps)
    write('macro', 'steps-as-lists.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=3\n\n[macro]\n'
          '0=L Ctrl, C       [\\x25bc]\n1=50, 60      [ms]\n2=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x7)\n')
    write('macro', 'steps-malformed.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=8\n\n[macro]\n'
          '0=\n1=[\\x25bc]\n2=Nokey       [\\x25bc]\n3=abc      [ms]\n4=-99999999999      [ms]\n'
          '5=C      [\\x25bc]\n6=C       [\\x25bd]\n7=' + 'A' * 20000 + '       [\\x25bc]\n')
    write('macro', 'steps-invalid-utf8.bin', b'[config]\ndid=0\nindex=0\nrepeat=1\ntotal=3\n\n[macro]\n'
          b'0=\xff\xfe       [\xe2\x96]\n1=C\xc3       [\\x25bc]\n2=\xed\xa0\x80      [ms]\n')
    write('macro', 'escape-cut-in-tag.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=3\n\n[macro]\n'
          '0=C       [\\x25b\n1=C       [\\x\n2=C       [\\')
    write('macro', 'missing-config.bin', steps)
    write('macro', 'missing-steps.bin', '[config]\ndid=0\nindex=0\nrepeat=1\ntotal=60\n')


def language():
    derived('language', 'i18n/lang_031000.ini')
    base = shipped('i18n/lang_031000.ini').decode()
    write('language', 'total-huge.bin', base.replace('total=124', 'total=2147483647'))
    write('language', 'total-negative.bin', base.replace('total=124', 'total=-1'))
    write('language', 'total-text.bin', base.replace('total=124', 'total=all'))
    lines = base.split('\n')
    write('language', 'texts-as-lists.bin', '\n'.join(
        l if '=' not in l or l.startswith('total') else l.split('=')[0] + '=one, two, three' for l in lines))
    write('language', 'texts-as-variants.bin', '\n'.join(
        l if '=' not in l or l.startswith('total') else l.split('=')[0] + '=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x7)'
        for l in lines))
    write('language', 'missing-font.bin', base[base.index('[msg]'):])
    write('language', 'missing-strings-and-msg.bin', base[:base.index('[msg]')])
    write('language', 'long-texts.bin', base.replace('=OPTIONS', '=' + 'OPTIONS ' * 20000))


def keynames():
    derived('keynames', 'setting/KeyCodeDef.bin')
    write('keynames', 'single-values.bin', '[0]\nusbStr=A\nusbCode=4\n[1]\nusbStr=4\nusbCode=A\n')
    write('keynames', 'codes-as-text.bin', '[0]\nusbStr=A, B, C\nusbCode=A, B, C\n')
    write('keynames', 'lengths-differ.bin', '[0]\nusbStr=A, B, C, D, E, F, G, H, I, J\nusbCode=4, 5, 6\n'
          '[1]\nusbStr=A\nusbCode=4, 5, 6, 7, 8\n')
    write('keynames', 'codes-out-of-range.bin', '[0]\nusbStr=A, B, C, D, E\nusbCode=99999, -1, 256, 1e3, 0x10\n')
    write('keynames', 'names-duplicated-and-empty.bin', '[0]\nusbStr=A, A, , "", A\nusbCode=4, 5, 6, 7, 8\n')
    write('keynames', 'huge-lists.bin', '[0]\nusbStr=' + ', '.join('K%d' % i for i in range(20000)) +
          '\nusbCode=' + ', '.join(str(i % 256) for i in range(20000)) + '\n')
    write('keynames', 'missing-layout-0.bin', shipped('setting/KeyCodeDef.bin').replace(b'[0]', b'[9]'))


def hwdef():
    derived('hwdef', 'setting/HWDef0.bin')
    base = shipped('setting/HWDef0.bin').decode()
    write('hwdef', 'rows-huge.bin', '[0]\ntotal_HW=2147483647\ntotal_FW=128\n1=0, 26, 1, Esc, 0, 41\n')
    write('hwdef', 'matrix-huge.bin', re.sub(r'total_FW=\d+', 'total_FW=2147483647', base))
    write('hwdef', 'counts-negative.bin', base.replace('total_HW=', 'total_HW=-').replace('total_FW=', 'total_FW=-'))
    write('hwdef', 'counts-text.bin', '[0]\ntotal_HW=many\ntotal_FW=all\n1=0, 26, 1, Esc, 0, 41\n')
    write('hwdef', 'rows-short.bin', '[0]\ntotal_HW=3\ntotal_FW=128\n1=0, 26\n2=5\n3=\n')
    write('hwdef', 'rows-long.bin', '[0]\ntotal_HW=1\ntotal_FW=128\n1=' + ', '.join(['7'] * 100) + '\n')
    write('hwdef', 'rows-text.bin', '[0]\ntotal_HW=2\ntotal_FW=128\n1=x, y, type, "a, b", m, code\n'
          '2=@Variant(\\0\\0\\0\\x8\\0\\0\\0\\0)\n')
    write('hwdef', 'rows-out-of-range.bin', '[0]\ntotal_HW=4\ntotal_FW=128\n1=-99999, 99999, 999, Esc, 500, -1\n'
          '2=0, 0, -1, F1, -3, 70000\n3=1e9, 1e9, 1, F2, 126, 58\n4=0, 0, 1, F3, 45, 58\n')
    write('hwdef', 'missing-rows.bin', '[0]\ntotal_HW=240\ntotal_FW=128\n1=0, 26, 1, Esc, 0, 41\n240=0, 0, 1, X, 5, 4\n')
    write('hwdef', 'missing-layout-0.bin', base.replace('[0]', '[5]'))
    write('layout', 'layout-huge.bin', '[common]\nkbLayoutType=999\n')
    write('layout', 'layout-negative.bin', '[common]\nkbLayoutType=-1\n')
    write('layout', 'layout-text.bin', '[common]\nkbLayoutType=spanish\n')
    write('layout', 'layout-list.bin', '[common]\nkbLayoutType=1, 0\n')
    write('layout', 'layout-one.bin', '[common]\nkbLayoutType=1\n')


for folder in ('generic', 'settings', 'profile', 'macro', 'language', 'keynames', 'hwdef', 'layout'):
    shutil.rmtree(os.path.join(CORPUS, folder), ignore_errors=True)
generic()
settings()
profile()
macro()
language()
keynames()
hwdef()
