-- The international chronostratigraphic chart (International Commission on
-- Stratigraphy): eons, eras, periods (with the two Carboniferous sub-periods) and
-- epochs. sorrend orders the children of one parent from the oldest to the youngest.
begin;
create temporary table ics (nev text primary key, papa text, sorrend integer) on commit drop;
insert into ics values
  ('Hadean', null, 1),
  ('Archean', null, 2),
  ('Proterozoic', null, 3),
  ('Phanerozoic', null, 4),
  ('Eoarchean', 'Archean', 1),
  ('Paleoarchean', 'Archean', 2),
  ('Mesoarchean', 'Archean', 3),
  ('Neoarchean', 'Archean', 4),
  ('Paleoproterozoic', 'Proterozoic', 1),
  ('Mesoproterozoic', 'Proterozoic', 2),
  ('Neoproterozoic', 'Proterozoic', 3),
  ('Paleozoic', 'Phanerozoic', 1),
  ('Mesozoic', 'Phanerozoic', 2),
  ('Cenozoic', 'Phanerozoic', 3),
  ('Siderian', 'Paleoproterozoic', 1),
  ('Rhyacian', 'Paleoproterozoic', 2),
  ('Orosirian', 'Paleoproterozoic', 3),
  ('Statherian', 'Paleoproterozoic', 4),
  ('Calymmian', 'Mesoproterozoic', 1),
  ('Ectasian', 'Mesoproterozoic', 2),
  ('Stenian', 'Mesoproterozoic', 3),
  ('Tonian', 'Neoproterozoic', 1),
  ('Cryogenian', 'Neoproterozoic', 2),
  ('Ediacaran', 'Neoproterozoic', 3),
  ('Cambrian', 'Paleozoic', 1),
  ('Ordovician', 'Paleozoic', 2),
  ('Silurian', 'Paleozoic', 3),
  ('Devonian', 'Paleozoic', 4),
  ('Carboniferous', 'Paleozoic', 5),
  ('Permian', 'Paleozoic', 6),
  ('Triassic', 'Mesozoic', 1),
  ('Jurassic', 'Mesozoic', 2),
  ('Cretaceous', 'Mesozoic', 3),
  ('Paleogene', 'Cenozoic', 1),
  ('Neogene', 'Cenozoic', 2),
  ('Quaternary', 'Cenozoic', 3),
  ('Terreneuvian', 'Cambrian', 1),
  ('Cambrian Series 2', 'Cambrian', 2),
  ('Miaolingian', 'Cambrian', 3),
  ('Furongian', 'Cambrian', 4),
  ('Lower Ordovician', 'Ordovician', 1),
  ('Middle Ordovician', 'Ordovician', 2),
  ('Upper Ordovician', 'Ordovician', 3),
  ('Llandovery', 'Silurian', 1),
  ('Wenlock', 'Silurian', 2),
  ('Ludlow', 'Silurian', 3),
  ('Pridoli', 'Silurian', 4),
  ('Lower Devonian', 'Devonian', 1),
  ('Middle Devonian', 'Devonian', 2),
  ('Upper Devonian', 'Devonian', 3),
  ('Mississippian', 'Carboniferous', 1),
  ('Pennsylvanian', 'Carboniferous', 2),
  ('Lower Mississippian', 'Mississippian', 1),
  ('Middle Mississippian', 'Mississippian', 2),
  ('Upper Mississippian', 'Mississippian', 3),
  ('Lower Pennsylvanian', 'Pennsylvanian', 1),
  ('Middle Pennsylvanian', 'Pennsylvanian', 2),
  ('Upper Pennsylvanian', 'Pennsylvanian', 3),
  ('Cisuralian', 'Permian', 1),
  ('Guadalupian', 'Permian', 2),
  ('Lopingian', 'Permian', 3),
  ('Lower Triassic', 'Triassic', 1),
  ('Middle Triassic', 'Triassic', 2),
  ('Upper Triassic', 'Triassic', 3),
  ('Lower Jurassic', 'Jurassic', 1),
  ('Middle Jurassic', 'Jurassic', 2),
  ('Upper Jurassic', 'Jurassic', 3),
  ('Lower Cretaceous', 'Cretaceous', 1),
  ('Upper Cretaceous', 'Cretaceous', 2),
  ('Paleocene', 'Paleogene', 1),
  ('Eocene', 'Paleogene', 2),
  ('Oligocene', 'Paleogene', 3),
  ('Miocene', 'Neogene', 1),
  ('Pliocene', 'Neogene', 2),
  ('Pleistocene', 'Quaternary', 1),
  ('Holocene', 'Quaternary', 2);
do $$
declare d integer := 0;
begin
  insert into korok (kor_nev, kor_papa, sorrend) select nev, null, sorrend from ics where papa is null order by sorrend;
  loop
    insert into korok (kor_nev, kor_papa, sorrend)
    select i.nev, k.kor_id, i.sorrend from ics i join korok k on k.kor_nev = i.papa
    where not exists (select 1 from korok x where x.kor_nev = i.nev)
    order by i.papa, i.sorrend;
    exit when not found;
  end loop;
end
$$;
commit;

-- Metamorphic grades and facies (Eskola's facies with the later additions, and the
-- grades of the low-grade scheme: diagenesis, anchizone, epizone).
insert into mgrade (mgrade_nev) values
  ('Unmetamorphosed'),
  ('Diagenetic zone'),
  ('Anchizone (very low grade)'),
  ('Epizone (low grade)'),
  ('Low grade'),
  ('Medium grade'),
  ('High grade'),
  ('Zeolite facies'),
  ('Prehnite-pumpellyite facies'),
  ('Greenschist facies'),
  ('Epidote-amphibolite facies'),
  ('Amphibolite facies'),
  ('Granulite facies'),
  ('Blueschist facies'),
  ('Eclogite facies'),
  ('Albite-epidote hornfels facies'),
  ('Hornblende hornfels facies'),
  ('Pyroxene hornfels facies'),
  ('Sanidinite facies'),
  ('Ultrahigh-pressure');
