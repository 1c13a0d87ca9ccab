-- Quorvane sample catalogue: the catalogue source (INI key VESKO).
--
-- Every search, scan and record statement of conf/control runs against these tables and views. Columns
-- named *_KEY, ISBNS.ISBN, WORDS.WORD and WORDS.STEM hold the normalised forms the server compares with
-- (data/README.md lists the rules); the other columns hold the text as catalogued, in UTF-8.
-- Dates are text 'YYYY-MM-DD HH:MM:SS', so they compare as the ISO literals of the server's searches.
-- Written for SQLite; load_postgres.py adapts it to PostgreSQL (postgres_schema.py: "C" collation of
-- the text columns, so they order by octets as here, and pattern-ops indexes for the NOCASE ones).
-- The per-record tables that record statements read (TITLE_AUTHORS, TITLE_SUBJECTS, MARC_SUBFIELDS) are
-- kept in key order (WITHOUT ROWID): a record's rows are one range of the table, read in the order the
-- statements ask for.

CREATE TABLE PUBLISHERS (
    PUBLISHER_NO INTEGER NOT NULL PRIMARY KEY,
    NAME VARCHAR(200) NOT NULL,
    NAME_KEY VARCHAR(200) NOT NULL,
    PLACE VARCHAR(100) NOT NULL
);

CREATE TABLE SERIES (
    SERIES_NO INTEGER NOT NULL PRIMARY KEY,
    NAME VARCHAR(300) NOT NULL,
    NAME_KEY VARCHAR(300) NOT NULL           -- leading article dropped
);

-- One row per bibliographic record; TITLE_NO is the record key of every search.
CREATE TABLE TITLES (
    TITLE_NO INTEGER NOT NULL PRIMARY KEY,
    TITLE VARCHAR(500) NOT NULL,             -- title proper (245 $a)
    SUBTITLE VARCHAR(500),                   -- remainder of title (245 $b)
    RESPONSIBILITY VARCHAR(500),             -- statement of responsibility (245 $c)
    TITLE_KEY VARCHAR(1000) NOT NULL,        -- title and subtitle, leading article dropped
    TITLE_IND VARCHAR(2) NOT NULL,           -- 245 indicators: added entry, non-filing characters
    EDITION VARCHAR(100),
    PUBLISHER_NO INTEGER REFERENCES PUBLISHERS (PUBLISHER_NO),
    PUBLISHER_KEY VARCHAR(200),
    PUB_PLACE VARCHAR(100),
    PUB_PLACE_KEY VARCHAR(100),
    PUB_YEAR INTEGER,
    PUB_DATE VARCHAR(19),                    -- the year as a date: 'YYYY-01-01 00:00:00'
    ISBN VARCHAR(20),                        -- ISBN-13 as printed, with hyphens
    ISBN13 VARCHAR(13),                      -- ISBN-13 digits (MARC 020)
    PAGES VARCHAR(100),
    ILLUSTRATED VARCHAR(5) NOT NULL,         -- 'True' or 'False'
    DIMENSIONS VARCHAR(20),
    SERIES_NO INTEGER REFERENCES SERIES (SERIES_NO),
    SERIES_PART VARCHAR(20),
    NOTES VARCHAR(500),
    NOTE_KEY VARCHAR(4000),                  -- notes and summary
    SUMMARY VARCHAR(4000),
    LANGUAGE_CODE CHAR(3) NOT NULL,          -- MARC language code, upper case: 'ENG'
    DEWEY_CLASS VARCHAR(20),
    MATERIAL_TYPE CHAR(4) NOT NULL,          -- blank-padded: 'BOOK', 'SER ', 'DVD ', 'MAP ', 'CD  '
    CATEGORY VARCHAR(4) NOT NULL,            -- 'AF', 'ANF', 'JF', 'JNF'
    STATUS_CODE CHAR(1) NOT NULL,            -- 'A' pre-publication, 'F' available, 'H' unavailable ...
    ELECTRONIC_LINK VARCHAR(200),            -- without the scheme
    AUTHOR_KEY VARCHAR(1000),                -- every author's NAME_KEY, in author order
    SUBJECT_KEY VARCHAR(2000),               -- every subject's HEADING_KEY, in subject order
    LEADER_TYPE CHAR(3) NOT NULL,            -- leader 05-07: 'nam', 'nas', 'ngm' ...
    FIXED_008 CHAR(40) NOT NULL,
    STAMP_005 CHAR(16) NOT NULL,             -- 'YYYYMMDDHHMMSS.0'
    DATE_ADDED VARCHAR(19) NOT NULL,
    DATE_MODIFIED VARCHAR(19) NOT NULL
);

CREATE TABLE AUTHORS (
    AUTHOR_NO INTEGER NOT NULL PRIMARY KEY,
    NAME VARCHAR(200) NOT NULL,              -- 'Surname, Forenames'
    NAME_KEY VARCHAR(200) NOT NULL,
    DATES VARCHAR(20)
);

