-- A large collection of the shape of the real one, for benchmarks: loaded with psql
-- into a database that has the schema (scripts/schema-load), on top of what is there.
--   psql -v samples=100000 -f bench/large-collection.sql DBNAME
-- Per sample about 25 rows: 3 measurements with their persons and 6 mineral rows, a
-- chemical analysis with 11 values, isotopes, literature links, and on a share of the
-- samples physical, ESR, FA/QTA, conservation and description rows.
\set ON_ERROR_STOP 1
\if :{?samples}
\else
  \set samples 100000
\endif
\timing on
begin;
set local synchronous_commit = off;

select setseed(0.42);
select :samples / 20 as nloc, :samples / 10 as nart, greatest(:samples / 50, 50) as nper,
       greatest(:samples / 400, 20) as nlab, greatest(:samples / 20, 100) as nlit \gset

-- people, institutions ------------------------------------------------------------
select coalesce(max(nev_kod), 0) as per0 from szemelyt \gset
insert into szemelyt (nev_kod, nem, fokozat, firstname, lastname, middle, orszag_kod, iranyitosz, varos_kod, utca_hazsz, munkakor, letre_user, letre_dat)
select :per0 + g, (array['Mr.','Ms.','Mrs.'])[1 + g % 3], (array['','Dr.','Prof.'])[1 + g % 3],
       (array['Anna','Béla','Csilla','Dénes','Erika','Ferenc','Gizella','Hugó','Ilona','János'])[1 + g % 10],
       (array['Kovács','Szabó','Tóth','Horváth','Varga','Kiss','Molnár','Németh','Farkas','Balogh'])[1 + (g / 10) % 10] || ' ' || g,
       '', 1 + g % 190, (1000 + g % 8000)::text, 1 + g % 90, 'Fő utca ' || g, 'researcher', 1, now()
from generate_series(1, :nper) g;
select setval('szemelyt_nev_kod_seq', :per0 + :nper);

select coalesce(max(labor_kod), 0) as lab0 from labort \gset
insert into labort (labor_kod, labor_nev, orszag_kod, varos_kod, iranyitosz, utca_hazsz, letre_user, letre_dat)
select :lab0 + g, 'Laboratory ' || g || (array[' of Geochemistry',' of Archaeometry',' Museum',' of Petrology'])[1 + g % 4],
       1 + g % 190, 1 + g % 90, (1000 + g)::text, 'Campus ' || g, 1, now()
from generate_series(1, :nlab) g;
select setval('labort_labor_kod_seq', :lab0 + :nlab);

-- localities (five levels deep), artefacts, literature --------------------------------
select nextval('gen_id') as base \gset
select setval('gen_id', :base + :nloc + :nart + 2 * :samples + 10);
insert into localityt (locality_id, loc_name, region, orszag_kod, kont_kod, date_added, description,
                       cen_lat, cen_lon, upward, geodat, letre_user, letre_dat)
select :base + g, (array['Hill','Quarry','Valley','Mine','Ridge','Creek','Outcrop','Pit'])[1 + g % 8] || ' ' || g,
       (array['Transdanubian Range','Tokaj Mountains','Mecsek Unit','Apuan Alps','Cyclades'])[1 + g % 5],
       1 + g % 190, 1 + g % 7, date '2000-01-01' + g % 8000, 'Generated locality ' || g,
       -60 + (g % 12000) / 100.0, -170 + (g % 34000) / 100.0,
       case when g > 5 then :base + g / 5 end, 'WGS84', 1, now()
from generate_series(1, :nloc) g;
insert into loc_nev (loc_name, locality_id) select 'Alias ' || g, :base + g from generate_series(1, :nloc, 3) g;

insert into artefactt (art_id, art_name, labor_id, width, length, depth, weight, tip_mat, tip_age, dateadd, description, letre_user, letre_dat)
select :base + :nloc + g, (array['Polished axe','Flint blade','Obsidian core','Grinding stone','Statue fragment'])[1 + g % 5] || ' ' || g,
       :lab0 + 1 + g % :nlab, 1 + g % 30, 2 + g % 60, 0.5 + g % 15, 10 + g % 3000,
       (array['flint','obsidian','marble','basalt','greenstone'])[1 + g % 5], (array['Neolithic','Bronze Age','Roman'])[1 + g % 3],
       date '2010-01-01' + g % 4000, 'Generated artefact ' || g, 1, now()
from generate_series(1, :nart) g;
insert into art_nev (art_name, art_id) select 'Find ' || g, :base + :nloc + g from generate_series(1, :nart, 4) g;

