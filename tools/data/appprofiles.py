"""Texts of the rules that switch profiles with the application in front, group [appprofiles]."""

TEXTS = {
    "031000": {
        "open": "APP PROFILES",
        "title": "PROFILE BY APPLICATION",
        "switching": "SWITCHING",
        "others": "OTHER APPS",
        "leave": "LEAVE AS IS",
        "windows": "OPEN WINDOWS",
        "application": "application",
        "add": "ADD",
        "back": "BACK",
        "manual": "Automatic switching needs X11 or KDE Plasma here; "
                  "a script can report the application in front over D-Bus.",
    },
    "111000": {
        "open": "PERFILES POR APP",
        "title": "PERFIL SEG\u00daN LA APLICACI\u00d3N",
        "switching": "CAMBIO",
        "others": "OTRAS APPS",
        "leave": "SIN CAMBIO",
        "windows": "VENTANAS",
        "application": "aplicaci\u00f3n",
        "add": "A\u00d1ADIR",
        "back": "VOLVER",
        "manual": "El cambio autom\u00e1tico necesita aqu\u00ed X11 o KDE Plasma; "
                  "un script puede indicar la aplicaci\u00f3n activa por D-Bus.",
    },
}
