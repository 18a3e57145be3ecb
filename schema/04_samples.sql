-- Samples and their investigations. Everything here belongs to one sample and
-- goes with it (ON DELETE CASCADE); rows of one measurement go with the
-- measurement, rows of one chemical analysis with the analysis. References to the
-- reference lists are plain foreign keys, so a list entry in use cannot be deleted.

create table samplet (
  sample_id   integer primary key default nextval('gen_id'),
  sample_name text not null,
  mint_jel    integer not null references mint_jel,
  other_type  text,
  short_d     text,
  description text,
  date_of_sam date,
  locality_id integer,                    -- 0: a geological sample's cleared locality
  geo_id      integer references geo_un,
  art_id      integer references artefactt,
  tnev_kod    integer references szemelyt,
  tlabor_kod  integer references labort,
  sznev_kod   integer references szemelyt,
  szlabor_kod integer references labort,
  color_id    integer references colort,
  ral_id      integer references ralt on update cascade,
  munsell_id  integer references munsellt,
  bound_id    integer references boundt,
  fabric_id   integer references fabrict,
  fabtype_id  integer references fabtypet,
  mgs         double precision,
  d13c        double precision,
  d18o        double precision,
  caco3       double precision,
  calc_dol    double precision,
  sr87        double precision,
  sr87_pm     double precision,
  konz_desc   text,
  cl_desc     text,
  xrd_desc    text,
  ir_desc     text,
  mac_desc    text,
  mic_desc    text,
  letre_user  integer references users,
  letre_date  timestamp(0),
  locality_id_ref integer generated always as (nullif(locality_id, 0)) stored references localityt
);
create index samplet_mint_jel on samplet (mint_jel);
create index samplet_locality on samplet (locality_id_ref);
create index samplet_geo on samplet (geo_id);
create index samplet_art on samplet (art_id);
create index samplet_tnev on samplet (tnev_kod);
create index samplet_tlabor on samplet (tlabor_kod);
create index samplet_sznev on samplet (sznev_kod);
create index samplet_szlabor on samplet (szlabor_kod);
create index samplet_color on samplet (color_id);
create index samplet_ral on samplet (ral_id);
create index samplet_munsell on samplet (munsell_id);
create index samplet_bound on samplet (bound_id);
create index samplet_fabric on samplet (fabric_id);
create index samplet_fabtype on samplet (fabtype_id);
create index samplet_letre_user on samplet (letre_user);

-- Measurements ------------------------------------------------------------------

create table meresek (
  meres_id  serial primary key,           -- meresek_meres_id_seq
  id        integer not null references samplet on delete cascade,
  tipus     integer,                      -- 331..335, 341, 342
  met_id    integer,                      -- 0: none
  labor_kod integer,                      -- 0: none
  datum     date,
  mit_mer   integer,                      -- 1 bulk .. 5 other
  meres_nev text,
  met_id_ref    integer generated always as (nullif(met_id, 0)) stored references meres_modszer,
  labor_kod_ref integer generated always as (nullif(labor_kod, 0)) stored references labort
);
create index meresek_id on meresek (id);
create index meresek_met on meresek (met_id_ref);
create index meresek_labor on meresek (labor_kod_ref);

create table meres_nev (
  meres_id integer not null references meresek on delete cascade,
  nev_kod  integer not null references szemelyt,
  primary key (meres_id, nev_kod)
);
create index meres_nev_nev_kod on meres_nev (nev_kod);

-- the program only clears it together with a cathodoluminescence measurement
create table meres_sampl_cl (
  msc_id    serial primary key,
  meres_id  integer not null references meresek on delete cascade,
  sample_id integer references samplet on delete cascade,
  megjegyzes text
);
create index meres_sampl_cl_meres on meres_sampl_cl (meres_id);
create index meres_sampl_cl_sample on meres_sampl_cl (sample_id);

-- Chemical analyses -------------------------------------------------------------

create table alk_met (
  alkmet_id   integer primary key default nextval('gen_id'),
  sample_id   integer not null references samplet on delete cascade,
  met_id      integer references metodt,
  labor_kod   integer references labort,
  external_id text,
  date        date
);
create index alk_met_sample on alk_met (sample_id);
create index alk_met_met on alk_met (met_id);
create index alk_met_labor on alk_met (labor_kod);

create table alkmet_nev (
  alkmet_id integer not null references alk_met on delete cascade,
  nev_kod   integer not null references szemelyt,
  primary key (alkmet_id, nev_kod)
);
create index alkmet_nev_nev_kod on alkmet_nev (nev_kod);

create table met_elem (
  metelem_id serial primary key,
  alkmet_id  integer not null references alk_met on delete cascade,
  elem_kod   integer not null references elemt,
  sample_id  integer references samplet on delete cascade,
  ertek      double precision,            -- null until the value is saved
  unique (alkmet_id, elem_kod)
);
create index met_elem_elem on met_elem (elem_kod);
create index met_elem_sample on met_elem (sample_id);

-- Mineral compositions, one table per technique ---------------------------------

