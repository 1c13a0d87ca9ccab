"""MARC 21 fields of a sample record: the subfield rows the row-driven MARC mapping reads, and the same
record assembled as ISO 2709 for the stored-record mapping."""

import vocabulary as v

SUBFIELD = "\x1f"
FIELD_END = "\x1e"
RECORD_END = "\x1d"

# A value longer than this keeps the rest in LONG_TEXTS (the spill-over of the row-driven mapping).
DATA_LIMIT = 200


def leader(rec):
    return "00000" + rec.leader_type + " a22" + "00000" + " i 4500"


def fixed_008(rec):
    entered = rec.added.strftime("%y%m%d")
    place = v.PUBLISHERS[rec.publisher][2]
    illustrations = "a   " if rec.illustrated else "    "
    audience = "j" if rec.category in ("JF", "JNF") else " "
    contents = "b   " if rec.notes and "bibliograph" in rec.notes else "    "
    index = "1" if rec.notes and "index" in rec.notes else "0"
    literary = "1" if rec.fiction else "0"
    text = (
        f"{entered}s{rec.year:04d}    {place}{illustrations}{audience} {contents} 00{index} {literary} "
        f"{rec.language.lower()} d"
    )
    assert len(text) == 40, text
    return text


def stamp_005(rec):
    return rec.modified.strftime("%Y%m%d%H%M%S") + ".0"


def _name_subfields(author, role):
    subfields = [("a", author.name + ("," if author.dates or role != "author" else "."))]
    if author.dates:
        subfields.append(("d", author.dates + ("," if role != "author" else "")))
    if role != "author":
        subfields.append(("e", role + "."))
    return subfields


def fields(rec):
    """The record's fields in tag order: (tag, ind1, ind2, [(code, data)]); control fields and the
    leader (tag 000) have no indicators and one subfield without a code."""
    out = [("000", None, None, [(None, leader(rec))])]
    out.append(("001", None, None, [(None, str(rec.number))]))
    out.append(("005", None, None, [(None, stamp_005(rec))]))
    out.append(("008", None, None, [(None, fixed_008(rec))]))
    if rec.isbn13:
        out.append(("020", " ", " ", [("a", rec.isbn13)]))
    if rec.issn:
        out.append(("022", "0", " ", [("a", rec.issn)]))
    out.append(("040", " ", " ", [("a", "QRV"), ("b", "eng"), ("e", "rda"), ("c", "QRV")]))
    out.append(("082", "0", "4", [("a", rec.dewey), ("2", "23")]))
    main = rec.authors[0] if rec.authors and rec.authors[0][1] == "author" else None
    if main:
        out.append(("100", "1", " ", _name_subfields(*main)))
    title = [("a", rec.title + (" :" if rec.subtitle else " /" if rec.responsibility else "."))]
    if rec.subtitle:
        title.append(("b", rec.subtitle + (" /" if rec.responsibility else ".")))
    if rec.responsibility:
        title.append(("c", rec.responsibility + "."))
    out.append(("245", "1" if main else "0", str(rec.nonfiling), title))
    if rec.edition:
        out.append(("250", " ", " ", [("a", rec.edition)]))
    name, place = v.PUBLISHERS[rec.publisher][:2]
    out.append(("264", " ", "1", [("a", place + " :"), ("b", name + ","), ("c", f"{rec.year}.")]))
    extent = [("a", rec.pages + (" :" if rec.illustrated else " ;"))]
    if rec.illustrated:
        extent.append(("b", "illustrations ;"))
    extent.append(("c", rec.dimensions))
    out.append(("300", " ", " ", extent))
    if rec.series is not None:
        series = [("a", v.SERIES_NAMES[rec.series] + (" ;" if rec.series_part else ""))]
        if rec.series_part:
            series.append(("v", rec.series_part))
        out.append(("490", "0", " ", series))
    if rec.notes:
        out.append(("500", " ", " ", [("a", rec.notes)]))
    if rec.summary:
        out.append(("520", " ", " ", [("a", rec.summary)]))
    for heading in rec.subjects:
        parts = heading.split(" -- ")
        out.append(("650", " ", "0", [("a", parts[0])] + [("x", p) for p in parts[1:]]))
    for author, role in rec.authors[1 if main else 0 :]:
        out.append(("700", "1", " ", _name_subfields(author, role)))
    if rec.link:
        out.append(("856", "4", "0", [("u", "http://" + rec.link)]))
    return out


def subfield_rows(rec, next_text_no):
    """MARC_SUBFIELDS rows of the record, and the LONG_TEXTS rows of its long values, numbered from
    next_text_no."""
    rows, texts = [], []
    for field_seq, (tag, ind1, ind2, subfields) in enumerate(fields(rec), start=1):
        for subfield_seq, (code, data) in enumerate(subfields, start=1):
            extra = None
            if len(data) > DATA_LIMIT:
                extra = next_text_no + len(texts)
                texts.append((extra, data[DATA_LIMIT:]))
                data = data[:DATA_LIMIT]
            rows.append((rec.number, field_seq, subfield_seq, tag, ind1, ind2, code, data, extra))
    return rows, texts


def iso2709(rec):
    """The record in ISO 2709 with UTF-8 data (leader position 09 'a'), as text."""
    directory, data = [], []
    offset = 0
    lead = None
    for tag, ind1, ind2, subfields in fields(rec):
        if tag == "000":
            lead = subfields[0][1]
            continue
        if ind1 is None:
            body = subfields[0][1]
        else:
            body = ind1 + ind2 + "".join(SUBFIELD + code + value for code, value in subfields)
        octets = (body + FIELD_END).encode("utf-8")
        directory.append(f"{tag}{len(octets):04d}{offset:05d}")
        data.append(octets)
        offset += len(octets)
    base = 24 + 12 * len(directory) + 1
    length = base + offset + 1
    head = f"{length:05d}{lead[5:12]}{base:05d}{lead[17:24]}"
    record = head.encode() + "".join(directory).encode() + FIELD_END.encode() + b"".join(data) + RECORD_END.encode()
    assert len(record) == length
    return record.decode("utf-8")