CREATE TABLE TITLE_AUTHORS (
    TITLE_NO INTEGER NOT NULL REFERENCES TITLES (TITLE_NO),
    AUTHOR_SEQ INTEGER NOT NULL,             -- 1 is the main entry
    AUTHOR_NO INTEGER NOT NULL REFERENCES AUTHORS (AUTHOR_NO),
    ROLE VARCHAR(20) NOT NULL,               -- 'author', 'editor', 'translator', 'illustrator'
    PRIMARY KEY (TITLE_NO, AUTHOR_SEQ)
) WITHOUT ROWID;

CREATE TABLE SUBJECTS (
    SUBJECT_NO INTEGER NOT NULL PRIMARY KEY,
    HEADING VARCHAR(300) NOT NULL,           -- 'Computers -- History'
    HEADING_KEY VARCHAR(300) NOT NULL
);

CREATE TABLE TITLE_SUBJECTS (
    TITLE_NO INTEGER NOT NULL REFERENCES TITLES (TITLE_NO),
    SUBJECT_SEQ INTEGER NOT NULL,
    SUBJECT_NO INTEGER NOT NULL REFERENCES SUBJECTS (SUBJECT_NO),
    PRIMARY KEY (TITLE_NO, SUBJECT_SEQ)
) WITHOUT ROWID;

-- Both ISBN forms of a book, normalised, so either finds it.
CREATE TABLE ISBNS (
    ISBN VARCHAR(13) NOT NULL,
    TITLE_NO INTEGER NOT NULL REFERENCES TITLES (TITLE_NO),
    PRIMARY KEY (ISBN, TITLE_NO)
);

-- Serial titles; their issues are the sub-keys of an ISSN search.
CREATE TABLE SERIALS (
    TITLE_NO INTEGER NOT NULL PRIMARY KEY REFERENCES TITLES (TITLE_NO),
    ISSN VARCHAR(9) NOT NULL,                -- as printed: '0028-0836'
    ISSN_KEY VARCHAR(8) NOT NULL,
    FREQUENCY VARCHAR(20) NOT NULL
);

CREATE TABLE ISSUES (
    ISSUE_NO INTEGER NOT NULL PRIMARY KEY,
    TITLE_NO INTEGER NOT NULL REFERENCES SERIALS (TITLE_NO),
    VOLUME INTEGER NOT NULL,
    ISSUE INTEGER NOT NULL,
    ISSUE_DATE VARCHAR(10) NOT NULL
);

-- Word index: one row per distinct word of a field of a record, stop words left out.
-- FIELD: 'T' title, subtitle and series; 'A' authors; 'S' subjects; 'N' notes and summary.
CREATE TABLE WORDS (
    WORD VARCHAR(100) NOT NULL,
    FIELD CHAR(1) NOT NULL,
    TITLE_NO INTEGER NOT NULL REFERENCES TITLES (TITLE_NO),
    STEM VARCHAR(100) NOT NULL,
    PRIMARY KEY (WORD, FIELD, TITLE_NO)
);

-- Each distinct word of each field of WORDS. A one-word search matches its term against these few rows
-- (a truncated term too, left truncation included) and looks up only the matching words in WORDS.
CREATE TABLE VOCABULARY (
    WORD VARCHAR(100) NOT NULL,
    FIELD CHAR(1) NOT NULL,
    PRIMARY KEY (WORD, FIELD)
);

-- Per stem: the number of records holding it and its weight 1 / ln(1 + DOC_FREQ) for relevance ranking.
CREATE TABLE STEMS (
    STEM VARCHAR(100) NOT NULL PRIMARY KEY,
    DOC_FREQ INTEGER NOT NULL,
    WEIGHT REAL NOT NULL
);

-- The MARC record of each title, one row per subfield (control fields and the leader, tag 000, have no
-- code). Rows of one field share FIELD_SEQ. A long value keeps its first part in DATA and the rest in
-- LONG_TEXTS under EXTRA_NO.
CREATE TABLE MARC_SUBFIELDS (
    TITLE_NO INTEGER NOT NULL REFERENCES TITLES (TITLE_NO),
    FIELD_SEQ INTEGER NOT NULL,
    SUBFIELD_SEQ INTEGER NOT NULL,
    TAG CHAR(3) NOT NULL,
    IND1 CHAR(1),
    IND2 CHAR(1),
    CODE CHAR(1),
    DATA VARCHAR(4000) NOT NULL,
    EXTRA_NO INTEGER,
    PRIMARY KEY (TITLE_NO, FIELD_SEQ, SUBFIELD_SEQ)
) WITHOUT ROWID;

CREATE TABLE LONG_TEXTS (
    TEXT_NO INTEGER NOT NULL PRIMARY KEY,
    LONG_TEXT VARCHAR(8000) NOT NULL
);

-- The same MARC record assembled (ISO 2709, UTF-8), as a catalogue that stores whole records holds it.
CREATE TABLE MARC_RECORDS (
    TITLE_NO INTEGER NOT NULL PRIMARY KEY REFERENCES TITLES (TITLE_NO),
    MARC_RECORD VARCHAR(5000) NOT NULL
);

