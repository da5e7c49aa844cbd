#!/usr/bin/python3
"""Independent view of project files for the tests: Python's zipfile and
xml.etree, nothing of libzip or cereal. Run with /usr/bin/python3.

  check PROJECT [SHOT_DIR]
      Checks the zip (no comment, methods 0 or 8, testzip() None, shot
      entries equal to the files of the same name in SHOT_DIR) and every XML
      archive against the layout below. Prints JSON: {"errors": [...],
      "entries": [names in order], "values": {"<entry>/<path>": text, and
      "<entry>/<path>#": item count for each sequence}}.
  check-xml ENTRY FILE
      Checks one XML archive, as the entry named ENTRY of a project; prints
      the same JSON without "entries".
  edit-xml FILE OPS_JSON
      Edits one XML archive in place; paths are ElementTree paths below the
      root: {"op": "remove", "path"} (every match), {"op": "set", "path",
      "text"}, {"op": "copy", "path", "tag"} (appends a copy of the first
      match beside it, renamed), {"op": "text", "text"} (the whole file).
      A path that matches nothing is an error.
  hostile CASE OUT TOMODOC
      Writes a damaged or hostile zip OUT holding TOMODOC as "tomodoc.xml"
      (except where the case says otherwise).
  edit IN OUT OPS_JSON
      Copies the zip IN to OUT applying a list of operations:
      {"op": "remove", "name"}, {"op": "rename", "from", "to"},
      {"op": "put", "name", "text" or "file"}, {"op": "replace", "name",
      "old", "new"} (every occurrence; the text must occur), {"op": "xml",
      "name", "ops"} (the operations of edit-xml on that entry).
"""
import json
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

# ---- layout --------------------------------------------------------------
# A type is "double", "u32", "int", "bool", "string", ("seq", T) or a record:
# a list of (name, type) in element order.
P = [("x", "double"), ("z", "double")]
PHANTOM = [("pos", ("seq", P)), ("time", ("seq", "double")), ("a", "double"),
           ("b", "double"), ("TAB", "double")]
COLOR = [("mr", "double"), ("mg", "double"), ("mb", "double"), ("mval", "double")]
PALETTE = [("name", "string"), ("n_colors", "int"), ("is_editable", "bool"),
           ("min_db", "double"), ("max_db", "double"),
           ("color_gradient", [("n_colors", "int"), ("color", ("seq", COLOR))])]
LAYOUT = {
    "tomodoc.xml": [
        ("goephonesStringSet", ("seq", ("seq", P))),
        ("ttArray", ("seq", [("indexStesa", "u32"), ("shotPos2d", P),
                             ("ttMisurati", ("seq", "double")),
                             ("ttCalcolati", ("seq", "double")), ("traceSetID", "u32")])),
        ("has_tomographic_info", "bool"),
        ("geoCoord", [("mEastFstGeoph", "double"), ("mEastLstGeoph", "double"),
                      ("mNorthFstGeoph", "double"), ("mNorthLstGeoph", "double"),
                      ("CRS", "u32")]),
        ("geoCoord_isSet", "bool"), ("RMSE_tomography", "double"),
        ("info_density", ("seq", "double")), ("title", "string")],
    "grid.xml": [("righe", "u32"), ("col", "u32"), ("nV", "u32"), ("aLato", "double"),
                 ("velocities", ("seq", "double")), ("to_be_draw", ("seq", "bool"))],
    # The "traceSet" elements follow, one per trace set (checked separately).
    "traces.xml": [("filenames", ("seq", "string")), ("filenames_DX", ("seq", "string")),
                   ("filenames_SX", ("seq", "string")), ("wave_type", "int"),
                   ("shot_pos", ("seq", "double"))],
    "palettes.xml": [("n_palettes", "int"), ("curr_palette", "int"),
                     ("palettes", ("seq", PALETTE))],
    "refraction.xml": [
        ("phnt_A", ("seq", PHANTOM)), ("phnt_R", ("seq", PHANTOM)),
        ("refractData", [("cData", ("seq", [("z", ("seq", "double")), ("tG", ("seq", "double")),
                                            ("tV", ("seq", "double")),
                                            ("tGs", ("seq", ("seq", "double"))),
                                            ("tVs", ("seq", ("seq", "double")))])),
                         ("v1", "double"), ("v2", ("seq", "double")), ("v3", ("seq", "double"))]),
        ("ttLayer", ("seq", [("shotID", "u32"), ("layer", ("seq", "int")),
                             ("trasla", ("seq", "double")), ("enabled", "bool")]))],
}
TRACE_SET = ("seq", [("filtered", ("seq", "double"))])
XML_SPACE = "{http://www.w3.org/XML/1998/namespace}space"


