#!/usr/bin/env python3
"""Builds the program's two help documents (.docx) from their Markdown-like sources.

Usage: make_docx.py [output folder]   (default: src/resources/help of this repository)

The sources understand a small subset of Markdown, enough for a user guide:
  # Title            ## Heading           ### Subheading
  - bullet item      1. numbered item (a run of them is one list, counting from 1)
  > note paragraph   | table | row |  (the first row is the header; |---| lines are skipped)
  `key or name`      **bold**
Consecutive text lines form one paragraph; a blank line ends it.

The output is byte-for-byte repeatable: every zip entry carries a fixed date.
"""

import re
import sys
import zipfile
from pathlib import Path
from xml.sax.saxutils import escape

HERE = Path(__file__).resolve().parent
DEFAULT_OUT = HERE.parent.parent / "src" / "resources" / "help"
DOCUMENTS = ["怎样使用软件", "打印不了怎么办"]
FIXED_DATE = (2024, 1, 1, 0, 0, 0)

W_NS = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
R_NS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG_REL_NS = "http://schemas.openxmlformats.org/package/2006/relationships"
OFFICE_REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
FONT = "Microsoft YaHei"
MONO = "Consolas"

CONTENT_TYPES = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>
<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>
<Override PartName="/word/numbering.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml"/>
<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>
</Types>"""

PACKAGE_RELS = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="{PKG_REL_NS}">
<Relationship Id="rId1" Type="{OFFICE_REL}/officeDocument" Target="word/document.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>
</Relationships>"""

DOCUMENT_RELS = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="{PKG_REL_NS}">
<Relationship Id="rId1" Type="{OFFICE_REL}/styles" Target="styles.xml"/>
<Relationship Id="rId2" Type="{OFFICE_REL}/numbering" Target="numbering.xml"/>
</Relationships>"""


def core_properties(title):
    return f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<dc:title>{escape(title)}</dc:title>
<dc:creator>Marovell</dc:creator>
<dc:language>zh-CN</dc:language>
<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created>
</cp:coreProperties>"""


def paragraph_style(style_id, name, size, bold=False, before=0, after=120, outline=None,
                    center=False, extra_ppr="", extra_rpr=""):
    ppr = f'<w:spacing w:before="{before}" w:after="{after}"/>'
    if center:
        ppr += '<w:jc w:val="center"/>'
    if outline is not None:
        ppr += f'<w:keepNext/><w:outlineLvl w:val="{outline}"/>'
    ppr += extra_ppr
    rpr = ("<w:b/>" if bold else "") + f'<w:sz w:val="{size}"/><w:szCs w:val="{size}"/>' + extra_rpr
    return (f'<w:style w:type="paragraph" w:styleId="{style_id}"><w:name w:val="{name}"/>'
            f'<w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/>'
            f"<w:pPr>{ppr}</w:pPr><w:rPr>{rpr}</w:rPr></w:style>")


STYLES = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="{W_NS}">
<w:docDefaults>
<w:rPrDefault><w:rPr><w:rFonts w:ascii="{FONT}" w:eastAsia="{FONT}" w:hAnsi="{FONT}" w:cs="{FONT}"/><w:sz w:val="22"/><w:szCs w:val="22"/><w:lang w:val="en-US" w:eastAsia="zh-CN"/></w:rPr></w:rPrDefault>
<w:pPrDefault><w:pPr><w:spacing w:after="120" w:line="300" w:lineRule="auto"/></w:pPr></w:pPrDefault>
</w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>
{paragraph_style("Title", "Title", 40, bold=True, after=360, center=True)}
{paragraph_style("Heading1", "heading 1", 32, bold=True, before=360, after=160, outline=0)}
{paragraph_style("Heading2", "heading 2", 26, bold=True, before=240, after=120, outline=1)}
{paragraph_style("ListParagraph", "List Paragraph", 22, after=60, extra_ppr='<w:ind w:left="720"/>')}
{paragraph_style("Note", "Note", 22, before=120, after=120,
                 extra_ppr='<w:pBdr><w:left w:val="single" w:sz="18" w:space="8" w:color="808080"/></w:pBdr>'
                           '<w:shd w:val="clear" w:color="auto" w:fill="F2F2F2"/><w:ind w:left="284" w:right="284"/>')}
