"""Interface texts of the shipped languages: (code, strings 1..124, messages 0..3)."""

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

# The global settings page's start-with-the-desktop switch, by language code.
AUTOSTART = {
    "031000": {"label": "AUTOSTART"},
    "111000": {"label": "INICIO AUTOM\u00c1TICO"},
}

LANGUAGES = [
    ("031000", ENGLISH, ENGLISH_MESSAGES),
    ("111000", SPANISH, SPANISH_MESSAGES),
]
STRING_COUNT = 124
