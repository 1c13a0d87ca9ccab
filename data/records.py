"""The bibliographic records of the sample catalogue, made from a seeded random generator."""

import datetime
from dataclasses import dataclass, field

import vocabulary as v

# The day the sample's circulation data describes; every date of the sample lies before it or near it.
SAMPLE_DAY = datetime.date(2024, 5, 31)


@dataclass
class Author:
    number: int
    name: str  # 'Surname, Forenames'
    dates: str


@dataclass
class Record:
    number: int
    title: str
    subtitle: str = None
    responsibility: str = None
    nonfiling: int = 0
    authors: list = field(default_factory=list)  # (Author, role)
    subjects: list = field(default_factory=list)  # headings
    edition: str = None
    publisher: int = 0  # index into vocabulary.PUBLISHERS
    year: int = 0
    isbn10: str = None  # digits
    isbn13: str = None
    isbn_display: str = None
    pages: str = None
    illustrated: bool = False
    dimensions: str = None
    series: int = None  # index into vocabulary.SERIES_NAMES
    series_part: str = None
    notes: str = None
    summary: str = None
    language: str = "ENG"
    dewey: str = None
    material: str = "BOOK"
    category: str = "ANF"
    status: str = "F"
    link: str = None
    issn: str = None
    frequency: str = None
    issues: list = field(default_factory=list)  # (volume, issue, date)
    added: datetime.datetime = None
    modified: datetime.datetime = None

    @property
    def leader_type(self):
        return {"BOOK": "nam", "SER ": "nas", "DVD ": "ngm", "MAP ": "nem", "CD  ": "njm"}[self.material]

    @property
    def fiction(self):
        return self.category in ("AF", "JF")


def isbn10_check(nine):
    total = sum((10 - i) * int(d) for i, d in enumerate(nine))
    check = (11 - total % 11) % 11
    return "X" if check == 10 else str(check)


def isbn13_check(twelve):
    total = sum((3 if i % 2 else 1) * int(d) for i, d in enumerate(twelve))
    return str((10 - total % 10) % 10)


def issn_check(seven):
    total = sum((8 - i) * int(d) for i, d in enumerate(seven))
    check = (11 - total % 11) % 11
    return "X" if check == 10 else str(check)


def capitalise(text):
    return text[:1].upper() + text[1:]


