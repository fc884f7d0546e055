"""Which translations a built quickfigure.exe holds.

Each compiled catalogue is an RCDATA resource named CATALOGUE_ and the language's code in
capitals; a resource's name is kept in the program as its length in 16-bit units, then the
name in UTF-16LE.
"""


def resource_name(code):
    name = "CATALOGUE_" + code.upper()
    return len(name).to_bytes(2, "little") + name.encode("utf-16-le")


def has_catalogue(exe, code):
    """True when the program at path exe holds the catalogue of the language code ("fr")."""
    with open(exe, "rb") as f:
        return resource_name(code) in f.read()
