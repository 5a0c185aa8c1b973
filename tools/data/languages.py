"""Interface texts of the shipped languages: (code, strings 1..124, messages 0..3, notices, connection)."""

ENGLISH = [
    "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS",
    "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5",
    "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
    "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE",
    "SPOTLIGHT", "ROTATION", "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND",
    "ON", "OFF", "TEXT", "SIZE", "COLOR", "BRIGHTNESS", "NORMAL", "LARGER",
    "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5", "MACRO", "ACTION", "KEYBOARD",
    "MOUSE", "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE", "B4", "B5",
    "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP",
    "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH",
    "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES",
    "KEY", "MACRO", "COLOR", "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE",
    "COPY", "LOAD", "SAVE", "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING",
    "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO", "FIRE KEY", "TRIPLE CLICK",
    "DPI SWITCH", "NORMAL PLAY", "TIMES", "ALWAYS REPEAT", "REPEAT ON PRESSED",
    # 100..103 are the macro page's record tooltip, key field, empty key and pause field.
    "RECORD", "KEY", "PRESS A KEY", "DELAY",
    "DPI LEVEL", "DPI INDICATOR LED", "DEFAULT", "APPLY", "SCROLL SWAP", "SCROLL UP",
    "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET", "ALL SAVE", "RECORD",
] + [""] * 9

SPANISH = [
    "OPCIONES", "CICLO", "VELOCIDAD", "BRILLO", "DIRECCI\u00d3N", "PINTURA", "EFECTOS",
    "PERSONAL 1", "PERSONAL 2", "PERSONAL 3", "PERSONAL 4", "PERSONAL 5",
    "EST\u00c1TICO", "RESPIRACI\u00d3N", "ONDA", "APAGADO AL PULSAR", "MARQUESINA", "ONDULACI\u00d3N",
    "ENCENDIDO AL PULSAR", "NE\u00d3N", "MARQUESINA COLOR", "LLUVIA", "MARQUESINA CIRCULAR",
    "FOCO", "ROTACI\u00d3N", "APARIENCIA", "SONIDO", "ANIMACI\u00d3N", "IDIOMA", "FONDO",
    "S\u00cd", "NO", "TEXTO", "TAMA\u00d1O", "COLOR", "BRILLO", "NORMAL", "GRANDE",
    "APARIENCIA 1", "APARIENCIA 2", "APARIENCIA 3", "APARIENCIA 4", "APARIENCIA 5",
    "MACRO", "ACCI\u00d3N", "TECLADO", "RAT\u00d3N", "MULTIMEDIA", "COMBINACI\u00d3N", "MACRO",
    "IZQUIERDO", "DERECHO", "CENTRAL", "B4", "B5",
    "PISTA SIGUIENTE", "PISTA ANTERIOR", "DETENER", "REPRODUCIR / PAUSA", "SILENCIO",
    "SUBIR VOLUMEN", "BAJAR VOLUMEN", "REPRODUCTOR", "CORREO", "CALCULADORA", "MI EQUIPO",
    "WWW BUSCAR", "WWW INICIO", "WWW ATR\u00c1S", "WWW ADELANTE", "WWW DETENER",
    "WWW ACTUALIZAR", "WWW FAVORITOS",
    "TECLA", "MACRO", "COLOR", "RESTABLECER", "CANCELAR", "MODO JUEGO", "BORRAR", "CORTAR",
    "PEGAR", "COPIAR", "CARGAR", "GUARDAR", "SENSOR", "LED AL ENCENDER", "PARPADEO",
    "DESLIZAMIENTO", "DEDO EN MOVIMIENTO", "GIRO VERTICAL", "YOY\u00d3", "TECLA DE FUEGO",
    "TRIPLE CLIC", "CAMBIO DE DPI", "NORMAL", "VECES", "REPETIR SIEMPRE",
    "REPETIR AL PULSAR",
    "GRABAR", "TECLA", "PULSE UNA TECLA", "PAUSA",
    "NIVEL DE DPI", "LED INDICADOR DE DPI", "PREDETERMINADO", "APLICAR",
    "INVERTIR DESPLAZAMIENTO", "DESPLAZAR ARRIBA", "DESPLAZAR ABAJO", "CONTROL DE LED",
    "RENOMBRAR", "RESTABLECER TODO", "GUARDAR TODO", "GRABAR",
] + [""] * 9

ENGLISH_MESSAGES = [
    "Macro too long",
    "This macro does not fit into the keyboard's macro memory (128 bytes). "
    "Only its first steps are sent; shorten the macro to keep all of them.",
    "Picture not readable",
    "This picture file cannot be opened: ",
]

SPANISH_MESSAGES = [
    "Macro demasiado larga",
    "Esta macro no cabe en la memoria de macros del teclado (128 bytes). "
    "Solo se env\u00edan sus primeros pasos; acorte la macro para conservarlos todos.",
    "Imagen no legible",
    "No se puede abrir este archivo de imagen: ",
]