select coalesce(max(lit_id), 0) as lit0 from litt \gset
insert into litt (lit_id, fajta, title, authors, editors, mnemonic, keywords, abstract, journal, jb_id, volume, band, page, year, letre_user, letre_dat)
select :lit0 + g, case when g % 10 = 0 then 1 when g % 10 = 1 then 3 else 2 end,
       'On the provenance of stone tools, part ' || g, 'Author ' || g % 997, '', 'LIT' || g, 'provenance', 'Generated abstract ' || g,
       case when g % 10 > 1 then 'Archaeometry' end, case when g % 10 > 1 then (select min(journal_id) from journalt) end,
       (g % 80)::text, (g % 4)::text, (g % 300)::text || '-' || (g % 300 + 12)::text, (1970 + g % 55)::text, 1, now()
from generate_series(1, :nlit) g;
select setval('litt_lit_id_seq', :lit0 + :nlit);

-- samples --------------------------------------------------------------------------------
select :base + :nloc + :nart as s0 \gset
insert into samplet (sample_id, sample_name, mint_jel, other_type, short_d, description, date_of_sam, locality_id, geo_id, art_id,
                     tnev_kod, tlabor_kod, sznev_kod, szlabor_kod, color_id, munsell_id, bound_id, fabric_id, fabtype_id,
                     mgs, d13c, d18o, caco3, sr87, konz_desc, mac_desc, mic_desc, letre_user, letre_date)
select :s0 + g,
       (array['GEO','ARCH','OTH'])[1 + (g % 10 > 5)::int + (g % 10 > 8)::int] || '-' || lpad(g::text, 6, '0') || ' '
         || (array['radiolarite','obsidian','marble','basalt','flint','limestone','andesite','granite'])[1 + g % 8],
       1 + (g % 10 > 5)::int + (g % 10 > 8)::int,
       case when g % 10 = 9 then 'Reference material' end,
       (array['hand specimen','fragment','core','flake'])[1 + g % 4],
       (array['Fresh','Weathered','Patinated','Fractured'])[1 + g % 4] || ' surface, '
         || (array['fine-grained','coarse-grained','porphyritic','glassy','banded'])[1 + g % 5] || ', specimen ' || g,
       date '1990-01-01' + g % 12000,
       case when g % 10 <= 5 then :base + 1 + g % :nloc when g % 10 <= 8 and g % 3 = 0 then :base + 1 + g % :nloc end,
       null,
       case when g % 10 between 6 and 8 then :base + :nloc + 1 + g % :nart end,
       :per0 + 1 + g % :nper, :lab0 + 1 + g % :nlab, :per0 + 1 + (g * 7) % :nper, :lab0 + 1 + (g * 3) % :nlab,
       1 + g % 30, 1 + g % 90, 1 + g % 12, 1 + g % 28, 1 + g % 11,
       round((random() * 8)::numeric, 2), round((random() * 4 - 1)::numeric, 2), round((random() * 6 - 6)::numeric, 2),
       round((85 + random() * 14)::numeric, 1), case when g % 6 = 0 then 0.704 + random() / 100 end,
       case when g % 10 between 6 and 8 then 'Consolidated' end, 'Macroscopic notes ' || g, 'Thin section ' || g,
       1 + (g % 3) * 2, now() - (g % 1000) * interval '1 hour'
from generate_series(1, :samples) g;

-- measurements: 331, 332 and 333 for every sample
select last_value as m0 from meresek_meres_id_seq \gset
insert into meresek (meres_id, id, tipus, met_id, labor_kod, datum, mit_mer, meres_nev)
select :m0 + 3 * (g - 1) + k, :s0 + g, (array[331,332,333])[k],
       (select min(met_id) from meres_modszer where tipus = (array[331,332,333])[k]), :lab0 + 1 + g % :nlab,
       date '2015-01-01' + g % 3000, 1 + g % 4, ''
from generate_series(1, :samples) g, generate_series(1, 3) k;
select setval('meresek_meres_id_seq', :m0 + 3 * :samples);
insert into meres_nev (meres_id, nev_kod)
select :m0 + 3 * (g - 1) + k, :per0 + 1 + (g + k) % :nper from generate_series(1, :samples) g, generate_series(1, 3) k;

insert into samp_miner_mac (sample_id, jarulek_kod, ertek, pertek, meres_id)
select :s0 + g, 1 + (g + j * 17) % 130, (array['+++','++','+','+-'])[j], null, :m0 + 3 * (g - 1) + 1
from generate_series(1, :samples) g, generate_series(1, 2) j;
insert into samp_miner (sample_id, jarulek_kod, ertek, pertek, meres_id)
select :s0 + g, 1 + (g + j * 29) % 130, (array['+++','++','+','+-'])[j], round((80.0 / j - random() * 5)::numeric, 1), :m0 + 3 * (g - 1) + 2
from generate_series(1, :samples) g, generate_series(1, 2) j;
insert into samp_xrd (sample_id, jarulek_kod, ertek, pertek, meres_id)
select :s0 + g, 1 + (g + j * 41) % 130, (array['+++','++','+','+-'])[j], round((70.0 / j)::numeric, 1), :m0 + 3 * (g - 1) + 3
from generate_series(1, :samples) g, generate_series(1, 2) j;

