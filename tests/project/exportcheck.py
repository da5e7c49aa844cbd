#!/usr/bin/python3
"""Independent view of exported files for the tests: Python's xml.etree,
zipfile and PIL, nothing of the writers. Run with /usr/bin/python3. Each
command prints JSON.

  kml FILE      {"name", "description", "placemarks": [{"name", "color", "coordinates"}]}
  png FILE [X0 Y0 X1 Y1]
                {"size": [w, h], "colors": [[r, g, b], ...]} (the colours present,
                inside the box when one is given)
  odt FILE      {"mimetype", "pictures": [[entry, w, h]], "tables": [columns],
                 "frames": [[href, svg width pt, svg height pt]], "text"}
"""
import json
import struct
import sys
import xml.etree.ElementTree as ET
import zipfile

KML = "{http://www.opengis.net/kml/2.2}"


def kml(path):
    root = ET.parse(path).getroot()
    doc = root.find(KML + "Document")
    marks = []
    for p in doc.findall(KML + "Placemark"):
        name = p.find(KML + "name")
        color = p.find(".//" + KML + "color")
        coords = p.find(".//" + KML + "coordinates")
        marks.append({"name": name.text if name is not None else None,
                      "color": color.text if color is not None else None,
                      "coordinates": coords.text.split() if coords is not None else []})
    return {"name": doc.find(KML + "name").text or "",
            "description": doc.find(KML + "description").text or "",
            "placemarks": marks}


def png(path, box):
    from PIL import Image
    image = Image.open(path).convert("RGB")
    out = {"size": list(image.size)}
    if box:
        image = image.crop(tuple(int(v) for v in box))
    colors = image.getcolors(maxcolors=1 << 24)
    out["colors"] = sorted(list(c) for _, c in colors)
    return out


def pt(text):
    return float(text.replace("pt", "").replace("in", ""))


def odt(path):
    z = zipfile.ZipFile(path)
    pictures = []
    sizes = {}
    for name in z.namelist():
        if name.startswith("Pictures/"):
            data = z.read(name)
            if data[:8] != b"\x89PNG\r\n\x1a\n":
                pictures.append([name, 0, 0])
                continue
            w, h = struct.unpack(">II", data[16:24])
            pictures.append([name, w, h])
            sizes[name] = (w, h)
    content = ET.fromstring(z.read("content.xml"))
    ns = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
          "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
          "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
          "xlink": "http://www.w3.org/1999/xlink"}
    tables = []
    for t in content.iter("{%s}table" % ns["table"]):
        columns = 0
        for c in t.findall("table:table-column", ns):
            columns += int(c.get("{%s}number-columns-repeated" % ns["table"], "1"))
        tables.append(columns)
    frames = []
    for f in content.iter("{%s}frame" % ns["draw"]):
        image = f.find("draw:image", ns)
        href = image.get("{%s}href" % ns["xlink"]) if image is not None else ""
        frames.append([href, pt(f.get("{%s}width" % ns["svg"])), pt(f.get("{%s}height" % ns["svg"]))])
    text = "".join(content.itertext())
    return {"mimetype": z.read("mimetype").decode(), "pictures": pictures, "tables": tables,
            "frames": frames, "text": text}


def main():
    cmd, path = sys.argv[1], sys.argv[2]
    if cmd == "kml":
        out = kml(path)
    elif cmd == "png":
        out = png(path, sys.argv[3:7])
    elif cmd == "odt":
        out = odt(path)
    else:
        raise SystemExit("unknown command " + cmd)
    json.dump(out, sys.stdout)


main()
