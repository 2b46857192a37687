#!/usr/bin/env python3
"""Checks the shipped 32-bit hexorin.exe as a file, since it cannot run here:
machine, subsystem, imported DLLs (with objdump), and the resources read
straight from the PE file: both dialog templates control by control, the
About picture, the icon group, the version and the manifest.

usage: check_windows_program.py HEXORIN_EXE OBJDUMP"""

import re
import struct
import subprocess
import sys

failures = []
passed = 0


def check(condition, what):
    global passed
    if condition:
        passed += 1
    else:
        print("FAILED " + what)
        failures.append(what)


# ---- Headers and imports, as objdump reads them -----------------------------
def check_headers(exe, objdump):
    info = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    check("file format pei-i386" in info, "32-bit x86 PE file (pei-i386)")
    check(re.search(r"Subsystem\s+00000002", info) is not None, "GUI subsystem")
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", info)}
    system = {"kernel32.dll", "user32.dll", "gdi32.dll", "comdlg32.dll", "comctl32.dll", "shell32.dll",
              "advapi32.dll", "msvcrt.dll"}
    check(dlls and dlls <= system, "imports only system DLLs: " + ", ".join(sorted(dlls)))
    for needed in ("user32.dll", "comdlg32.dll", "shell32.dll", "kernel32.dll"):
        check(needed in dlls, "imports " + needed)