# The scene's question before a whole profile is replaced, and the undo of ALL RESET;
# keyed by name in the group [confirm]. %1 is the profile's label (P01..P04).
CONFIRM = {
    "031000": {
        "profileLoad": "Replace profile %1 with a profile file? Its keys, lighting and pictures are overwritten.",
        "profileReset": "Reset profile %1 to its defaults? Its keys, lighting and pictures are overwritten.",
        "yes": "YES",
        "no": "NO",
        "undoReset": "UNDO RESET",
    },
    "111000": {
        "profileLoad": "\u00bfReemplazar el perfil %1 por un archivo de perfil? Se sobrescriben sus teclas, "
                       "su iluminaci\u00f3n y sus im\u00e1genes.",
        "profileReset": "\u00bfRestablecer el perfil %1? Se sobrescriben sus teclas, su iluminaci\u00f3n "
                        "y sus im\u00e1genes.",
        "yes": "S\u00cd",
        "no": "NO",
        "undoReset": "DESHACER",
    },
}

# Hints of the scene, keyed by name in the group [hint].
HINT = {
    "031000": {"dragKey": "Drag a key of the keyboard onto this field"},
    "111000": {"dragKey": "Arrastre una tecla del teclado a este campo"},
}

# Notices of failed saves, imports and exports, keyed by name: a "...Not..." text
# names what failed, the others are the reasons filled in as its last %n.
ENGLISH_NOTICES = {
    "profileNotSaved": "Profile %1 was not saved: %2",
    "profileNotImported": "Profile %1 was not imported: %2",
    "profileNotExported": "Profile %1 was not exported: %2",
    "profileNotReset": "Profile %1 was not reset: %2",
    "settingsNotSaved": "The settings were not saved: %1",
    "settingsNotReset": "The settings were not reset: %1",
    "macroNotSaved": "The macro \"%1\" was not saved: %2",
    "macroBindingNotSaved": "The key binding of the macro \"%1\" was not saved: %2",
    "macroNotImported": "The macro \"%1\" was not imported: %2",
    "macroNotExported": "The macro \"%1\" was not exported: %2",
    "macroNotCreated": "No new macro was created: %1",
    "macroNotDeleted": "The macro \"%1\" was not deleted: %2",
    "macroNotRenamed": "The macro \"%1\" was not renamed to \"%2\": %3",
    "diskFull": "the disk is full",
    "notWritable": "the folder cannot be written to",
    "diskError": "the disk reported an error",
    "notAFile": "the chosen item is not a regular file",
    "tooLarge": "the file is larger than 1 MB",
    "unreadable": "the file cannot be read",
    "missing": "the file is missing",
    "nameTaken": "a macro of that name already exists",
    "badName": "that name is not allowed",
    "notSentNotConnected": "Not sent: the keyboard is not connected",
    "notSentNoAnswer": "Not sent: the keyboard did not answer",
}

SPANISH_NOTICES = {
    "profileNotSaved": "El perfil %1 no se ha guardado: %2",
    "profileNotImported": "El perfil %1 no se ha importado: %2",
    "profileNotExported": "El perfil %1 no se ha exportado: %2",
    "profileNotReset": "El perfil %1 no se ha restablecido: %2",
    "settingsNotSaved": "La configuraci\u00f3n no se ha guardado: %1",
    "settingsNotReset": "La configuraci\u00f3n no se ha restablecido: %1",
    "macroNotSaved": "La macro \"%1\" no se ha guardado: %2",
    "macroBindingNotSaved": "La asignaci\u00f3n de la macro \"%1\" no se ha guardado: %2",
    "macroNotImported": "La macro \"%1\" no se ha importado: %2",
    "macroNotExported": "La macro \"%1\" no se ha exportado: %2",
    "macroNotCreated": "No se ha creado ninguna macro nueva: %1",
    "macroNotDeleted": "La macro \"%1\" no se ha borrado: %2",
    "macroNotRenamed": "La macro \"%1\" no se ha renombrado a \"%2\": %3",
    "diskFull": "el disco est\u00e1 lleno",
    "notWritable": "no se puede escribir en la carpeta",
    "diskError": "el disco ha informado de un error",
    "notAFile": "lo elegido no es un archivo normal",
    "tooLarge": "el archivo supera 1 MB",
    "unreadable": "no se puede leer el archivo",
    "missing": "falta el archivo",
    "nameTaken": "ya existe una macro con ese nombre",
    "badName": "ese nombre no est\u00e1 permitido",
    "notSentNotConnected": "No enviado: el teclado no est\u00e1 conectado",
    "notSentNoAnswer": "No enviado: el teclado no ha respondido",
}

# The top bar's indicator of the keyboard, keyed by state; "detail" is its tip.
ENGLISH_CONNECTION = {
    "connected": "connected",
    "notConnected": "not connected",
    "emulated": "demo: emulated keyboard",
    "detail": "%1, firmware %2",
}

SPANISH_CONNECTION = {
    "connected": "conectado",
    "notConnected": "no conectado",
    "emulated": "demo: teclado emulado",
    "detail": "%1, firmware %2",
}

# The global settings page's start-with-the-desktop switch, by language code.
AUTOSTART = {
    "031000": {"label": "AUTOSTART"},
    "111000": {"label": "INICIO AUTOM\u00c1TICO"},
}

LANGUAGES = [
    ("031000", ENGLISH, ENGLISH_MESSAGES, ENGLISH_NOTICES, ENGLISH_CONNECTION),
    ("111000", SPANISH, SPANISH_MESSAGES, SPANISH_NOTICES, SPANISH_CONNECTION),
]
STRING_COUNT = 124