class RecordMaker:
    """Makes records one after another; the same seed gives the same catalogue."""

    def __init__(self, rng):
        self.rng = rng
        self.authors = []
        self.isbn_counters = {}
        self.issn_counter = rng.randrange(100000, 900000)

    def _author(self):
        """An existing author about two times in three once there are a few dozen, so authors have several
        works."""
        r = self.rng
        if len(self.authors) >= 30 and r.random() < 0.65:
            return r.choice(self.authors)
        forenames = r.choice(v.FORENAMES)
        if r.random() < 0.3:
            forenames += " " + r.choice("ABCDEFGHJKLMNPRSTW") + "."
        born = r.randrange(1900, 1995)
        dates = f"{born}-" if born > 1940 or r.random() < 0.5 else f"{born}-{born + r.randrange(45, 95)}"
        author = Author(len(self.authors) + 1, f"{r.choice(v.SURNAMES)}, {forenames}", dates)
        self.authors.append(author)
        return author

    def _isbn(self, rec):
        group, publisher = v.PUBLISHERS[rec.publisher][3].split("-")
        digits = 9 - len(group) - len(publisher)
        count = self.isbn_counters.get(rec.publisher, 0) + 1
        self.isbn_counters[rec.publisher] = count
        item = str(count % 10**digits).zfill(digits)
        nine = group + publisher + item
        rec.isbn10 = nine + isbn10_check(nine)
        twelve = "978" + nine
        rec.isbn13 = twelve + isbn13_check(twelve)
        rec.isbn_display = f"978-{group}-{publisher}-{item}-{rec.isbn13[-1]}"

    def _title(self, rec, topic_words, fiction):
        r = self.rng
        if rec.language != "ENG":
            rec.title = r.choice(next(t for code, _, t in v.LANGUAGES if code == rec.language))
            return
        patterns = v.FICTION_PATTERNS if fiction else v.NONFICTION_PATTERNS
        pattern, subtitle = r.choice(patterns)
        values = {
            "t": topic_words or "",
            "T": capitalise(topic_words or ""),
            "adj": r.choice(v.ADJECTIVES),
            "Adj": capitalise(r.choice(v.ADJECTIVES)),
            "noun": r.choice(v.NOUNS),
            "place": r.choice(v.PLACES),
        }
        rec.title = pattern.format(**values)
        if subtitle is None and r.random() < 0.25:
            extra = ["a novel", "stories"] if fiction else ["an illustrated history", "a short introduction"]
            subtitle = r.choice(extra)
        rec.subtitle = subtitle

    def _nonfiling(self, rec):
        if rec.title.startswith("L'"):
            return 2
        first = rec.title.split(" ", 1)[0]
        return len(first) + 1 if first in v.ARTICLES and " " in rec.title else 0

    def make(self, number):
        r = self.rng
        topic, dewey, topic_words, fiction = r.choice(v.TOPICS)
        material = r.choices(["BOOK", "SER ", "DVD ", "MAP ", "CD  "], [88, 4, 4, 2, 2])[0]
        if material == "SER " and fiction:
            fiction = False
            topic, dewey, topic_words, _ = r.choice([t for t in v.TOPICS if not t[3]])
        rec = Record(number=number, title="", material=material)
        rec.language = r.choices([l[0] for l in v.LANGUAGES], [l[1] for l in v.LANGUAGES])[0]
        if material == "SER ":
            rec.language = "ENG"
        juvenile = r.random() < 0.15
        rec.category = ("JF" if juvenile else "AF") if fiction else ("JNF" if juvenile else "ANF")
        rec.dewey = dewey
        rec.publisher = r.choices(range(len(v.PUBLISHERS)), [p[4] for p in v.PUBLISHERS])[0]
        if juvenile and r.random() < 0.5:
            rec.publisher = next(i for i, p in enumerate(v.PUBLISHERS) if "Children" in p[0])
        rec.year = r.randrange(1950, 2025)
        rec.added = datetime.datetime(max(rec.year, 1998), 1, 1) + datetime.timedelta(days=r.randrange(0, 360))
        if rec.added.date() > SAMPLE_DAY:
            rec.added = datetime.datetime(2024, 1, 2)
        rec.modified = rec.added + datetime.timedelta(
            days=r.randrange(0, max(1, (SAMPLE_DAY - rec.added.date()).days)), seconds=r.randrange(8 * 3600, 18 * 3600)
        )

        if material == "SER ":
            rec.title = r.choice(v.JOURNALS).format(t=topic_words, T=capitalise(topic_words))
            self.issn_counter += 1
            seven = str(self.issn_counter % 10**7).zfill(7)
            rec.issn = f"{seven[:4]}-{seven[4:]}{issn_check(seven)}"
            rec.frequency, per_year = r.choice(v.FREQUENCIES)
            first = r.randrange(2015, 2024)
            volume = first - 1980
            for n in range(min(r.randrange(3, 13), per_year * (2024 - first))):
                month = 1 + (n % per_year) * (12 // per_year)
                rec.issues.append((volume + n // per_year, n % per_year + 1, f"{first + n // per_year}-{month:02d}-01"))
            rec.year = first
            rec.pages = "v."
            rec.dimensions = "28 cm"
        else:
            self._title(rec, topic_words, fiction)
            self._isbn(rec)
            self._people(rec, fiction)
            rec.pages, rec.dimensions = self._extent(rec)
            rec.illustrated = r.random() < 0.4
            if r.random() < 0.12:
                rec.edition = r.choice(["2nd ed.", "3rd ed.", "Rev. ed.", "New ed."])
            if r.random() < 0.15:
                rec.series = r.randrange(len(v.SERIES_NAMES))
                rec.series_part = f"v. {r.randrange(1, 60)}" if r.random() < 0.7 else None
            if r.random() < 0.5:
                rec.notes = r.choice(v.NOTES)
            if r.random() < 0.35:
                parts = r.sample(v.SUMMARY_PARTS, r.randrange(1, 5))
                rec.summary = " ".join(p.format(t=topic_words or "its subject") for p in parts)
        rec.nonfiling = self._nonfiling(rec)
        rec.subjects = [topic]
        if not fiction and r.random() < 0.5:
            rec.subjects[0] += " -- " + r.choice(v.SUBDIVISIONS)
        while r.random() < 0.25 and len(rec.subjects) < 4:
            extra = r.choice([t[0] for t in v.TOPICS if t[3] == fiction])
            if extra not in rec.subjects:
                rec.subjects.append(extra)
        rec.status = r.choices("FEAHV", [90, 3, 2, 3, 2])[0]
        if r.random() < 0.08:
            rec.link = f"www.example.org/ebooks/{number}"
        return rec

    def _people(self, rec, fiction):
        r = self.rng
        edited = not fiction and r.random() < 0.12
        count = r.choices([1, 2, 3, 4], [70, 20, 7, 3])[0]
        seen = set()
        for i in range(count):
            author = self._author()
            if author.number in seen:
                continue
            seen.add(author.number)
            role = "editor" if edited else "author"
            if i > 0 and not edited and r.random() < 0.2:
                role = "illustrator" if fiction else "translator"
            rec.authors.append((author, role))
        names = [self._natural(a.name) for a, role in rec.authors if role in ("author", "editor")]
        text = names[0] if len(names) == 1 else ", ".join(names[:-1]) + " and " + names[-1]
        rec.responsibility = ("edited by " if edited else "") + text
        for author, role in rec.authors:
            if role in ("translator", "illustrator"):
                rec.responsibility += f" ; {role[:-2]}ed by {self._natural(author.name)}"

    @staticmethod
    def _natural(name):
        surname, forenames = name.split(", ", 1)
        return f"{forenames} {surname}"

    def _extent(self, rec):
        r = self.rng
        if rec.material == "DVD ":
            return f"1 videodisc ({r.randrange(80, 150)} min.)", "12 cm"
        if rec.material == "MAP ":
            return "1 map", f"{r.randrange(40, 100)} x {r.randrange(60, 120)} cm"
        if rec.material == "CD  ":
            return f"1 audio disc ({r.randrange(40, 80)} min.)", "12 cm"
        front = f"{r.choice(['ix', 'xii', 'xvi', 'xxiv', 'x'])}, " if r.random() < 0.6 else ""
        return f"{front}{r.randrange(48, 900)} pages", f"{r.choice([18, 20, 22, 24, 25, 28])} cm"