class Checker:
    def __init__(self):
        self.errors = []
        self.values = {}

    def leaf(self, path, elem, kind):
        if len(elem):
            self.errors.append("%s: a %s with children" % (path, kind))
            return
        text = elem.text or ""
        self.values[path] = text
        try:
            if kind == "double":
                float(text)
            elif kind == "u32":
                assert 0 <= int(text) <= 0xFFFFFFFF
            elif kind == "int":
                assert -2**31 <= int(text) < 2**31
            elif kind == "bool":
                assert text in ("true", "false")
            elif kind == "string":
                blank = text != text.strip()
                if blank != (elem.get(XML_SPACE) == "preserve"):
                    self.errors.append("%s: xml:space does not match the blanks" % path)
        except (ValueError, AssertionError):
            self.errors.append("%s: %r is not a %s" % (path, text, kind))

    def node(self, path, elem, kind):
        if isinstance(kind, str):
            self.leaf(path, elem, kind)
        elif isinstance(kind, tuple):
            if elem.get("size") != "dynamic":
                self.errors.append("%s: no size=\"dynamic\"" % path)
            self.values[path + "#"] = str(len(elem))
            for i, child in enumerate(elem):
                if child.tag != "value%d" % i:
                    self.errors.append("%s: item %d is <%s>" % (path, i, child.tag))
                self.node("%s/%s" % (path, child.tag), child, kind[1])
        else:
            self.record(path, elem, kind)

    def record(self, path, elem, fields):
        tags = [c.tag for c in elem]
        wanted = [name for name, _ in fields]
        if tags[:len(wanted)] != wanted:
            self.errors.append("%s: children %s, expected %s" % (path, tags, wanted))
            return
        for (name, kind), child in zip(fields, elem):
            self.node("%s/%s" % (path, name), child, kind)
        return elem[len(wanted):]


def check_xml(name, data, checker):
    text = data.decode("utf-8")
    if not text.startswith('<?xml version="1.0" encoding="utf-8"?>'):
        checker.errors.append("%s: no XML declaration of version 1.0, utf-8" % name)
    for number, line in enumerate(text.splitlines(), 1):
        indent = line[:len(line) - len(line.lstrip())]
        if indent.strip("\t"):
            checker.errors.append("%s:%d: indented with other than tabs" % (name, number))
            break
    root = ET.fromstring(data)
    if root.tag != "cereal":
        checker.errors.append("%s: root <%s>" % (name, root.tag))
        return
    rest = checker.record(name, root, LAYOUT[name])
    if rest is None:
        return
    if name == "traces.xml":
        for i, child in enumerate(rest):
            if child.tag != "traceSet":
                checker.errors.append("%s: <%s> after the header" % (name, child.tag))
            checker.node("%s/traceSet%d" % (name, i), child, TRACE_SET)
        rest = []
    for child in rest:
        checker.errors.append("%s: unexpected <%s>" % (name, child.tag))


def check(project, shot_dir=None):
    checker = Checker()
    with zipfile.ZipFile(project) as zf:
        names = [i.filename for i in zf.infolist()]
        if zf.comment:
            checker.errors.append("the zip has a comment")
        bad = zf.testzip()
        if bad is not None:
            checker.errors.append("testzip: %s is damaged" % bad)
        for info in zf.infolist():
            if info.compress_type not in (zipfile.ZIP_STORED, zipfile.ZIP_DEFLATED):
                checker.errors.append("%s: method %d" % (info.filename, info.compress_type))
            data = zf.read(info)
            if info.filename in LAYOUT:
                check_xml(info.filename, data, checker)
            elif shot_dir is not None:
                source = os.path.join(shot_dir, info.filename)
                if not os.path.isfile(source):
                    checker.errors.append("%s: no such shot file" % info.filename)
                else:
                    with open(source, "rb") as f:
                        if f.read() != data:
                            checker.errors.append("%s differs from its file" % info.filename)
    print(json.dumps({"errors": checker.errors, "entries": names, "values": checker.values}))


