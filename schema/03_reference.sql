-- Reference lists ("Basic data"). Lists read "select * from <table>", so these
-- tables carry exactly the columns the windows show, in their order.

-- Geography ------------------------------------------------------------------

create table kontinentt (
  kont_kod  serial primary key,
  kont_name text not null unique          -- looked up by exact name
);

create table orszagt (
  orszag_kod serial primary key,
  orszag_nev text not null unique
);

create table varost (
  varos_kod serial primary key,
  varos_nev text not null unique
);

-- People and institutions ------------------------------------------------------

create table szemelyt (
  nev_kod    serial primary key,
  nem        text,
  fokozat    text,
  firstname  text,
  lastname   text,
  middle     text,
  orszag_kod integer,                     -- 0: none
  iranyitosz text,
  varos_kod  integer,                     -- 0: none
  utca_hazsz text,
  osszefogl  text,
  munkakor   text,
  letre_user integer references users,
  letre_dat  timestamp(0),
  orszag_kod_ref integer generated always as (nullif(orszag_kod, 0)) stored references orszagt,
  varos_kod_ref  integer generated always as (nullif(varos_kod, 0)) stored references varost
);
create index szemelyt_orszag on szemelyt (orszag_kod_ref);
create index szemelyt_varos on szemelyt (varos_kod_ref);
create index szemelyt_letre_user on szemelyt (letre_user);

create table elerheto (
  eler_kod    serial primary key,
  nev_kod     integer not null references szemelyt on delete cascade,
  eler_megnev text,
  eler        text
);
create index elerheto_nev_kod on elerheto (nev_kod);

create table labort (
  labor_kod  serial primary key,
  labor_nev  text not null,
  orszag_kod integer,                     -- 0: none
  varos_kod  integer,                     -- 0: none
  iranyitosz text,
  utca_hazsz text,
  letre_user integer references users,
  letre_dat  timestamp(0),
  orszag_kod_ref integer generated always as (nullif(orszag_kod, 0)) stored references orszagt,
  varos_kod_ref  integer generated always as (nullif(varos_kod, 0)) stored references varost
);
create index labort_orszag on labort (orszag_kod_ref);
create index labort_varos on labort (varos_kod_ref);
create index labort_letre_user on labort (letre_user);

create table illetekes (
  illetek_kod serial primary key,
  labor_kod   integer not null references labort on delete cascade,
  nev_kod     integer not null references szemelyt,
  unique (labor_kod, nev_kod)
);
create index illetekes_nev_kod on illetekes (nev_kod);

-- Localities and artefacts -----------------------------------------------------

create table localityt (
  locality_id integer primary key default nextval('gen_id'),
  loc_name    text not null,
  region      text,                       -- geological unit, free text
  orszag_kod  integer references orszagt,
  kont_kod    integer references kontinentt,
  date_added  date,
  description text,
  cen_lat     double precision,
  cen_lon     double precision,
  min_lat     double precision,
  min_lon     double precision,
  max_lat     double precision,
  max_lon     double precision,
  upward      integer references localityt,
  geodat      text,
  letre_user  integer references users,
  letre_dat   timestamp(0)
);
create index localityt_orszag on localityt (orszag_kod);
create index localityt_kont on localityt (kont_kod);
create index localityt_upward on localityt (upward);
create index localityt_letre_user on localityt (letre_user);

create table loc_nev (
  locnev_id   serial primary key,
  loc_name    text not null,
  locality_id integer not null references localityt on delete cascade
);
create index loc_nev_locality on loc_nev (locality_id);

create table artefactt (
  art_id      integer primary key default nextval('gen_id'),
  art_name    text not null,
  labor_id    integer references labort,
  width       double precision,
  length      double precision,
  depth       double precision,
  weight      double precision,
  tip_mat     text,
  tip_age     text,
  dateadd     date,
  description text,
  letre_user  integer references users,
  letre_dat   timestamp(0)
);
create index artefactt_labor on artefactt (labor_id);
create index artefactt_letre_user on artefactt (letre_user);

create table art_nev (
  artnev_id serial primary key,
  art_name  text not null,
  art_id    integer not null references artefactt on delete cascade
);
create index art_nev_art on art_nev (art_id);

-- Literature -------------------------------------------------------------------

create table journalt (
  journal_id   serial primary key,
  journal_name text not null unique
);