<w:style w:type="character" w:styleId="Code"><w:name w:val="Code"/><w:qFormat/><w:rPr><w:rFonts w:ascii="{MONO}" w:hAnsi="{MONO}" w:cs="{MONO}"/><w:shd w:val="clear" w:color="auto" w:fill="EDEDED"/></w:rPr></w:style>
<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
<w:style w:type="table" w:styleId="TableGrid"><w:name w:val="Table Grid"/><w:basedOn w:val="TableNormal"/><w:pPr><w:spacing w:before="40" w:after="40"/></w:pPr><w:tblPr><w:tblBorders><w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/></w:tblBorders></w:tblPr></w:style>
</w:styles>"""


class Numbering:
    """Bullet lists share one numbering; each numbered list gets its own, counting from 1."""

    BULLET = 1

    def __init__(self):
        self.numbered_lists = 0

    def new_numbered_list(self):
        self.numbered_lists += 1
        return self.BULLET + self.numbered_lists

    def xml(self):
        bullet = ('<w:abstractNum w:abstractNumId="0"><w:multiLevelType w:val="singleLevel"/>'
                  '<w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="bullet"/><w:lvlText w:val="\u2022"/>'
                  '<w:lvlJc w:val="left"/><w:pPr><w:ind w:left="720" w:hanging="360"/></w:pPr></w:lvl></w:abstractNum>')
        decimal = ('<w:abstractNum w:abstractNumId="1"><w:multiLevelType w:val="singleLevel"/>'
                   '<w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/>'
                   '<w:lvlJc w:val="left"/><w:pPr><w:ind w:left="720" w:hanging="360"/></w:pPr></w:lvl></w:abstractNum>')
        nums = [f'<w:num w:numId="{self.BULLET}"><w:abstractNumId w:val="0"/></w:num>']
        for n in range(self.numbered_lists):
            nums.append(f'<w:num w:numId="{self.BULLET + 1 + n}"><w:abstractNumId w:val="1"/>'
                        '<w:lvlOverride w:ilvl="0"><w:startOverride w:val="1"/></w:lvlOverride></w:num>')
        return (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                f'<w:numbering xmlns:w="{W_NS}">{bullet}{decimal}{"".join(nums)}</w:numbering>')


INLINE = re.compile(r"(`[^`]+`|\*\*[^*]+\*\*)")


def runs(text, bold=False):
    """Inline markup to runs: `code` in the code style, **text** bold."""
    out = []
    for piece in INLINE.split(text):
        if not piece:
            continue
        rpr = "<w:b/>" if bold else ""
        if piece.startswith("`") and piece.endswith("`"):
            piece, rpr = piece[1:-1], '<w:rStyle w:val="Code"/>' + rpr
        elif piece.startswith("**") and piece.endswith("**"):
            piece, rpr = piece[2:-2], "<w:b/>"
        props = f"<w:rPr>{rpr}</w:rPr>" if rpr else ""
        out.append(f'<w:r>{props}<w:t xml:space="preserve">{escape(piece)}</w:t></w:r>')
    return "".join(out)


def paragraph(text, style=None, num_id=None, bold=False):
    ppr = ""
    if style:
        ppr += f'<w:pStyle w:val="{style}"/>'
    if num_id is not None:
        ppr += f'<w:numPr><w:ilvl w:val="0"/><w:numId w:val="{num_id}"/></w:numPr>'
    ppr = f"<w:pPr>{ppr}</w:pPr>" if ppr else ""
    return f"<w:p>{ppr}{runs(text, bold)}</w:p>"


def table(rows):
    cells_per_row = max(len(r) for r in rows)
    width = 9000 // cells_per_row
    grid = "".join(f'<w:gridCol w:w="{width}"/>' for _ in range(cells_per_row))
    body = []
    for index, row in enumerate(rows):
        row = row + [""] * (cells_per_row - len(row))
        header = index == 0
        trpr = "<w:trPr><w:tblHeader/></w:trPr>" if header else ""
        shading = '<w:shd w:val="clear" w:color="auto" w:fill="D9D9D9"/>' if header else ""
        cells = "".join(f'<w:tc><w:tcPr><w:tcW w:w="{width}" w:type="dxa"/>{shading}</w:tcPr>'
                        f"{paragraph(cell, bold=header)}</w:tc>" for cell in row)
        body.append(f"<w:tr>{trpr}{cells}</w:tr>")
    return (f'<w:tbl><w:tblPr><w:tblStyle w:val="TableGrid"/><w:tblW w:w="{width * cells_per_row}" w:type="dxa"/>'
            f'<w:tblLook w:val="04A0" w:firstRow="1" w:lastRow="0" w:firstColumn="1" w:lastColumn="0" w:noHBand="0" w:noVBand="1"/>'
            f"</w:tblPr><w:tblGrid>{grid}</w:tblGrid>{''.join(body)}</w:tbl>"
            "<w:p/>")  # Word needs a paragraph between a table and whatever follows it


def table_cells(line):
    return [cell.strip() for cell in line.strip().strip("|").split("|")]


def convert(source):
    """Returns (title, document.xml, numbering.xml) for the source text."""
    numbering = Numbering()
    body, text, rows = [], [], []
    title = None
    list_kind, num_id = None, None

    def flush_text():
        if text:
            body.append(paragraph(" ".join(text)))
            text.clear()

    def flush_table():
        if rows:
            body.append(table(rows))
            rows.clear()

    for raw in source.splitlines():
        line = raw.rstrip()
        stripped = line.strip()
        is_table = stripped.startswith("|")
        numbered = re.match(r"^\d+\.\s+(.*)$", stripped)
        kind = "bullet" if stripped.startswith("- ") else "number" if numbered else None
        if not is_table:
            flush_table()
        if kind is None:
            list_kind = None
        if not stripped:
            flush_text()
            continue
        if is_table:
            flush_text()
            if not re.fullmatch(r"\|[\s:|-]+\|?", stripped):
                rows.append(table_cells(stripped))
        elif stripped.startswith("#"):
            flush_text()
            level = len(stripped) - len(stripped.lstrip("#"))
            heading = stripped[level:].strip()
            if level == 1:
                title = title or heading
                body.append(paragraph(heading, "Title"))
            else:
                body.append(paragraph(heading, "Heading1" if level == 2 else "Heading2"))
        elif kind:
            flush_text()
            if kind != list_kind:
                list_kind = kind
                num_id = Numbering.BULLET if kind == "bullet" else numbering.new_numbered_list()
            body.append(paragraph(stripped[2:] if kind == "bullet" else numbered.group(1),
                                  "ListParagraph", num_id))
        elif stripped.startswith(">"):
            flush_text()
            body.append(paragraph(stripped[1:].strip(), "Note"))
        else:
            text.append(stripped)
    flush_text()
    flush_table()

    section = ('<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>'
               '<w:pgMar w:top="1440" w:right="1440" w:bottom="1440" w:left="1440" w:header="720" w:footer="720" w:gutter="0"/>'
               "</w:sectPr>")
    document = (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                f'<w:document xmlns:w="{W_NS}" xmlns:r="{R_NS}"><w:body>{"".join(body)}{section}</w:body></w:document>')
    return title or "", document, numbering.xml()


def write_docx(source_path, target_path):
    title, document, numbering = convert(source_path.read_text(encoding="utf-8"))
    parts = [
        ("[Content_Types].xml", CONTENT_TYPES),
        ("_rels/.rels", PACKAGE_RELS),
        ("docProps/core.xml", core_properties(title)),
        ("word/document.xml", document),
        ("word/_rels/document.xml.rels", DOCUMENT_RELS),
        ("word/styles.xml", STYLES),
        ("word/numbering.xml", numbering),
    ]
    with zipfile.ZipFile(target_path, "w") as package:
        for name, content in parts:
            entry = zipfile.ZipInfo(name, FIXED_DATE)
            entry.compress_type = zipfile.ZIP_DEFLATED
            package.writestr(entry, content.encode("utf-8"))


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_OUT
    out.mkdir(parents=True, exist_ok=True)
    for name in DOCUMENTS:
        write_docx(HERE / f"{name}.md", out / f"{name}.docx")
        print(out / f"{name}.docx")


if __name__ == "__main__":
    main()