-- a chemical analysis (the major oxides) for every sample
insert into alk_met (alkmet_id, sample_id, met_id, labor_kod, external_id, date)
select :s0 + :samples + g, :s0 + g, (select min(metod_id) from metodt), :lab0 + 1 + g % :nlab, 'X' || g, date '2018-01-01' + g % 2000
from generate_series(1, :samples) g;
insert into alkmet_nev (alkmet_id, nev_kod) select :s0 + :samples + g, :per0 + 1 + g % :nper from generate_series(1, :samples) g;
insert into met_elem (alkmet_id, elem_kod, sample_id, ertek)
select :s0 + :samples + g, e.elem_kod, :s0 + g, round((random() * 60)::numeric, 2)
from generate_series(1, :samples) g,
     (select elem_kod from elemt where oxidos = 'O' order by elem_kod limit 11) e;

-- isotopes for a third, the one-row sections for shares of the samples
select last_value as i0 from meresek_meres_id_seq \gset
insert into meresek (meres_id, id, tipus, met_id, labor_kod, datum, mit_mer, meres_nev)
select :i0 + g / 3, :s0 + g, 341, (select min(met_id) from meres_modszer where tipus = 341), :lab0 + 1, date '2020-01-01' + g % 900, 1, ''
from generate_series(3, :samples, 3) g;
select setval('meresek_meres_id_seq', :i0 + :samples / 3 + 1);
insert into samp_isotop (sampl_id, is_kod, value, pm, meres_id)
select :s0 + g, i.is_kod, round((random() * 6 - 3)::numeric, 2), 0.05, :i0 + g / 3
from generate_series(3, :samples, 3) g, (select is_kod from isotopt where is_nev in ('~d~13C', '~d~18O')) i;
insert into phisical_prop (sample_id, density, comp_stren, bending, abrasion, water_abs, modofel)
select :s0 + g, 2.3 + random(), 40 + random() * 200, 5 + random() * 25, 5 + random() * 35, random() * 8, 150000 + random() * 600000
from generate_series(1, :samples, 3) g;
insert into esrt (sample_id, gain, h, dolom, tot6, spli, integr, spread, w, stdinten, stdinteg, stdw, stdspli, stdsprea,
                  intens, integr2, spli2, w2, spread2, odour, colour2, stdcol)
select :s0 + g, random(), random(), random(), random(), random(), random(), random(), random(), random(), random(), random(),
       random(), random(), random(), random(), random(), random(), random(), random(), random(), random()
from generate_series(1, :samples, 5) g;
insert into faqta (sample_id, n100, mgs100, mga100, n99, mgs99, mga99, mmgs100, mmga100, mmgs99, mmga99, smgs100, smga100,
                   smgs99, smga99, mgs1mgs9, mga1mga9, aga, roa, dbox, sdbox, coefbox)
select :s0 + g, g % 500, random() * 900, random() * 900, g % 450, random() * 800, random() * 800, random(), random(), random(),
       random(), random(), random(), random(), random(), random(), random(), random(), random(), random(), random(), random()
from generate_series(2, :samples, 5) g;
insert into samp_konz (sample_id, konz_id) select :s0 + g, 1 + g % 20 from generate_series(1, :samples) g where g % 10 between 6 and 8;
insert into mint_lit (sample_id, lit_id, type, meres_id)
select :s0 + g, :lit0 + 1 + g % :nlit, (array[0,1,2,3,9,10])[1 + g % 6], null from generate_series(1, :samples) g;
insert into mint_lit (sample_id, lit_id, type, meres_id)
select :s0 + g, :lit0 + 1 + (g * 7) % :nlit, 5, :m0 + 3 * (g - 1) + 2 from generate_series(1, :samples, 4) g;
insert into macroscop_desc (sample_id, surface, bulk, color_id, munsell_id, ori_id, por_id)
select :s0 + g, 'Smooth', 'Homogeneous', 1 + g % 30, 0, 1 + g % 7, 0 from generate_series(1, :samples, 10) g;
insert into sample_macr_komp (sample_id, component, color_id, munsell_id, size, freq_id, description)
select :s0 + g, 'Component 1', 0, 1 + g % 90, 0.5, 1 + g % 7, 'Rounded' from generate_series(1, :samples, 10) g;

commit;
analyze;
select (select count(*) from samplet) as samples,
       (select sum(n) from (select count(*) n from meresek union all select count(*) from met_elem union all select count(*) from samp_miner
        union all select count(*) from samp_miner_mac union all select count(*) from samp_xrd union all select count(*) from meres_nev
        union all select count(*) from mint_lit union all select count(*) from samp_isotop union all select count(*) from alk_met
        union all select count(*) from alkmet_nev union all select count(*) from samplet) x) as rows_in_main_tables;
