-- A small course to start with; the full sample course replaces it.
INSERT INTO temi (nom, name, file_name, file_pr, "check") VALUES
  (1, 'Введение в базы данных', 'lec01.htm', 'lec01.pdf', 1),
  (2, 'Реляционная модель данных', 'lec02.htm', 'lec02.pdf', 0);
INSERT INTO prakt (name, file_name) VALUES
  ('Проектирование схемы базы данных', 'pr01.pdf');
INSERT INTO lab (name, file_name) VALUES
  ('Создание таблиц', 'lab01.htm');
INSERT INTO test (nom, test, ot1, ot2, ot3, ot4, ot5, otv) VALUES
  (1, 'Что такое первичный ключ?', 'Любой столбец', 'Минимальный набор атрибутов, однозначно определяющий строку', 'Индекс', 'Внешний ключ', 'Представление', 'B');
INSERT INTO questions (id, question) VALUES
  (1, 'Какой оператор SQL выбирает строки?' || char(10) || 'A) INSERT' || char(10) || 'B) UPDATE' || char(10) || 'C) SELECT' || char(10) || 'D) DELETE' || char(10) || 'E) CREATE');
INSERT INTO keys (id, "key") VALUES (1, 'C');
INSERT INTO params (identifikator, vrem, kolvo, pas) VALUES (1, 15, 1, 1234);
