"""Writes INI files byte for byte as the settings library writes them.

`legacy=True` gives the dialect of the program's own settings files (non-ASCII
as \\x escapes); `legacy=False` writes non-ASCII as raw UTF-8, the form of the
language files and of the key-name and hardware tables.
"""

HEX_DIGITS = set("0123456789abcdefABCDEF")
CONTROL_ESCAPES = {"\a": "\\a", "\b": "\\b", "\f": "\\f", "\n": "\\n",
                   "\r": "\\r", "\t": "\\t", "\v": "\\v"}


def escape(text, legacy):
    out = []
    needs_quotes = False
    escape_next_if_digit = False
    for ch in text:
        code = ord(ch)
        if ch in ";,=":
            needs_quotes = True
        if escape_next_if_digit and ch in HEX_DIGITS:
            out.append("\\x%x" % code)
            continue
        escape_next_if_digit = False
        if ch == "\0":
            out.append("\\0")
            escape_next_if_digit = True
        elif ch in CONTROL_ESCAPES:
            out.append(CONTROL_ESCAPES[ch])
        elif ch in "\"\\":
            out.append("\\" + ch)
        elif code <= 0x1F or (code >= 0x7F and legacy):
            out.append("\\x%x" % code)
            escape_next_if_digit = True
        else:
            out.append(ch)
    result = "".join(out)
    if needs_quotes or result.startswith(" ") or result.endswith(" "):
        result = '"' + result + '"'
    return result


def value_text(value, legacy):
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, (list, tuple)):
        return ", ".join(value_text(v, legacy) for v in value)
    return escape(str(value), legacy)


def write(path, sections, legacy):
    """sections: {section: {key: value}}; keys are sorted as the library sorts them."""
    lines = []
    for section in sorted(sections):
        if lines:
            lines.append("")
        lines.append("[%s]" % section)
        for key in sorted(sections[section], key=str):
            lines.append("%s=%s" % (key, value_text(sections[section][key], legacy)))
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
