-- The course database: ten tables, and the answer log otvety, which the program also
-- creates by itself in a database made before it existed.
CREATE TABLE temi (
  nom        INTEGER,
  name       TEXT,
  file_name  TEXT,
  file_pr    TEXT,
  "check"    INTEGER
);
-- A topic added without a number goes to the end of the settings list.
CREATE TRIGGER temi_number AFTER INSERT ON temi WHEN NEW.nom IS NULL
BEGIN
  UPDATE temi SET nom = (SELECT coalesce(max(nom), 0) + 1 FROM temi) WHERE rowid = NEW.rowid;
END;

CREATE TABLE prakt (
  name       TEXT,
  file_name  TEXT
);

CREATE TABLE lab (
  name       TEXT,
  file_name  TEXT
);

CREATE TABLE test (
  nom   INTEGER,
  test  TEXT,
  ot1   TEXT,
  ot2   TEXT,
  ot3   TEXT,
  ot4   TEXT,
  ot5   TEXT,
  otv   TEXT
);

CREATE TABLE testing (
  nom   TEXT,
  nom1  INTEGER,
  otv   TEXT
);

CREATE TABLE result (
  fio     TEXT,
  data    DATE,
  kol     INTEGER,
  ocenka  TEXT
);

CREATE TABLE questions (
  id        INTEGER,
  question  TEXT
);

CREATE TABLE keys (
  id     INTEGER,
  "key"  TEXT
);

CREATE TABLE params (
  identifikator  INTEGER,
  vrem           INTEGER,
  kolvo          INTEGER,
  pas            NUMERIC
);

CREATE TABLE rezult (
  fio               TEXT,
  gruppa            TEXT,
  procent           TEXT,
  vrem_nachala      TEXT,
  vrem_okonchaniya  TEXT
);

-- The timed test's answers as they are given: the attempt (name, group, start time as in
-- rezult), the question, the letter chosen last and whether it matched the key.
CREATE TABLE otvety (fio TEXT, gruppa TEXT, vrem_nachala TEXT, id INTEGER, otv TEXT, pravilno INTEGER);
CREATE UNIQUE INDEX otvety_popytka ON otvety (fio, gruppa, vrem_nachala, id);