# ---- Resources ---------------------------------------------------------------
def read_resources(data):
    """{(type, name): bytes} from the .rsrc section."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    table = pe + 24 + optional_size
    for i in range(sections):
        name, _, virtual_address, raw_size, raw_pointer = struct.unpack_from("<8sIIII", data, table + 40 * i)
        if name.rstrip(b"\0") == b".rsrc":
            break
    else:
        return {}
    base = raw_pointer

    def entries(offset):
        named, ids = struct.unpack_from("<12xHH", data, base + offset)
        for k in range(named + ids):
            key, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * k)
            yield key, target

    resources = {}
    for rtype, to_names in entries(0):
        for rname, to_languages in entries(to_names & 0x7FFFFFFF):
            for _, to_data in entries(to_languages & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + to_data)
                start = raw_pointer + rva - virtual_address
                resources[(rtype, rname)] = data[start:start + size]
    return resources


def read_text(data, offset):
    """A resource string or ordinal: 0xFFFF then a number, or UTF-16 to a zero."""
    if struct.unpack_from("<H", data, offset)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def read_dialog(data):
    style, _, count, x, y, cx, cy = struct.unpack_from("<IIHhhhh", data, 0)
    offset = 18
    _, offset = read_text(data, offset)  # menu
    _, offset = read_text(data, offset)  # class
    caption, offset = read_text(data, offset)
    points = struct.unpack_from("<H", data, offset)[0]
    font, offset = read_text(data, offset + 2)
    controls = []
    for _ in range(count):
        offset = (offset + 3) & ~3
        c_style, _, c_x, c_y, c_cx, c_cy, c_id = struct.unpack_from("<IIhhhhH", data, offset)
        cls, offset = read_text(data, offset + 18)
        cls = CLASS_ATOMS.get(cls.lower(), cls) if isinstance(cls, str) else cls
        text, offset = read_text(data, offset)
        extra = struct.unpack_from("<H", data, offset)[0]
        offset += 2 + extra
        controls.append((c_id, cls, c_style, text, (c_x, c_y, c_cx, c_cy)))
    return style, caption, points, font, (cx, cy), controls


WS_POPUP, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x00C00000, 0x00080000
WS_TABSTOP, WS_GROUP, WS_BORDER = 0x00010000, 0x00020000, 0x00800000
DS_MODALFRAME, DS_CENTER, DS_SETFONT = 0x80, 0x800, 0x40
WS_MINIMIZEBOX, WS_MAXIMIZEBOX = 0x00020000, 0x00010000
ES_AUTOHSCROLL, SS_BITMAP = 0x80, 0x0E
BUTTON, EDIT, STATIC = 0x80, 0x81, 0x82
CLASS_ATOMS = {"button": BUTTON, "edit": EDIT, "static": STATIC}  # a class by name is the same class
PUSH, CHECK, RADIO = 0x0, 0x3, 0x9  # BS_PUSHBUTTON, BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON
MINUS_ONE = 0xFFFF
NOTE = ("If  you like  this program  and think  its  worth  something,   please  click  the 'Donate' button "
        "and send a few dollars.  Or if you  find any  bugs or just want to say hello, hit the \"Email Me\" "
        "button.")

# (id, class, kind: button type / edit / static / bitmap, tab stop, text, position and size)
MAIN_CONTROLS = [
    (1000, BUTTON, RADIO, False, "ASM Headers", (28, 46, 63, 10)),
    (1001, BUTTON, RADIO, False, "C++ Headers", (133, 47, 63, 10)),
    (1002, BUTTON, PUSH, True, "Create!", (169, 69, 38, 13)),
    (1003, EDIT, "edit", True, "", (30, 1, 146, 13)),
    (1004, EDIT, "edit", True, "", (30, 14, 146, 13)),
    (1005, BUTTON, PUSH, True, "Browse", (179, 1, 32, 12)),
    (1006, BUTTON, PUSH, True, "Browse", (179, 14, 32, 12)),
    (1007, BUTTON, PUSH, True, "About", (7, 69, 38, 13)),
    (1008, EDIT, "edit", True, "", (29, 28, 86, 13)),
    (MINUS_ONE, STATIC, "label", False, "Source", (3, 4, 24, 9)),
    (MINUS_ONE, STATIC, "label", False, "Target", (3, 17, 22, 8)),
    (MINUS_ONE, STATIC, "label", False, "Title", (4, 30, 23, 8)),
    (1009, BUTTON, CHECK, True, "Append NULL/Zero terminator to data", (27, 58, 172, 8)),
]
ABOUT_CONTROLS = [
    (MINUS_ONE, STATIC, "label", False, NOTE, (70, 4, 106, 60)),  # tall enough for all seven lines
    (1009, BUTTON, PUSH, True, "Email Me", (7, 68, 47, 15)),
    (1010, BUTTON, PUSH, True, "Donate", (129, 68, 47, 15)),
    (MINUS_ONE, STATIC, "bitmap", False, 106, (12, 4, 48, 49)),
    (MINUS_ONE, STATIC, "label", False, None, (21, 55, 31, 10)),  # the one-word caption is ours
]


def check_dialog(resources, number, caption, size, expected):
    data = resources.get((5, number))
    check(data is not None, f"dialog {number} present")
    if data is None:
        return
    style, seen_caption, points, font, seen_size, controls = read_dialog(data)
    wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_SETFONT
    check(style & wanted == wanted and not style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
          f"dialog {number}: popup, caption, system menu, modal frame, centred, own font; no min/max box")
    check(seen_caption == caption, f"dialog {number}: caption {seen_caption!r}")
    check((points, font) == (8, "MS Sans Serif"), f"dialog {number}: font {font!r} {points} pt")
    check(seen_size == size, f"dialog {number}: {seen_size[0]} x {seen_size[1]} dialog units")
    check(len(controls) == len(expected), f"dialog {number}: {len(controls)} controls")
    for (c_id, cls, c_style, text, place), (e_id, e_cls, kind, tab, e_text, e_place) in zip(controls, expected):
        name = f"dialog {number}, control {e_text if isinstance(e_text, str) and len(e_text) < 40 else e_id}"
        check((c_id, cls, place) == (e_id, e_cls, e_place), f"{name}: id, class, position and size")
        check(e_text is None or text == e_text, f"{name}: text")
        check(bool(c_style & WS_TABSTOP) == tab, f"{name}: tab stop {'on' if tab else 'off'}")
        if cls == BUTTON:
            check(c_style & 0xF == kind, f"{name}: button kind (never a default button)")
        elif kind == "edit":
            check(c_style & (WS_BORDER | ES_AUTOHSCROLL) == WS_BORDER | ES_AUTOHSCROLL, f"{name}: border, auto-scroll")
        elif kind == "bitmap":
            check(c_style & 0x1F == SS_BITMAP, f"{name}: shows a bitmap")
        else:
            check(c_style & 0x1F == 0, f"{name}: left-aligned")
            if number == 102:
                check(bool(c_style & WS_GROUP), f"{name}: starts a group")
    ids = [c[0] for c in controls]
    check(1 not in ids and 2 not in ids, f"dialog {number}: no IDOK or IDCANCEL control")


def check_pictures(resources):
    bitmap = resources.get((2, 106))
    check(bitmap is not None, "bitmap 106 present")
    if bitmap:
        _, width, height, _, bits = struct.unpack_from("<IiiHH", bitmap, 0)
        check((width, abs(height), bits) == (72, 79, 24), f"bitmap 106: {width} x {abs(height)}, {bits} bits")
    group = resources.get((14, 105))
    check(group is not None, "icon group 105 present")
    if group:
        count = struct.unpack_from("<H", group, 4)[0]
        images = set()
        for k in range(count):
            width, height, colours, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * k)
            header = resources.get((3, icon_id), b"")
            if len(header) >= 16:
                bits = struct.unpack_from("<H", header, 14)[0]
            images.add((width or 256, height or 256, bits))
        check(images == {(16, 16, 4), (32, 32, 4), (32, 32, 8), (48, 48, 8)},
              "icon group 105: 16 and 32 px in 16 colours, 32 and 48 px in 256 colours")


def check_version_and_manifest(resources):
    version = resources.get((16, 1), b"")
    check(b"1.4".decode() in version.decode("utf-16-le", "ignore") and
          "Hexorin" in version.decode("utf-16-le", "ignore"), "version resource: Hexorin 1.4")
    manifest = resources.get((24, 1), b"").decode("utf-8", "ignore")
    check("asInvoker" in manifest and "supportedOS" in manifest and "dpiAware" in manifest,
          "manifest: runs as invoker, names supported Windows versions, DPI aware")


def main():
    exe, objdump = sys.argv[1], sys.argv[2]
    check_headers(exe, objdump)
    with open(exe, "rb") as f:
        resources = read_resources(f.read())
    check_dialog(resources, 102, "Norvane's Hexorin Creator Version 1.4", (214, 89), MAIN_CONTROLS)
    check_dialog(resources, 103, "About Hexorin", (184, 89), ABOUT_CONTROLS)
    check_pictures(resources)
    check_version_and_manifest(resources)
    print(f"{passed} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