-- microscopic
create table samp_miner (
  samp_miner_id serial primary key,
  sample_id   integer not null references samplet on delete cascade,
  jarulek_kod integer references jarulekt,
  ertek       text,                       -- scale value as typed: +++, ++, +, +-
  pertek      double precision,
  meres_id    integer references meresek on delete cascade
);
create index samp_miner_sample on samp_miner (sample_id);
create index samp_miner_jarulek on samp_miner (jarulek_kod);
create index samp_miner_meres on samp_miner (meres_id);

-- macroscopic
create table samp_miner_mac (
  samp_miner_id serial primary key,
  sample_id   integer not null references samplet on delete cascade,
  jarulek_kod integer references jarulekt,
  ertek       text,                       -- scale value as typed: +++, ++, +, +-
  pertek      double precision,
  meres_id    integer references meresek on delete cascade
);
create index samp_miner_mac_sample on samp_miner_mac (sample_id);
create index samp_miner_mac_jarulek on samp_miner_mac (jarulek_kod);
create index samp_miner_mac_meres on samp_miner_mac (meres_id);

-- cathodoluminescence
create table samp_cl (
  samp_cl_id serial primary key,
  sample_id   integer not null references samplet on delete cascade,
  jarulek_kod integer references jarulekt,
  ertek       text,                       -- scale value as typed: +++, ++, +, +-
  pertek      double precision,
  meres_id    integer references meresek on delete cascade
);
create index samp_cl_sample on samp_cl (sample_id);
create index samp_cl_jarulek on samp_cl (jarulek_kod);
create index samp_cl_meres on samp_cl (meres_id);

-- X-ray diffraction
create table samp_xrd (
  samp_xrd_id serial primary key,
  sample_id   integer not null references samplet on delete cascade,
  jarulek_kod integer references jarulekt,
  ertek       text,                       -- scale value as typed: +++, ++, +, +-
  pertek      double precision,
  meres_id    integer references meresek on delete cascade
);
create index samp_xrd_sample on samp_xrd (sample_id);
create index samp_xrd_jarulek on samp_xrd (jarulek_kod);
create index samp_xrd_meres on samp_xrd (meres_id);

-- infrared
create table samp_ir (
  samp_ir_id serial primary key,
  sample_id   integer not null references samplet on delete cascade,
  jarulek_kod integer references jarulekt,
  ertek       text,                       -- scale value as typed: +++, ++, +, +-
  pertek      double precision,
  meres_id    integer references meresek on delete cascade
);
create index samp_ir_sample on samp_ir (sample_id);
create index samp_ir_jarulek on samp_ir (jarulek_kod);
create index samp_ir_meres on samp_ir (meres_id);

-- Isotopes (the sample column is spelled sampl_id)
create table samp_isotop (
  samp_is_id serial primary key,
  sampl_id   integer not null references samplet on delete cascade,
  is_kod     integer references isotopt,
  value      double precision,
  pm         double precision,
  meres_id   integer references meresek on delete cascade
);
create index samp_isotop_sample on samp_isotop (sampl_id);
create index samp_isotop_is on samp_isotop (is_kod);
create index samp_isotop_meres on samp_isotop (meres_id);

-- Physical, ESR and grain-size values: at most one row per sample -----------------

create table phisical_prop (
  phis_id    serial primary key,
  sample_id  integer not null unique references samplet on delete cascade,
  density    double precision,
  comp_stren double precision,
  bending    double precision,
  abrasion   double precision,
  water_abs  double precision,
  modofel    double precision
);

create table esrt (
  esr_id    integer primary key default nextval('esr_gen_id'),
  sample_id integer not null unique references samplet on delete cascade,
  gain     double precision,
  h        double precision,
  dolom    double precision,
  tot6     double precision,
  spli     double precision,
  integr   double precision,
  spread   double precision,
  w        double precision,
  stdinten double precision,
  stdinteg double precision,
  stdw     double precision,
  stdspli  double precision,
  stdsprea double precision,
  intens   double precision,
  integr2  double precision,
  spli2    double precision,
  w2       double precision,
  spread2  double precision,
  odour    double precision,
  colour2  double precision,
  stdcol   double precision
);

create table faqta (
  fa_id     integer primary key default nextval('fa_gen_id'),
  sample_id integer not null unique references samplet on delete cascade,
  n100     double precision,
  mgs100   double precision,
  mga100   double precision,
  n99      double precision,
  mgs99    double precision,
  mga99    double precision,
  mmgs100  double precision,
  mmga100  double precision,
  mmgs99   double precision,
  mmga99   double precision,
  smgs100  double precision,
  smga100  double precision,
  smgs99   double precision,
  smga99   double precision,
  mgs1mgs9 double precision,
  mga1mga9 double precision,
  aga      double precision,
  roa      double precision,
  dbox     double precision,
  sdbox    double precision,
  coefbox  double precision
);

-- Conservation, literature links, pictures ---------------------------------------

create table samp_konz (
  sample_id integer not null references samplet on delete cascade,
  konz_id   integer not null references konzt,
  primary key (sample_id, konz_id)
);
create index samp_konz_konz on samp_konz (konz_id);