def compare(a, b):
    """The differences between two projects, entry by entry: names, order,
    the bytes each entry holds and how it is stored. Time stamps, the only
    thing two saves of one survey may differ in, are not compared."""
    differences = []
    with zipfile.ZipFile(a) as za, zipfile.ZipFile(b) as zb:
        ia, ib = za.infolist(), zb.infolist()
        na, nb = [i.filename for i in ia], [i.filename for i in ib]
        if na != nb:
            differences.append("entries %s and %s" % (na, nb))
        for x, y in zip(ia, ib):
            if x.filename != y.filename:
                continue
            if x.compress_type != y.compress_type:
                differences.append("%s: method %d and %d" % (x.filename, x.compress_type,
                                                             y.compress_type))
            da, db = za.read(x), zb.read(y)
            if da != db:
                at = next((k for k in range(min(len(da), len(db))) if da[k] != db[k]),
                          min(len(da), len(db)))
                differences.append("%s: %d and %d bytes, first difference at %d: %r and %r" % (
                    x.filename, len(da), len(db), at, da[max(0, at - 20):at + 20],
                    db[max(0, at - 20):at + 20]))
    print(json.dumps({"differences": differences}))


# ---- hostile archives ----------------------------------------------------
def write_zip(out, entries, method=zipfile.ZIP_DEFLATED):
    with zipfile.ZipFile(out, "w", method) as zf:
        for name, data in entries:
            zf.writestr(zipfile.ZipInfo(name), data, compress_type=method)


def central_entry(data, name):
    """Offset of the central directory header of the entry called name."""
    at = data.index(b"PK\x01\x02")
    while data[at:at + 4] == b"PK\x01\x02":
        n, m, k = struct.unpack_from("<HHH", data, at + 28)
        if data[at + 46:at + 46 + n] == name.encode():
            return at
        at += 46 + n + m + k
    raise KeyError(name)


def hostile(case, out, tomodoc):
    with open(tomodoc, "rb") as f:
        doc = f.read()
    payload = os.urandom(4096)
    # A traces.xml that names s1.sg2: the reader extracts only the shot
    # files its project names.
    traces = ("tomodoc.xml", doc), ("traces.xml", b'<cereal><filenames size="dynamic">'
                                    b'<value0>s1.sg2</value0></filenames></cereal>')
    if case.startswith("name:"):
        write_zip(out, [("tomodoc.xml", doc), (case[5:], b"x")])
    elif case == "repeated":
        with zipfile.ZipFile(out, "w") as zf:
            zf.writestr("tomodoc.xml", doc)
            zf.writestr("s1.sg2", b"one")
            import warnings
            with warnings.catch_warnings():
                warnings.simplefilter("ignore")
                zf.writestr("s1.sg2", b"two")
    elif case == "raised-size":
        write_zip(out, [*traces, ("s1.sg2", payload)])
        with open(out, "r+b") as f:
            data = f.read()
            at = central_entry(data, "s1.sg2") + 24
            size = struct.unpack_from("<I", data, at)[0]
            f.seek(at)
            f.write(struct.pack("<I", size + 1000))
    elif case == "bad-crc":
        write_zip(out, [*traces, ("s1.sg2", payload)], zipfile.ZIP_STORED)
        with open(out, "r+b") as f:
            data = f.read()
            local = struct.unpack_from("<I", data, central_entry(data, "s1.sg2") + 42)[0]
            n, m = struct.unpack_from("<HH", data, local + 26)
            at = local + 30 + n + m + 100
            f.seek(at)
            f.write(bytes([data[at] ^ 0xFF]))
    elif case == "cut":
        write_zip(out, [("tomodoc.xml", doc), ("s1.sg2", payload)])
        with open(out, "r+b") as f:
            f.truncate(os.path.getsize(out) - 200)
    elif case == "bomb":
        write_zip(out, [("tomodoc.xml", doc), ("zeros.sg2", bytes(1000000))])
    elif case == "zeros-4gib":
        # 4 GiB of zeros the project does not use, in a file of a few MB.
        with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=1) as zf:
            zf.writestr("tomodoc.xml", doc)
            with zf.open("zeros.bin", "w", force_zip64=True) as f:
                chunk = bytes(1 << 24)
                for _ in range(256):
                    f.write(chunk)
    elif case == "noext":
        write_zip(out, [("tomodoc.xml", doc), ("noext", b"abc")])
    elif case.startswith("only:"):
        write_zip(out, [(case[5:], doc)])
    elif case == "empty-zip":
        write_zip(out, [])
    elif case == "zero-bytes":
        open(out, "wb").close()
    elif case == "text":
        with open(out, "w") as f:
            f.write("this is not a project\n")
    else:
        raise SystemExit("unknown case " + case)