CREATE VIEW AUTHOR_INDEX AS
    SELECT TA.TITLE_NO, TA.AUTHOR_SEQ, A.AUTHOR_NO, A.NAME, A.NAME_KEY
    FROM TITLE_AUTHORS TA JOIN AUTHORS A ON A.AUTHOR_NO = TA.AUTHOR_NO;

CREATE VIEW SUBJECT_INDEX AS
    SELECT TS.TITLE_NO, TS.SUBJECT_SEQ, S.SUBJECT_NO, S.HEADING, S.HEADING_KEY
    FROM TITLE_SUBJECTS TS JOIN SUBJECTS S ON S.SUBJECT_NO = TS.SUBJECT_NO;

-- Record statements select plain column names from these views: the server names a fetched field after
-- the text of its select-list entry.
CREATE VIEW TITLE_DETAILS AS
    SELECT T.TITLE_NO, T.TITLE, T.SUBTITLE, T.RESPONSIBILITY, T.TITLE_IND, T.EDITION,
           T.PUB_PLACE, P.NAME AS PUBLISHER, T.PUB_YEAR, T.ISBN, T.ISBN13, SE.ISSN, T.PAGES,
           T.ILLUSTRATED, T.DIMENSIONS, S.NAME AS SERIES, T.SERIES_PART, T.NOTES, T.SUMMARY,
           T.LANGUAGE_CODE, T.DEWEY_CLASS, T.MATERIAL_TYPE, T.CATEGORY, T.STATUS_CODE,
           T.ELECTRONIC_LINK, T.LEADER_TYPE, T.FIXED_008, T.STAMP_005, T.DATE_ADDED
    FROM TITLES T
    LEFT JOIN PUBLISHERS P ON P.PUBLISHER_NO = T.PUBLISHER_NO
    LEFT JOIN SERIES S ON S.SERIES_NO = T.SERIES_NO
    LEFT JOIN SERIALS SE ON SE.TITLE_NO = T.TITLE_NO;

CREATE VIEW TITLE_AUTHOR_LIST AS
    SELECT TA.TITLE_NO, A.NAME AS AUTHOR, A.DATES AS AUTHOR_DATES, TA.ROLE AS AUTHOR_ROLE, TA.AUTHOR_SEQ
    FROM TITLE_AUTHORS TA JOIN AUTHORS A ON A.AUTHOR_NO = TA.AUTHOR_NO;

CREATE VIEW TITLE_SUBJECT_LIST AS
    SELECT TS.TITLE_NO, S.HEADING AS SUBJECT, TS.SUBJECT_SEQ
    FROM TITLE_SUBJECTS TS JOIN SUBJECTS S ON S.SUBJECT_NO = TS.SUBJECT_NO;

-- Indexes (the generator creates them after loading the rows)
CREATE INDEX TITLES_TITLE_KEY ON TITLES (TITLE_KEY);
CREATE INDEX TITLES_PUB_DATE ON TITLES (PUB_DATE);
CREATE INDEX TITLES_DATE_ADDED ON TITLES (DATE_ADDED);
CREATE INDEX TITLES_DATE_MODIFIED ON TITLES (DATE_MODIFIED);
CREATE INDEX TITLES_SERIES_NO ON TITLES (SERIES_NO);
CREATE INDEX AUTHORS_NAME_KEY ON AUTHORS (NAME_KEY);
CREATE INDEX TITLE_AUTHORS_AUTHOR_NO ON TITLE_AUTHORS (AUTHOR_NO);
CREATE INDEX SUBJECTS_HEADING_KEY ON SUBJECTS (HEADING_KEY);
CREATE INDEX TITLE_SUBJECTS_SUBJECT_NO ON TITLE_SUBJECTS (SUBJECT_NO);
CREATE INDEX ISBNS_TITLE_NO ON ISBNS (TITLE_NO);
CREATE INDEX SERIALS_ISSN_KEY ON SERIALS (ISSN_KEY);
CREATE INDEX ISSUES_TITLE_NO ON ISSUES (TITLE_NO);
CREATE INDEX SERIES_NAME_KEY ON SERIES (NAME_KEY);
CREATE INDEX WORDS_STEM ON WORDS (STEM);
CREATE INDEX WORDS_TITLE_NO ON WORDS (TITLE_NO);
-- SQLite: LIKE is case-insensitive there, so LIKE 'TERM%' can use only an index in NOCASE order (the
-- keys are upper case, so it orders them as the others do). On PostgreSQL they index the columns with
-- text_pattern_ops instead.
CREATE INDEX TITLES_TITLE_KEY_LIKE ON TITLES (TITLE_KEY COLLATE NOCASE);
CREATE INDEX AUTHORS_NAME_KEY_LIKE ON AUTHORS (NAME_KEY COLLATE NOCASE);
CREATE INDEX SUBJECTS_HEADING_KEY_LIKE ON SUBJECTS (HEADING_KEY COLLATE NOCASE);
CREATE INDEX SERIES_NAME_KEY_LIKE ON SERIES (NAME_KEY COLLATE NOCASE);
CREATE INDEX VOCABULARY_WORD_LIKE ON VOCABULARY (WORD COLLATE NOCASE, FIELD);