create table mint_lit (
  mintl_id  serial primary key,
  sample_id integer not null references samplet on delete cascade,
  lit_id    integer not null references litt,
  type      integer not null check (type between 0 and 12),
  meres_id  integer references meresek on delete cascade,
  -- one link per section (and measurement): a second is refused as a duplicate
  unique nulls not distinct (sample_id, lit_id, type, meres_id)
);
create index mint_lit_lit on mint_lit (lit_id);
create index mint_lit_meres on mint_lit (meres_id);

create table kepekt (
  kep_id    serial primary key,
  kep       bytea,                        -- JPEG
  sample_id integer not null references samplet on delete cascade,
  kepnev    text,
  szoveg    text,
  csoport   integer,                      -- 1 overview .. 6 IR
  meres_id  integer references meresek on delete cascade
);
create index kepekt_sample on kepekt (sample_id);
create index kepekt_meres on kepekt (meres_id);

-- Macroscopic and microscopic descriptions and their components ------------------

create table macroscop_desc (
  sample_id  integer primary key references samplet on delete cascade,
  surface    text,
  bulk       text,
  color_id   integer,                     -- 0: none, as the four below
  munsell_id integer,
  ori_id     integer,
  por_id     integer,
  color_id_ref   integer generated always as (nullif(color_id, 0)) stored references colort,
  munsell_id_ref integer generated always as (nullif(munsell_id, 0)) stored references munsellt,
  ori_id_ref     integer generated always as (nullif(ori_id, 0)) stored references orientation,
  por_id_ref     integer generated always as (nullif(por_id, 0)) stored references porosity
);
create index macroscop_desc_color on macroscop_desc (color_id_ref);
create index macroscop_desc_munsell on macroscop_desc (munsell_id_ref);
create index macroscop_desc_ori on macroscop_desc (ori_id_ref);
create index macroscop_desc_por on macroscop_desc (por_id_ref);

create table microscop_desc (
  sample_id    integer primary key references samplet on delete cascade,
  homogen      text,                      -- 'h' homogenous, 'i' inhomogenous
  matrix_com   text,
  npcom        text,
  surface_desc text,
  bulk_desc    text
);

create table sample_macr_komp (
  macr_komp_id integer primary key default nextval('samp_komp'),
  sample_id    integer not null references samplet on delete cascade,
  component    text,
  color_id     integer,                   -- 0: none, as munsell_id and freq_id
  munsell_id   integer,
  size         double precision,          -- millimetres
  freq_id      integer,
  description  text,
  color_id_ref   integer generated always as (nullif(color_id, 0)) stored references colort,
  munsell_id_ref integer generated always as (nullif(munsell_id, 0)) stored references munsellt,
  freq_id_ref    integer generated always as (nullif(freq_id, 0)) stored references freqt
);
alter sequence samp_komp owned by sample_macr_komp.macr_komp_id;
create index sample_macr_komp_sample on sample_macr_komp (sample_id);
create index sample_macr_komp_color on sample_macr_komp (color_id_ref);
create index sample_macr_komp_munsell on sample_macr_komp (munsell_id_ref);
create index sample_macr_komp_freq on sample_macr_komp (freq_id_ref);

create table sample_micr_komp (
  micr_komp_id integer primary key default nextval('samp_komp_micr'),
  sample_id    integer not null references samplet on delete cascade,
  component    text,
  color_id     integer,                   -- 0: none, as munsell_id and freq_id
  munsell_id   integer,
  size         double precision,          -- millimetres
  freq_id      integer,
  description  text,
  color_id_ref   integer generated always as (nullif(color_id, 0)) stored references colort,
  munsell_id_ref integer generated always as (nullif(munsell_id, 0)) stored references munsellt,
  freq_id_ref    integer generated always as (nullif(freq_id, 0)) stored references freqt
);
alter sequence samp_komp_micr owned by sample_micr_komp.micr_komp_id;
create index sample_micr_komp_sample on sample_micr_komp (sample_id);
create index sample_micr_komp_color on sample_micr_komp (color_id_ref);
create index sample_micr_komp_munsell on sample_micr_komp (munsell_id_ref);
create index sample_micr_komp_freq on sample_micr_komp (freq_id_ref);

alter sequence esr_gen_id owned by esrt.esr_id;
alter sequence fa_gen_id owned by faqta.fa_id;

-- The sample search matches these with upper(...) like '%text%'.
create index samplet_name_trgm on samplet using gin (upper(sample_name) gin_trgm_ops);
create index samplet_description_trgm on samplet using gin (upper(description) gin_trgm_ops);
create index localityt_name_trgm on localityt using gin (upper(loc_name) gin_trgm_ops);
create index localityt_region_trgm on localityt using gin (upper(region) gin_trgm_ops);
create index loc_nev_name_trgm on loc_nev using gin (upper(loc_name) gin_trgm_ops);
create index artefactt_name_trgm on artefactt using gin (upper(art_name) gin_trgm_ops);
create index art_nev_name_trgm on art_nev using gin (upper(art_name) gin_trgm_ops);
create index litt_title_trgm on litt using gin (upper(title) gin_trgm_ops);