# ---- edits -----------------------------------------------------------------
def edit(src, out, ops):
    with zipfile.ZipFile(src) as zf:
        entries = [(i.filename, zf.read(i)) for i in zf.infolist()]
    for op in ops:
        kind = op["op"]
        if kind == "remove":
            entries = [(n, d) for n, d in entries if n != op["name"]]
        elif kind == "rename":
            entries = [(op["to"] if n == op["from"] else n, d) for n, d in entries]
        elif kind == "put":
            if "file" in op:
                with open(op["file"], "rb") as f:
                    data = f.read()
            else:
                data = op["text"].encode("utf-8")
            if any(n == op["name"] for n, _ in entries):
                entries = [(n, data if n == op["name"] else d) for n, d in entries]
            else:
                entries.append((op["name"], data))
        elif kind == "replace":
            old, new = op["old"].encode("utf-8"), op["new"].encode("utf-8")
            for i, (n, d) in enumerate(entries):
                if n == op["name"]:
                    if old not in d:
                        raise SystemExit("%r not in %s" % (op["old"], n))
                    entries[i] = (n, d.replace(old, new))
        elif kind == "xml":
            import tempfile
            for i, (n, d) in enumerate(entries):
                if n == op["name"]:
                    with tempfile.NamedTemporaryFile(suffix=".xml", delete=False) as f:
                        f.write(d)
                    edit_xml(f.name, op["ops"])
                    with open(f.name, "rb") as g:
                        entries[i] = (n, g.read())
                    os.unlink(f.name)
        else:
            raise SystemExit("unknown operation " + kind)
    write_zip(out, entries)


def split_path(path):
    parent, _, last = path.rpartition("/")
    return parent or ".", last


def edit_xml(path, ops):
    for op in ops:
        if op["op"] == "text":
            with open(path, "w", encoding="utf-8") as f:
                f.write(op["text"])
            continue
        tree = ET.parse(path)
        root = tree.getroot()
        parent_path, last = split_path(op["path"])
        matches = [(p, c) for p in root.findall(parent_path) for c in p.findall(last)]
        if not matches:
            raise SystemExit("%s matches nothing in %s" % (op["path"], path))
        if op["op"] == "remove":
            for p, c in matches:
                p.remove(c)
        elif op["op"] == "set":
            for _, c in matches:
                c.text = op["text"]
        elif op["op"] == "copy":
            p, c = matches[0]
            copy = copy_element(c)
            copy.tag = op["tag"]
            p.append(copy)
        else:
            raise SystemExit("unknown operation " + op["op"])
        tree.write(path, encoding="utf-8", xml_declaration=True)


def copy_element(elem):
    import copy
    return copy.deepcopy(elem)


def main():
    command = sys.argv[1]
    if command == "check":
        check(sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else None)
    elif command == "check-xml":
        checker = Checker()
        with open(sys.argv[3], "rb") as f:
            check_xml(sys.argv[2], f.read(), checker)
        print(json.dumps({"errors": checker.errors, "values": checker.values}))
    elif command == "edit-xml":
        edit_xml(sys.argv[2], json.loads(sys.argv[3]))
    elif command == "compare":
        compare(sys.argv[2], sys.argv[3])
    elif command == "hostile":
        hostile(sys.argv[2], sys.argv[3], sys.argv[4])
    elif command == "edit":
        edit(sys.argv[2], sys.argv[3], json.loads(sys.argv[4]))
    else:
        raise SystemExit("unknown command " + command)


if __name__ == "__main__":
    main()
