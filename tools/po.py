#!/usr/bin/env python3
"""The translators' catalogues: the template, the checks and the compiled catalogues.

  po.py template             writes po/quickfigure.pot from the texts the code marks
  po.py update [CODE ...]    writes the template and merges it into po/*.po (or only the
                             catalogues of the codes given, starting a missing one)
  po.py check                fails when the template is stale or a catalogue is incomplete,
                             has placeholders, colour tags or line breaks that differ from
                             the English, or a letter its language's code page lacks
  po.py compile OUT_DIR      writes OUT_DIR/<code>.mo for each catalogue, the pseudo-language
                             OUT_DIR/qps.mo, and OUT_DIR/catalogues.rc naming them

The code marks a shown text with Tr("..."), TrIn("context", "...") or TrMark("..."), the
English text one C string literal or several adjacent ones. A comment line "// Translators:
..." just above the call reaches the template as a note to translators.
"""
import argparse
import pathlib
import re
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE_FOLDERS = ["game", "progress", "shell", "app", "ui", "text"]
TEMPLATE = "quickfigure.pot"
PSEUDO = "qps"
# Every language of Windows-1252 today; a language of another code page names it here.
CODE_PAGES = {}
DEFAULT_CODE_PAGE = "cp1252"
DIVISION_CODE = "\\x89"
DIVISION_SIGN = "\u00f7"

LITERAL = r'"(?:[^"\\\n]|\\.)*"'
LITERALS = rf"{LITERAL}(?:\s*{LITERAL})*"
CALL = re.compile(
    rf"\b(?P<fn>Tr|TrIn|TrMark)\(\s*(?:(?P<ctx>{LITERALS})\s*,\s*)?(?P<id>{LITERALS})\s*\)")
TRANSLATORS = re.compile(r"//\s*Translators:\s*(.*)")
PLACEHOLDER = re.compile(r"\{[1-9]\}")
TAG = re.compile(r"\[[a-z/]*\]")


def c_literals(text):
    """The value of adjacent C string literals, \\x89 read as the division sign."""
    value = ""
    for literal in re.findall(LITERAL, text):
        body = literal[1:-1]
        i = 0
        while i < len(body):
            ch = body[i]
            if ch != "\\":
                value += ch
                i += 1
                continue
            esc = body[i + 1]
            if esc == "x":
                match = re.match(r"[0-9a-fA-F]+", body[i + 2:])
                code = int(match.group(0), 16)
                value += DIVISION_SIGN if code == 0x89 else chr(code)
                i += 2 + len(match.group(0))
            else:
                value += {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}[esc]
                i += 2
    return value


class Entry:
    def __init__(self, msgid, context=None):
        self.msgid = msgid
        self.context = context
        self.msgstr = ""
        self.notes = []
        self.places = []
        self.fuzzy = False

    @property
    def key(self):
        return (self.context, self.msgid)


