-- Views the windows read like tables.

-- Relation name of the search's "children too" condition. Empty here: upwar_list()
-- fills a temporary table of the same name, which the session then reads instead.
create view up_loc as select null::integer as locality_id where false;

create view szemelytorzs as
select sz.nev_kod, sz.nem, sz.fokozat,
       szemely_ossznev(null, sz.lastname, sz.firstname, sz.middle) as ossznev,
       sz.lastname, sz.firstname, sz.middle, v.varos_nev, sz.munkakor,
       o.orszag_nev, sz.iranyitosz, sz.utca_hazsz
from szemelyt sz
left join varost v on v.varos_kod = sz.varos_kod
left join orszagt o on o.orszag_kod = sz.orszag_kod;

create view labortorzs as
select l.labor_kod, l.labor_nev, o.orszag_nev, v.varos_nev, l.iranyitosz, l.utca_hazsz
from labort l
left join orszagt o on o.orszag_kod = l.orszag_kod
left join varost v on v.varos_kod = l.varos_kod;

create view localitytorzs as
select l.locality_id, l.loc_name, k.kont_name, o.orszag_nev, l.region, l.description,
       l.upward, l.cen_lat, l.cen_lon
from localityt l
left join kontinentt k on k.kont_kod = l.kont_kod
left join orszagt o on o.orszag_kod = l.orszag_kod;

create view arttorzs as
select a.art_id, a.art_name, l.labor_nev, o.orszag_nev, v.varos_nev, a.description,
       a.tip_mat, a.tip_age
from artefactt a
left join labort l on l.labor_kod = a.labor_id
left join orszagt o on o.orszag_kod = l.orszag_kod
left join varost v on v.varos_kod = l.varos_kod;

-- Mineral rows of the five techniques with the mineral's name and the date and
-- institute of their measurement.
create view minertorzs as
select s.sample_id, s.samp_miner_id, s.jarulek_kod, j.jarulek_nev, s.ertek, s.pertek, s.meres_id,
       m.datum as meres_datum, l.labor_nev
from samp_miner s
left join jarulekt j on j.jarulek_kod = s.jarulek_kod
left join meresek m on m.meres_id = s.meres_id
left join labort l on l.labor_kod = m.labor_kod;

create view minertorzs_mac as
select s.sample_id, s.samp_miner_id, s.jarulek_kod, j.jarulek_nev, s.ertek, s.pertek, s.meres_id,
       m.datum as meres_datum, l.labor_nev
from samp_miner_mac s
left join jarulekt j on j.jarulek_kod = s.jarulek_kod
left join meresek m on m.meres_id = s.meres_id
left join labort l on l.labor_kod = m.labor_kod;

create view minertorzs_cl as
select s.sample_id, s.samp_cl_id, s.jarulek_kod, j.jarulek_nev, s.ertek, s.pertek, s.meres_id,
       m.datum as meres_datum, l.labor_nev
from samp_cl s
left join jarulekt j on j.jarulek_kod = s.jarulek_kod
left join meresek m on m.meres_id = s.meres_id
left join labort l on l.labor_kod = m.labor_kod;

create view minertorzs_xrd as
select s.sample_id, s.samp_xrd_id, s.jarulek_kod, j.jarulek_nev, s.ertek, s.pertek, s.meres_id,
       m.datum as meres_datum, l.labor_nev
from samp_xrd s
left join jarulekt j on j.jarulek_kod = s.jarulek_kod
left join meresek m on m.meres_id = s.meres_id
left join labort l on l.labor_kod = m.labor_kod;

create view minertorzs_ir as
select s.sample_id, s.samp_ir_id, s.jarulek_kod, j.jarulek_nev, s.ertek, s.pertek, s.meres_id,
       m.datum as meres_datum, l.labor_nev
from samp_ir s
left join jarulekt j on j.jarulek_kod = s.jarulek_kod
left join meresek m on m.meres_id = s.meres_id
left join labort l on l.labor_kod = m.labor_kod;

create view mintlittorzs as
select ml.mintl_id, ml.sample_id, ml.lit_id, l.title, ml.type, l.mnemonic, ml.meres_id, l.fajta
from mint_lit ml
join litt l on l.lit_id = ml.lit_id;

create view alk_mettorzs as
select a.alkmet_id, a.sample_id, a.met_id, m.metod_name, a.labor_kod, l.labor_nev,
       a.external_id, a.date
from alk_met a
left join metodt m on m.metod_id = a.met_id
left join labort l on l.labor_kod = a.labor_kod;

-- One row per sample with the names of its colour, boundary, fabric, fabric type,
-- RAL and Munsell colour.
create view colfabtorzs as
select s.sample_id, s.color_id, c.color_name, s.mgs, s.bound_id, b.bound_name,
       s.fabric_id, f.fabric_name, s.fabtype_id, ft.fabtype_name,
       s.ral_id, r.color, r.abl, r.part, s.munsell_id, mu.munsell_kod
from samplet s
left join colort c on c.color_id = s.color_id
left join boundt b on b.bound_id = s.bound_id
left join fabrict f on f.fabric_id = s.fabric_id
left join fabtypet ft on ft.fabtype_id = s.fabtype_id
left join ralt r on r.ral_id = s.ral_id
left join munsellt mu on mu.munsell_id = s.munsell_id;