create table litt (
  lit_id    serial primary key,
  fajta     integer not null check (fajta between 1 and 4),  -- 1 book, 2 article, 3 other, 4 chapter
  title     text,
  authors   text,
  editors   text,
  mnemonic  text,
  keywords  text,
  abstract  text,
  journal   text,
  jb_id     integer,                      -- article: journal; chapter: its book; 0: none
  volume    text,
  band      text,
  page      text,
  year      text,
  cim_k     text,
  publisher text,
  placeofp  text,
  year_k    text,
  web       text,
  doi       text,
  url       text,
  letre_user integer references users,
  letre_dat  timestamp(0),
  jb_journal_ref integer generated always as (case when fajta = 2 then nullif(jb_id, 0) end) stored
                 references journalt,
  jb_book_ref    integer generated always as (case when fajta = 4 then nullif(jb_id, 0) end) stored
                 references litt
);
create index litt_jb_journal on litt (jb_journal_ref);
create index litt_jb_book on litt (jb_book_ref);
create index litt_letre_user on litt (letre_user);

-- Geology ----------------------------------------------------------------------

create table korok (
  kor_id   serial primary key,
  kor_nev  text not null,
  kor_papa integer references korok,
  sorrend  integer,
  unique nulls not distinct (kor_papa, kor_nev)
);

create table mgrade (
  mgrade_id  serial primary key,
  mgrade_nev text not null unique
);

create table geo_un (
  geo_id      serial primary key,         -- geo_un_geo_id_seq
  geo_nev     text not null,
  geo_papa    integer references geo_un,
  age_of_pr   integer references korok,
  met_grade   integer references mgrade,
  description text,
  letre_user  integer references users,
  letre_datum timestamp(0),
  unique nulls not distinct (geo_papa, geo_nev)
);
create index geo_un_age on geo_un (age_of_pr);
create index geo_un_grade on geo_un (met_grade);
create index geo_un_letre_user on geo_un (letre_user);

create table geoun_kor (
  geo_id integer not null references geo_un on delete cascade,
  kor_id integer not null references korok,
  primary key (geo_id, kor_id)
);
create index geoun_kor_kor on geoun_kor (kor_id);

-- Elements, isotopes, methods, minerals ----------------------------------------

create table elemt (
  elem_kod  serial primary key,
  elem_inev text not null,                -- formula markup
  oxidos    char(1),                      -- 'E' element, 'O' oxide
  rendszam  integer,                      -- atomic number; null for an oxide
  elem_nev  text not null unique          -- the markup removed
);

create table isotopt (
  is_kod   serial primary key,
  is_inev  text not null,
  radiogen boolean not null default false,
  is_nev   text not null unique
);

create table metodt (
  metod_id   serial primary key,
  metod_name text not null unique
);

create table met_elem_megfelel (
  met_id   integer not null references metodt on delete cascade,
  elem_kod integer not null references elemt,
  primary key (met_id, elem_kod)
);
create index met_elem_megfelel_elem on met_elem_megfelel (elem_kod);

create table meres_modszer (
  met_id  serial primary key,
  tipus   integer not null,               -- measurement kind, 331..335, 341, 342
  met_nev text not null,
  unique (tipus, met_nev)
);

create table jarulekt (
  jarulek_kod serial primary key,
  jarulek_nev text not null unique
);

-- Appearance and conservation --------------------------------------------------

create table colort (
  color_id   serial primary key,
  color_name text not null unique
);

create table boundt (
  bound_id   serial primary key,
  bound_name text not null unique
);

create table fabrict (
  fabric_id   serial primary key,
  fabric_name text not null unique
);

create table fabtypet (
  fabtype_id   serial primary key,
  fabtype_name text not null unique
);

create table konzt (
  konz_id  serial primary key,
  konz_nev text not null unique
);

create table munsellt (
  munsell_id  serial primary key,
  munsell_kod text not null unique
);

create table ralt (
  ral_id integer primary key,             -- the RAL number, typed by the user
  color  text,
  abl    text,
  part   text
);

-- Read-only lists. freqt, orientation and porosity are read with
-- "union select 0, ''" added for "none", so their keys start at 1.
create table freqt (
  freq_id   integer primary key check (freq_id > 0),
  freq_name text not null unique
);

create table orientation (
  ori_id   integer primary key check (ori_id > 0),
  ori_name text not null unique
);

create table porosity (
  por_id   integer primary key check (por_id > 0),
  por_name text not null unique
);

create table mint_jel (
  mint_kod    integer primary key,        -- 1 geological, 2 archaeological, 3 other
  mint_jelnev text not null unique
);

-- Display names of searchable measured columns, grouped: tab 'esr' names the
-- columns of esrt, tab 'fa' those of faqta.
create table enevek (
  tab    text not null,
  tabnev text not null,
  megnev text not null,
  primary key (tab, tabnev)
);
