#!/usr/bin/python3
"""Writes the shipped settings, tables, languages and macros into modules/.

Usage: tools/data/generate.py [modules folder]   (default: the repository's modules/)
"""

import os
import sys

import appprofiles
import inifile
import keyboard
import languages
import macros
import profiles

URL = "file:modules/guide/index.html"
TITLE = "K3 Gaming Keyboard"
PRODUCT_NAMES = ["K3 Gaming Keyboard", "M3 Gaming Mouse"]
TEXT_PALETTE = [(0, 255, 255), (255, 200, 150), (255, 180, 0), (200, 200, 100),
                (200, 170, 255), (255, 180, 180), (160, 190, 160)]


def app_config():
    values = [1, 1, 0, 0, 0, False, "", 0]
    values += [c for rgb in TEXT_PALETTE for c in rgb]
    values += [0, 7, URL]
    common = {str(i): v for i, v in enumerate(values)}
    common.update(total=len(values), name=TITLE, product_name=PRODUCT_NAMES)
    return {"common": common}


def key_names():
    names = [n for n, _ in keyboard.KEY_NAMES]
    codes = [c for _, c in keyboard.KEY_NAMES]
    return {str(layout): {"usbStr": names, "usbCode": codes} for layout in (0, 1)}


def hardware_section(label):
    section = {"total_FW": keyboard.MATRIX_SIZE}
    rows = keyboard.keys()
    section["total_HW"] = len(rows)
    for r, key in enumerate(rows, start=1):
        section[str(r)] = [key["x"], key["y"], key["type"], label(key["name"]),
                           key["matrix"], key["code"]]
    return section


def hardware_tables():
    return {"0": hardware_section(lambda name: name),
            "1": hardware_section(keyboard.spanish_label)}


def language(code, strings, messages, notices, connection):
    return {"font": {"family": "Exo", "total": languages.STRING_COUNT},
            "strings": {str(k): s for k, s in enumerate(strings, start=1)},
            "msg": {str(i): m for i, m in enumerate(messages)},
            "notice": notices,
            "connection": connection,
            "confirm": languages.CONFIRM[code],
            "hint": languages.HINT[code]}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    modules = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "modules")
    setting = os.path.join(modules, "setting")
    for folder in ("setting", "i18n", "macro"):
        os.makedirs(os.path.join(modules, folder), exist_ok=True)

    inifile.write(os.path.join(setting, "KeyCodeDef.bin"), key_names(), legacy=False)
    inifile.write(os.path.join(setting, "HWDef.bin"), {"common": {"kbLayoutType": 0}}, legacy=True)
    for n in range(len(languages.LANGUAGES)):
        inifile.write(os.path.join(setting, "HWDef%d.bin" % n), hardware_tables(), legacy=False)

    for name in ("apConfig.bin", "apConfigD.bin"):
        inifile.write(os.path.join(setting, name), app_config(), legacy=True)
    inifile.write(os.path.join(setting, "pD.bin"), profiles.profile(profiles.EFFECTS[0]), legacy=True)
    for n, effect in enumerate(profiles.EFFECTS, start=1):
        inifile.write(os.path.join(setting, "p%d.bin" % n), profiles.profile(effect), legacy=True)

    for code, strings, messages, notices, connection in languages.LANGUAGES:
        sections = language(code, strings, messages, notices, connection)
        sections["appprofiles"] = appprofiles.TEXTS[code]
        sections["autostart"] = languages.AUTOSTART[code]
        inifile.write(os.path.join(modules, "i18n", "lang_%s.ini" % code), sections, legacy=False)

    for name, sections in macros.macro_files().items():
        inifile.write(os.path.join(modules, "macro", name), sections, legacy=True)


if __name__ == "__main__":
    main()
