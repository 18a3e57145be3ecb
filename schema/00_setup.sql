-- The database the program expects: loaded by scripts/schema-load, every
-- schema/*.sql file in name order, by a database owner or superuser, into a fresh
-- UTF-8 database (PostgreSQL 15 or later).
--
-- Conventions of these files, decided once and applied everywhere:
--
-- * Types. Keys and integer codes are integer (32 bit, what the program reads);
--   numbers the program writes are double precision, so that a value reads back in
--   its shortest text (12.5 stays "12.5"); dates are date; creation and login times
--   are timestamp(0) (whole seconds); texts are text, long texts too (lists read
--   them through texttochar()).
--
-- * "0 means none". In a few references the program writes 0 for "nothing chosen"
--   and reads 0 back: the cleared locality of a geological sample
--   (samplet.locality_id); the colour, Munsell, orientation, porosity and frequency
--   of the descriptions and components (macroscop_desc, sample_macr_komp,
--   sample_micr_komp); the hidden country and city of people and institutions
--   (szemelyt, labort); the institute and method of a measurement (meresek); the
--   journal of a new article (litt.jb_id). No placeholder rows with key 0 are used:
--   the lists read "select * from <table>" and would show such a row as a blank
--   entry. Instead each such column keeps exactly what the program wrote, and a
--   stored generated column beside it, named <column>_ref, holds the same value with
--   0 turned into null; the foreign key sits on that generated column. So 0 and null
--   both mean none, any other value must exist in the referenced table, and
--   deleting a referenced row is refused by PostgreSQL's own foreign key, with its
--   own text ("... is still referenced from table ..."), like every other reference.
--   litt.jb_id points at a journal for an article (fajta 2) and at the containing
--   book for a chapter (fajta 4): two generated columns carry those two references.
--
-- * Deletes. Reference lists refuse the deletion of a row that anything still
--   references (plain foreign keys, no cascade): the program relies on that refusal.
--   What belongs to one record goes with it (ON DELETE CASCADE): a sample takes all
--   its sections, measurements, analyses, photos and links with it, so that the
--   sample list's delete of twelve tables never leaves orphans nor fails on the rows
--   it does not clear itself; a measurement takes its persons, rows, photos and
--   links; an analysis its persons and values; a person his contacts; an
--   institution its contact-person links; a locality and an artefact their
--   alternative names; a geological unit its metamorphic ages; a method its
--   element assignments. A RAL number can be renumbered by the program: samples
--   follow it (ON UPDATE CASCADE).
--
-- * Unique names. The names of the reference lists are unique (a duplicate is
--   refused with "duplicate key value violates unique constraint"); time units and
--   geological units are unique among the children of one parent. People,
--   institutions, localities, artefacts and publications are not: two of them may
--   share a name.
--
-- * Rights letters of a user are kept in users.jog and returned by jogok().

create extension if not exists pg_trgm;

-- The program's one login role. Roles belong to the whole cluster: create it when
-- missing, and set its password (from the psql variable prog_password) on every load.
do $$
begin
  create role saxora_prog login;
exception when duplicate_object then
  null;
end
$$;
alter role saxora_prog with login nosuperuser nocreatedb nocreaterole noinherit noreplication
  password :'prog_password';
-- dates come back as 2024-05-31 whatever the server's default, and the program's
-- 2024.05.31 is read year first
alter role saxora_prog set datestyle = 'ISO, YMD';