def extract(root=ROOT):
    """The marked texts of the code, in the order first met, as {key: Entry}."""
    entries = {}
    for folder in SOURCE_FOLDERS:
        for path in sorted((root / folder).glob("*.[ch]*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            text = path.read_text(encoding="utf-8")
            for match in CALL.finditer(text):
                context = c_literals(match.group("ctx")) if match.group("ctx") else None
                entry = Entry(c_literals(match.group("id")), context)
                entry = entries.setdefault(entry.key, entry)
                place = f"{folder}/{path.name}"
                if place not in entry.places:
                    entry.places.append(place)
                line_start = text.rfind("\n", 0, match.start())
                above = text.rfind("\n", 0, max(line_start, 0))
                note = TRANSLATORS.search(text[above + 1:line_start])
                if note and note.group(1) not in entry.notes:
                    entry.notes.append(note.group(1))
    return entries


def quote(value):
    escaped = value.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t")
    if "\n" not in escaped:
        return f'"{escaped}"'
    parts = escaped.split("\n")
    lines = [p + "\\n" for p in parts[:-1]] + ([parts[-1]] if parts[-1] else [])
    return '""\n' + "\n".join(f'"{line}"' for line in lines)


def unquote(value):
    out, i = "", 0
    while i < len(value):
        if value[i] == "\\":
            out += {"n": "\n", "t": "\t", '"': '"', "\\": "\\"}[value[i + 1]]
            i += 2
        else:
            out += value[i]
            i += 1
    return out


def read_po(path):
    """(header msgstr, {key: Entry}) of a .po or .pot file; obsolete entries are left out."""
    entries, header = {}, ""
    current, field, notes, places, fuzzy = None, None, [], [], False
    fields = {}

    def finish():
        nonlocal fields, notes, places, fuzzy
        if "msgid" in fields:
            entry = Entry(fields["msgid"], fields.get("msgctxt"))
            entry.msgstr = fields.get("msgstr", "")
            entry.notes, entry.places, entry.fuzzy = notes, places, fuzzy
            if entry.msgid == "" and entry.context is None:
                nonlocal header
                header = entry.msgstr
            else:
                entries[entry.key] = entry
        fields, notes, places, fuzzy = {}, [], [], False

    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if not line or line.startswith("#~"):
            if not line:
                finish()
            continue
        if line.startswith("#."):
            notes.append(line[2:].strip())
        elif line.startswith("#:"):
            places.extend(line[2:].split())
        elif line.startswith("#,"):
            fuzzy = fuzzy or "fuzzy" in line
        elif line.startswith("#"):
            continue
        elif line.startswith('"'):
            fields[field] += unquote(line[1:-1])
        else:
            field, _, rest = line.partition(" ")
            if field in fields:
                finish()
            fields[field] = unquote(rest.strip()[1:-1])
    finish()
    return header, entries


def header_for(code):
    return ("Project-Id-Version: Quickfigure\n"
            f"Language: {code}\n"
            "MIME-Version: 1.0\n"
            "Content-Type: text/plain; charset=UTF-8\n"
            "Content-Transfer-Encoding: 8bit\n")


def write_po(path, header, entries, with_translations):
    lines = [
        "# Quickfigure's shown texts. Keep each placeholder {1}, {2} ..., each colour tag such",
        "# as [red] ... [/] and each line break; the division sign \u00f7 and the x of",
        "# multiplication stay as they are. Keys named in a text (\"Esc\", \"(N)\") are keys",
        "# of the keyboard: keep their letters.",
        'msgid ""',
        "msgstr " + quote(header if with_translations else header_for("")),
        "",
    ]
    for entry in entries.values():
        lines += [f"#. {note}" for note in entry.notes]
        if entry.places:
            lines.append("#: " + " ".join(entry.places))
        if with_translations and entry.fuzzy:
            lines.append("#, fuzzy")
        if entry.context is not None:
            lines.append("msgctxt " + quote(entry.context))
        lines.append("msgid " + quote(entry.msgid))
        lines.append("msgstr " + quote(entry.msgstr if with_translations else ""))
        lines.append("")
    path.write_text("\n".join(lines), encoding="utf-8")


def catalogues(root=ROOT):
    return sorted((root / "po").glob("*.po"))


def language_codes(root=ROOT):
    """The codes of the language table the program chooses from."""
    table = (root / "text" / "languages.cpp").read_text(encoding="utf-8")
    return set(re.findall(r'^\s*\{"([A-Za-z_]+)",', table, re.M)) - {"en"}


def pseudo_text(english):
    """english with its words 40 % longer in accented letters; placeholders, tags, single
    letters (the x of multiplication, key names) and everything else unchanged."""
    accents = str.maketrans("aeiouycnszAEIOUYCNSZ", "\u00e4\u00e9\u00ef\u00f6\u00fc\u00ff"
                            "\u00e7\u00f1\u0161\u017e\u00c4\u00c9\u00cf\u00d6\u00dc\u0178"
                            "\u00c7\u00d1\u0160\u017d")

    def longer(match):
        word = match.group(0)
        if len(word) < 2:
            return word
        grown = word.translate(accents)
        extra = (len(word) * 2 + 4) // 5
        return grown + ("\u00e5\u00ea" * extra)[:extra]

    pieces = re.split(r"(\{[1-9]\}|\[[a-z/]*\])", english)
    return "".join(p if i % 2 else re.sub(r"[A-Za-z]+", longer, p)
                   for i, p in enumerate(pieces))


def write_mo(path, pairs):
    """A little-endian .mo of (key, translation) pairs, keys sorted as gettext keeps them."""
    pairs = sorted((k.encode("utf-8"), v.encode("utf-8")) for k, v in pairs)
    count = len(pairs)
    originals_at = 28
    translations_at = originals_at + 8 * count
    data_at = translations_at + 8 * count
    table_o, table_t, data = b"", b"", b""
    for key, _ in pairs:
        table_o += struct.pack("<II", len(key), data_at + len(data))
        data += key + b"\0"
    for _, value in pairs:
        table_t += struct.pack("<II", len(value), data_at + len(data))
        data += value + b"\0"
    header = struct.pack("<IIIIIII", 0x950412DE, 0, count, originals_at, translations_at, 0, 0)
    path.write_bytes(header + table_o + table_t + data)


def mo_pairs(entries):
    for entry in entries.values():
        if entry.msgstr and not entry.fuzzy:
            key = entry.msgid if entry.context is None else f"{entry.context}\x04{entry.msgid}"
            yield key, entry.msgstr


def problems_of(path, template, codes):
    """The faults of one catalogue against the template, one line each."""
    code = path.stem
    header, entries = read_po(path)
    faults = []
    if code not in codes:
        faults.append(f"{path.name}: no language '{code}' in text/languages.cpp")
    page = CODE_PAGES.get(code, DEFAULT_CODE_PAGE)
    for key, english in template.items():
        entry = entries.get(key)
        label = f"{path.name}: {english.msgid!r}"
        if entry is None or not entry.msgstr or entry.fuzzy:
            faults.append(f"{label}: not translated")
            continue
        for name, pattern in (("placeholders", PLACEHOLDER), ("colour tags", TAG)):
            if sorted(pattern.findall(entry.msgstr)) != sorted(pattern.findall(english.msgid)):
                faults.append(f"{label}: {name} differ: {entry.msgstr!r}")
        if entry.msgstr.count("\n") != english.msgid.count("\n"):
            faults.append(f"{label}: line breaks differ: {entry.msgstr!r}")
        if (DIVISION_SIGN in english.msgid) != (DIVISION_SIGN in entry.msgstr):
            faults.append(f"{label}: the division sign is lost or added: {entry.msgstr!r}")
        try:
            entry.msgstr.replace(DIVISION_SIGN, "").encode(page)
        except UnicodeEncodeError as error:
            faults.append(f"{label}: {page} has no {error.object[error.start]!r}")
    for key in entries.keys() - template.keys():
        faults.append(f"{path.name}: {entries[key].msgid!r} is not in the template")
    return faults


def check(root=ROOT):
    faults = []
    template_path = root / "po" / TEMPLATE
    extracted = extract(root)
    if not template_path.exists():
        return [f"po/{TEMPLATE} is missing: run tools/po.py update"]
    _, template = read_po(template_path)
    for key in extracted.keys() - template.keys():
        faults.append(f"{TEMPLATE}: the shown text {key[1]!r} is missing: run tools/po.py update")
    for key in template.keys() - extracted.keys():
        faults.append(f"{TEMPLATE}: {key[1]!r} is no longer in the code: run tools/po.py update")
    codes = language_codes(root)
    for path in catalogues(root):
        faults += problems_of(path, template, codes)
    for code in codes - {p.stem for p in catalogues(root)}:
        faults.append(f"text/languages.cpp: '{code}' has no po/{code}.po")
    return faults


def update(codes=(), root=ROOT):
    extracted = extract(root)
    write_po(root / "po" / TEMPLATE, "", extracted, with_translations=False)
    # A code without a catalogue starts one, every text still to translate.
    for code in codes:
        path = root / "po" / f"{code}.po"
        if not path.exists():
            write_po(path, header_for(code), {}, with_translations=True)
    for path in catalogues(root):
        if codes and path.stem not in codes:
            continue
        header, old = read_po(path)
        merged = {}
        for key, entry in extracted.items():
            kept = old.get(key)
            entry_copy = Entry(entry.msgid, entry.context)
            entry_copy.notes, entry_copy.places = entry.notes, entry.places
            if kept is not None:
                entry_copy.msgstr, entry_copy.fuzzy = kept.msgstr, kept.fuzzy
            merged[key] = entry_copy
        write_po(path, header, merged, with_translations=True)


def compile_all(out_dir, root=ROOT):
    out_dir.mkdir(parents=True, exist_ok=True)
    names = []
    for path in catalogues(root):
        _, entries = read_po(path)
        write_mo(out_dir / f"{path.stem}.mo", mo_pairs(entries))
        names.append(path.stem)
    _, template = read_po(root / "po" / TEMPLATE)
    for entry in template.values():
        entry.msgstr = pseudo_text(entry.msgid)
    write_mo(out_dir / f"{PSEUDO}.mo", mo_pairs(template))
    names.append(PSEUDO)
    rc = [f'CATALOGUE_{name.upper()} RCDATA "{(out_dir / f"{name}.mo").as_posix()}"'
          for name in names]
    (out_dir / "catalogues.rc").write_text("\n".join(rc) + "\n", encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("command", choices=["template", "update", "check", "compile"])
    parser.add_argument("arguments", nargs="*",
                        help="compile: the output folder; update: the catalogues' codes")
    args = parser.parse_args()
    if args.command == "template":
        write_po(ROOT / "po" / TEMPLATE, "", extract(), with_translations=False)
    elif args.command == "update":
        update(args.arguments)
    elif args.command == "compile":
        compile_all(pathlib.Path(args.arguments[0]))
    else:
        faults = check()
        for fault in faults:
            print(fault)
        return 1 if faults else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
