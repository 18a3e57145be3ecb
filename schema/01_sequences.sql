-- Sequences whose current value the program reads after an insert with
-- "commit; select currval('<name>') as ...". gen_id is shared by the login audit,
-- localities, artefacts, samples and chemical analyses, so their keys are unique
-- across those tables. geo_un_geo_id_seq and meresek_meres_id_seq are the serial
-- sequences of geo_un and meresek (created with those tables).
create sequence gen_id;
create sequence esr_gen_id;
create sequence fa_gen_id;
create sequence samp_komp;
create sequence samp_komp_micr;
