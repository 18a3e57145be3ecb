#!/usr/bin/env python3
"""Writes schema/demo/10_demo.sql, the demo collection: a few hundred samples of all
three types at real localities, with every kind of section filled in somewhere.

Run from anywhere: python3 schema/demo/generate.py   (needs ImageMagick's convert for
the small photos). The output is deterministic for a given script."""
import os, random, subprocess, tempfile

here = os.path.dirname(os.path.abspath(__file__))
rnd = random.Random(20240531)
B = '\u02d8'
out = []
def w(s=''): out.append(s)
def q(s):
    return 'null' if s is None else "'" + str(s).replace("'", "''") + "'"
def num(x):
    return 'null' if x is None else repr(round(x, 4)) if isinstance(x, float) else str(x)
def ref(table, key, col, val):
    return f"(select {key} from {table} where {col}={q(val)})"

w("-- The demo collection, written by schema/demo/generate.py (do not edit by hand).")
w("-- People, analysts and publications are invented; places, institutions, minerals and")
w("-- methods are real. Keys are given explicitly and the sequences are moved past them.")
w("begin;")

# --- people ------------------------------------------------------------------------
people = [
 ("Dr.", "Kovács", "Anna", "", "Ms.", "Hungary", "Budapest", "1088", "Múzeum krt. 14-16", "curator, archaeometry"),
 ("Prof.", "Szabó", "Béla", "J.", "Mr.", "Hungary", "Budapest", "1117", "Pázmány Péter sétány 1/C", "petrologist"),
 ("Dr.", "Tóth", "Katalin", "", "Mrs.", "Hungary", "Veszprém", "8200", "Erzsébet sétány 1", "archaeologist"),
 ("", "Horváth", "Gábor", "", "Mr.", "Hungary", "Szeged", "6722", "Egyetem u. 2", "mineralogist"),
 ("Dr.", "Varga", "Eszter", "M.", "Ms.", "Hungary", "Debrecen", "4026", "Déri tér 1", "curator"),
 ("", "Kiss", "Dániel", "", "Mr.", "Hungary", "Budapest", "1121", "Konkoly-Thege Miklós út 29-33", "physicist, neutron analysis"),
 ("Dr.", "Molnár", "Zsófia", "", "Ms.", "Hungary", "Budapest", "1083", "Ludovika tér 2-6", "geologist"),
 ("", "Németh", "Péter", "A.", "Mr.", "Hungary", "Pécs", "7624", "Ifjúság útja 6", "field technician"),
 ("Dr.", "Farkas", "Júlia", "", "Ms.", "Hungary", "Miskolc", "3515", "Egyetemváros", "geochemist"),
 ("Prof.", "Huber", "Wolfgang", "", "Mr.", "Austria", "Vienna", "1010", "Burgring 7", "mineralogist"),
 ("Dr.", "Smith", "Helen", "R.", "Ms.", "United Kingdom", "London", "WC1B 3DG", "Great Russell Street", "conservation scientist"),
 ("", "Novák", "Jan", "", "Mr.", "Czechia", "Prague", "11000", "Václavské náměstí 68", "archaeologist"),
 ("Dr.", "Rossi", "Giulia", "", "Ms.", "Italy", "Florence", "50121", "Via La Pira 4", "petrographer"),
 ("", "Papadopoulos", "Nikos", "", "Mr.", "Greece", "Athens", "10682", "Patission 44", "archaeologist"),
 ("Dr.", "Balogh", "Tamás", "", "Mr.", "Hungary", "Tata", "2890", "Öreg-tó", "field geologist"),
 ("", "Lakatos", "Réka", "", "Ms.", "Hungary", "Eger", "3300", "Eszterházy tér 1", "student"),
 ("Dr.", "Weber", "Markus", "", "Mr.", "Germany", "Mainz", "55116", "Ernst-Ludwig-Platz 2", "archaeometrist"),
 ("", "Fekete", "Ilona", "", "Mrs.", "Hungary", "Sopron", "9400", "Bajcsy-Zsilinszky u. 4", "laboratory technician"),
]
w("insert into szemelyt (nev_kod,nem,fokozat,firstname,lastname,middle,orszag_kod,iranyitosz,varos_kod,utca_hazsz,osszefogl,munkakor,letre_user,letre_dat) values")
rows = []
for i, (tit, ln, fn, mi, nem, co, ci, zp, st, job) in enumerate(people, 1):
    rows.append(f"({i},{q(nem)},{q(tit)},{q(fn)},{q(ln)},{q(mi)},{ref('orszagt','orszag_kod','orszag_nev',co)},{q(zp)},"
                f"{ref('varost','varos_kod','varos_nev',ci)},{q(st)},{q('Demo person.')},{q(job)},{1 + i % 3},'2023-0{1 + i % 9}-1{i % 9} 10:00:00')")
w(",\n".join(rows) + ";")
w("insert into elerheto (nev_kod,eler_megnev,eler) values")
w(",\n".join(f"({i},'Email(Work)',{q(p[2].lower().replace('á','a').replace('é','e').replace('ó','o').replace('ö','o').replace('ú','u').replace('í','i') + '.' + p[1].lower().replace('á','a').replace('ó','o').replace('é','e').replace('ö','o').replace('ő','o').replace('ü','u') + '@example.org')})" for i, p in enumerate(people, 1)) + ",")
w(",\n".join(f"({i},'Phone(Work)','+36 1 555 {1000 + i * 37}')" for i in range(1, len(people) + 1, 2)) + ";")

# --- institutions (real, with their public addresses) ---------------------------
labs = [
 ("Hungarian National Museum", "Hungary", "Budapest", "1088", "Múzeum krt. 14-16", [1]),
 ("Hungarian Natural History Museum", "Hungary", "Budapest", "1083", "Ludovika tér 2-6", [7]),
 ("Eötvös Loránd University, Department of Petrology and Geochemistry", "Hungary", "Budapest", "1117", "Pázmány Péter sétány 1/C", [2]),
 ("Laczkó Dezső Museum", "Hungary", "Veszprém", "8200", "Erzsébet sétány 1", [3]),
 ("Déri Museum", "Hungary", "Debrecen", "4026", "Déri tér 1", [5]),
 ("University of Szeged, Department of Mineralogy, Geochemistry and Petrology", "Hungary", "Szeged", "6722", "Egyetem u. 2", [4]),
 ("Centre for Energy Research, Budapest Neutron Centre", "Hungary", "Budapest", "1121", "Konkoly-Thege Miklós út 29-33", [6]),
 ("Institute for Geological and Geochemical Research", "Hungary", "Budapest", "1112", "Budaörsi út 45", [9]),
 ("Natural History Museum Vienna", "Austria", "Vienna", "1010", "Burgring 7", [10]),
 ("British Museum", "United Kingdom", "London", "WC1B 3DG", "Great Russell Street", [11]),
 ("National Museum in Prague", "Czechia", "Prague", "11000", "Václavské náměstí 68", [12]),
 ("University of Mainz, Institute of Geosciences", "Germany", "Mainz", "55128", "Johann-Joachim-Becher-Weg 21", [17]),
]
w("insert into labort (labor_kod,labor_nev,orszag_kod,varos_kod,iranyitosz,utca_hazsz,letre_user,letre_dat) values")
w(",\n".join(f"({i},{q(n)},{ref('orszagt','orszag_kod','orszag_nev',co)},{ref('varost','varos_kod','varos_nev',ci)},{q(zp)},{q(st)},1,'2023-01-05 09:00:00')"
             for i, (n, co, ci, zp, st, _) in enumerate(labs, 1)) + ";")
w("insert into illetekes (labor_kod,nev_kod) values")
w(",\n".join(f"({i},{p})" for i, l in enumerate(labs, 1) for p in l[5]) + ";")

# --- localities: real places, nested, centroids and boxes in WGS84 ---------------
# (name, parent, country, continent, region, lat, lon, description, alternative names)
locs = [
 ("Transdanubian Range", None, "Hungary", "Europe", "Transdanubian Range", 47.2, 17.9, "Mountain range of western Hungary.", []),
 ("Bakony Mountains", "Transdanubian Range", "Hungary", "Europe", "Transdanubian Range, Bakony Unit", 47.25, 17.75, "Mesozoic carbonate and radiolarite sequences.", ["Bakony"]),
 ("Szentgál", "Bakony Mountains", "Hungary", "Europe", "Bakony Unit, Jurassic radiolarite", 47.11, 17.73, "Prehistoric radiolarite quarrying area.", []),
 ("Tűzköves-hegy", "Szentgál", "Hungary", "Europe", "Bakony Unit, Jurassic radiolarite", 47.118, 17.715, "Neolithic radiolarite mine.", ["Tuzkoveshegy"]),
 ("Sümeg, Mogyorós-domb", "Bakony Mountains", "Hungary", "Europe", "Bakony Unit, Cretaceous chert", 46.97, 17.29, "Prehistoric chert mine.", []),
 ("Balaton Uplands", "Transdanubian Range", "Hungary", "Europe", "Balaton Uplands volcanic field", 46.9, 17.6, "Pliocene basalt volcanoes.", []),
 ("Badacsony", "Balaton Uplands", "Hungary", "Europe", "Balaton Uplands volcanic field, basalt", 46.8, 17.49, "Basalt butte, columnar jointing.", []),
 ("Gerecse Hills", "Transdanubian Range", "Hungary", "Europe", "Gerecse, Jurassic limestones", 47.65, 18.5, "Red nodular limestone quarries.", ["Gerecse"]),
 ("Tardos, Bánya-hegy", "Gerecse Hills", "Hungary", "Europe", "Gerecse, Jurassic red limestone", 47.665, 18.44, "Quarry of 'red marble' (Ammonitico Rosso).", []),
 ("Tata, Kálvária-domb", "Gerecse Hills", "Hungary", "Europe", "Gerecse, Mesozoic section", 47.646, 18.32, "Geological open-air museum.", []),
 ("Villány Mountains", None, "Hungary", "Europe", "Villány Unit", 45.87, 18.4, "Mesozoic limestones and bauxite.", []),
 ("Mecsek Mountains", None, "Hungary", "Europe", "Mecsek Unit", 46.15, 18.2, "Jurassic coal, Cretaceous volcanics.", ["Mecsek"]),
 ("Tokaj Mountains", None, "Hungary", "Europe", "Tokaj, Miocene volcanics", 48.25, 21.4, "Miocene calc-alkaline volcanic range; obsidian and limnoquartzite sources.", ["Zemplén Mountains"]),
 ("Erdőbénye", "Tokaj Mountains", "Hungary", "Europe", "Tokaj, rhyolite", 48.27, 21.36, "Obsidian and perlite.", []),
 ("Tolcsva", "Tokaj Mountains", "Hungary", "Europe", "Tokaj, rhyolite", 48.28, 21.45, "Obsidian outcrops (Carpathian 2 source).", []),
 ("Mátra Mountains", None, "Hungary", "Europe", "Mátra, Miocene andesite", 47.87, 19.95, "Andesite stratovolcano remnant.", ["Matra"]),
 ("Zemplín, Viničky", None, "Slovakia", "Europe", "Zemplín Hills, rhyolite", 48.41, 21.72, "Carpathian 1 obsidian source.", []),
 ("Lipari", None, "Italy", "Europe", "Aeolian volcanic arc", 38.48, 14.95, "Holocene rhyolite obsidian flows.", []),
 ("Monte Arci", None, "Italy", "Europe", "Sardinian Oligo-Miocene volcanics", 39.78, 8.74, "Obsidian sources SA, SB, SC.", []),
 ("Carrara", None, "Italy", "Europe", "Apuan Alps metamorphic complex", 44.08, 10.1, "Marble quarries since Roman times.", ["Luni"]),
 ("Monviso massif", None, "Italy", "Europe", "Western Alps, Monviso ophiolite", 44.67, 7.09, "Neolithic jadeitite sources.", ["Mont Viso"]),
 ("Melos", None, "Greece", "Europe", "South Aegean volcanic arc", 36.7, 24.43, "Obsidian of Sta Nychia and Demenegaki.", ["Milos"]),
 ("Paros", None, "Greece", "Europe", "Cyclades metamorphic complex", 37.08, 25.15, "Lychnites marble.", []),
 ("Mount Pentelikon", None, "Greece", "Europe", "Attic-Cycladic complex", 38.08, 23.9, "Pentelic marble quarries.", ["Pentelicus"]),
 ("Krzemionki", None, "Poland", "Europe", "Holy Cross Mountains, Upper Jurassic", 50.97, 21.5, "Neolithic banded flint mines.", []),
 ("Spiennes", None, "Belgium", "Europe", "Mons Basin, Upper Cretaceous chalk", 50.43, 3.98, "Neolithic flint mines.", []),
 ("Grand-Pressigny", None, "France", "Europe", "Paris Basin, Turonian", 46.92, 0.8, "Honey-coloured flint, long blades.", []),
 ("Preseli Hills", None, "United Kingdom", "Europe", "Fishguard Volcanic Group", 51.96, -4.72, "Spotted dolerite of the Stonehenge bluestones.", ["Mynydd Preseli"]),
 ("Solnhofen", None, "Germany", "Europe", "Southern Franconian Jura", 48.9, 11.0, "Lithographic limestone.", []),
 ("Aswan", None, "Egypt", "Africa", "Nubian Shield, Aswan granite", 24.09, 32.9, "Ancient granite quarries.", []),
 ("Gebel el-Silsila", None, "Egypt", "Africa", "Nubian Sandstone", 24.64, 32.93, "Sandstone quarries of the New Kingdom temples.", []),
 ("Prokonnesos", None, "Turkey", "Asia", "Marmara Island", 40.6, 27.6, "Proconnesian marble.", ["Marmara Island"]),
 ("Göllü Dağ", None, "Turkey", "Asia", "Cappadocian volcanic province", 38.25, 34.56, "Central Anatolian obsidian source.", []),
]
names = {l[0]: 300001 + i for i, l in enumerate(locs)}
w("insert into localityt (locality_id,loc_name,region,orszag_kod,kont_kod,date_added,description,cen_lat,cen_lon,min_lat,min_lon,max_lat,max_lon,upward,geodat,letre_user,letre_dat) values")
rows = []
for i, (n, up, co, ko, reg, la, lo, de, alt) in enumerate(locs):
    d = 0.02 if up else 0.25
    rows.append(f"({names[n]},{q(n)},{q(reg)},{ref('orszagt','orszag_kod','orszag_nev',co)},{ref('kontinentt','kont_kod','kont_name',ko)},"
                f"'2023-02-{1 + i % 27:02d}',{q(de)},{la},{lo},{round(la - d, 3)},{round(lo - d, 3)},{round(la + d, 3)},{round(lo + d, 3)},"
                f"{names[up] if up else 'null'},'WGS84',{1 + i % 3},'2023-02-{1 + i % 27:02d} 12:00:00')")
w(",\n".join(rows) + ";")
w("insert into loc_nev (loc_name,locality_id) values")
w(",\n".join(f"({q(a)},{names[l[0]]})" for l in locs for a in l[8]) + ";")
geo_locs = [l[0] for l in locs if l[3] == "Hungary" or l[2] in ("Hungary",)] or [l[0] for l in locs]
all_locs = [l[0] for l in locs]

# --- geological units ----------------------------------------------------------------
units = [
 (1, "Transdanubian Range Unit", None, "Upper Triassic", "Unmetamorphosed", "Mesozoic carbonate platform."),
 (2, "Bakony Unit", 1, "Lower Jurassic", "Unmetamorphosed", "Jurassic pelagic sequence with radiolarite."),
 (3, "Gerecse Unit", 1, "Lower Jurassic", "Unmetamorphosed", "Red nodular limestone."),
 (4, "Tokaj Volcanic Unit", None, "Miocene", "Unmetamorphosed", "Calc-alkaline rhyolite, dacite, andesite."),
 (5, "Balaton Uplands Basalt", None, "Pliocene", "Unmetamorphosed", "Alkaline basalt volcanic field."),
 (6, "Apuan Alps Metamorphic Complex", None, "Lower Jurassic", "Greenschist facies", "Marble and phyllite."),
 (7, "Monviso Ophiolite", None, "Upper Jurassic", "Eclogite facies", "Meta-ophiolite with jadeitite."),
 (8, "Cyclades Marble Unit", None, "Triassic", "Amphibolite facies", "Calcite and dolomite marbles."),
]
w("insert into geo_un (geo_id,geo_nev,geo_papa,age_of_pr,met_grade,description,letre_user,letre_datum) values")
w(",\n".join(f"({g},{q(n)},{p if p else 'null'},{ref('korok','kor_id','kor_nev',a)},{ref('mgrade','mgrade_id','mgrade_nev',m)},{q(d)},1,'2023-03-01 08:00:00')" for g, n, p, a, m, d in units) + ";")
w("insert into geoun_kor (geo_id,kor_id) values")
w(f"(6,{ref('korok','kor_id','kor_nev','Oligocene')}),(6,{ref('korok','kor_id','kor_nev','Miocene')}),(7,{ref('korok','kor_id','kor_nev','Eocene')}),(8,{ref('korok','kor_id','kor_nev','Eocene')}),(8,{ref('korok','kor_id','kor_nev','Miocene')});")
unit_for = {"Bakony Mountains": 2, "Szentgál": 2, "Tűzköves-hegy": 2, "Sümeg, Mogyorós-domb": 2, "Gerecse Hills": 3, "Tardos, Bánya-hegy": 3,
            "Tata, Kálvária-domb": 3, "Tokaj Mountains": 4, "Erdőbénye": 4, "Tolcsva": 4, "Badacsony": 5, "Balaton Uplands": 5,
            "Carrara": 6, "Monviso massif": 7, "Paros": 8}

# --- artefacts ---------------------------------------------------------------------
kinds = [("Polished stone axe", "greenstone", "Neolithic"), ("Flint blade", "flint", "Neolithic"), ("Obsidian core", "obsidian", "Neolithic"),
         ("Radiolarite scraper", "radiolarite", "Neolithic"), ("Grinding stone", "sandstone", "Bronze Age"), ("Marble statue fragment", "marble", "Roman"),
         ("Basalt millstone", "basalt", "Roman"), ("Jadeite axe blade", "jadeitite", "Neolithic"), ("Limestone altar", "limestone", "Roman"),
         ("Andesite whetstone", "andesite", "Iron Age"), ("Shaft-hole axe", "serpentinite", "Copper Age"), ("Granite column drum", "granite", "Roman")]
arts = []
for i in range(40):
    k = kinds[i % len(kinds)]
    lab = 1 + (i * 5) % len(labs)
    arts.append((400001 + i, f"{k[0]} (inv. {2000 + i * 7}.{1 + i % 5}.{i})", lab, k))
w("insert into artefactt (art_id,art_name,labor_id,width,length,depth,weight,tip_mat,tip_age,dateadd,description,letre_user,letre_dat) values")
w(",\n".join(f"({a},{q(n)},{lab},{num(round(rnd.uniform(2, 30), 1))},{num(round(rnd.uniform(4, 60), 1))},{num(round(rnd.uniform(0.5, 15), 1))},"
             f"{num(round(rnd.uniform(20, 4000), 0))},{q(k[1])},{q(k[2])},'2023-04-{1 + j % 28:02d}',{q('Demo artefact of ' + k[1] + '.')},{1 + j % 3},'2023-04-{1 + j % 28:02d} 14:00:00')"
             for j, (a, n, lab, k) in enumerate(arts)) + ";")
w("insert into art_nev (art_name,art_id) values")
w(",\n".join(f"({q('Find no. ' + str(100 + j))},{a})" for j, (a, *_r) in enumerate(arts) if j % 3 == 0) + ";")

# --- literature of all four kinds ---------------------------------------------------
lits = []
lid = 500001
books = []
for t in ["Stone raw materials of the Carpathian Basin", "A field guide to the Transdanubian Range", "Petrography of archaeological lithics"]:
    lits.append(f"({lid},1,{q(t)},{q('Szabó, B.; Molnár, Zs.')},{q('')},{q('BOOK' + str(lid % 100))},{q('raw materials; petrography')},{q('Demo monograph.')},null,null,'','','','',{q('')},{q('Demo Press')},{q('Budapest')},{q(str(2005 + lid % 10))},'',{q('')},{q('')},1,'2023-05-01 10:00:00')")
    books.append(lid); lid += 1
arts_l = []
for i, t in enumerate(["Provenance of Neolithic radiolarite tools from the Bakony", "Obsidian sources of the Tokaj Mountains revisited",
                       "Stable isotopes of Mediterranean marbles", "ESR characterisation of white marbles", "Grain-size analysis of Roman millstones",
                       "Jadeitite axes in Central Europe", "Chemical fingerprinting of Carpathian obsidian"]):
    j = ['Archaeometry', 'Journal of Archaeological Science', 'Central European Geology', 'Periodico di Mineralogia'][i % 4]
    lits.append(f"({lid},2,{q(t)},{q('Kovács, A.; Horváth, G.')},'',{q('ART' + str(lid % 100))},{q('provenance')},{q('Demo article.')},{q(j)},"
                f"{ref('journalt','journal_id','journal_name',j)},{q(str(40 + i))},{q(str(1 + i % 4))},{q(str(100 + i * 13) + '-' + str(112 + i * 13))},{q(str(2010 + i))},'','','',null,'',{q('10.0000/demo.' + str(lid))},'',2,'2023-05-02 10:00:00')")
    arts_l.append(lid); lid += 1
chap = []
for i, t in enumerate(["Radiolarite mining at Szentgál", "Basalt of the Balaton Uplands"]):
    lits.append(f"({lid},4,{q(t)},{q('Tóth, K.')},{q('Szabó, B.')},{q('CH' + str(lid % 100))},'','',null,{books[i]},'','',{q(str(20 + i * 30) + '-' + str(45 + i * 30))},null,'','','',null,'','','',2,'2023-05-03 10:00:00')")
    chap.append(lid); lid += 1
other = []
for t in ["Excavation report, Tata 2019", "Laboratory report on obsidian pXRF measurements"]:
    lits.append(f"({lid},3,{q(t)},{q('Balogh, T.')},'',{q('REP' + str(lid % 100))},'','',null,null,'','',' ',null,'','','',null,{q('Unpublished report kept in the museum archive.')},'',{q('https://example.org/report/' + str(lid))},1,'2023-05-04 10:00:00')")
    other.append(lid); lid += 1
w("insert into litt (lit_id,fajta,title,authors,editors,mnemonic,keywords,abstract,journal,jb_id,volume,band,page,year,cim_k,publisher,placeofp,year_k,web,doi,url,letre_user,letre_dat) values")
w(",\n".join(lits) + ";")
all_lit = books + arts_l + chap + other

# --- photos ----------------------------------------------------------------------------
pics = []
with tempfile.TemporaryDirectory() as tmp:
    palettes = ["tan-gray", "gray-white", "firebrick-tan", "darkolivegreen-khaki", "black-gray", "sienna-wheat", "slategray-lightgray", "peru-burlywood"]
    for i, pal in enumerate(palettes):
        f = os.path.join(tmp, f"p{i}.jpg")
        subprocess.run(["convert", "-size", "240x180", "-seed", str(11 + i), f"plasma:{pal}", "-blur", "0x1.2",
                        "-quality", "75", "-strip", f], check=True)
        pics.append(open(f, "rb").read().hex())
w("create temporary table demo_pic (n integer primary key, kep bytea) on commit drop;")
w("insert into demo_pic values")
w(",\n".join(f"({i},'\\x{h}')" for i, h in enumerate(pics)) + ";")

# --- samples ------------------------------------------------------------------------------
E = {"XRF (X-ray fluorescence)": ["SiO˘2˘", "TiO˘2˘", "Al˘2˘O˘3˘", "Fe˘2˘O˘3˘", "MnO", "MgO", "CaO", "Na˘2˘O", "K˘2˘O", "P˘2˘O˘5˘", "LOI"],
     "LA-ICP-MS (laser ablation ICP-MS)": ["Rb", "Sr", "Y", "Zr", "Nb", "Ba", "La", "Ce", "Nd", "Th", "U"],
     "pXRF (portable XRF)": ["Fe", "Mn", "Rb", "Sr", "Zr", "Nb"],
     "INAA (instrumental neutron activation)": ["Sc", "Cr", "Co", "Cs", "La", "Sm", "Eu", "Hf", "Ta", "Th"]}
rock = {  # material: (minerals with weights, major oxide means)
 "radiolarite": (["Quartz", "Chalcedony", "Hematite", "Illite"], [93, .1, 2, 1.5, .05, .3, .5, .1, .5, .05, 1.8]),
 "limestone": (["Calcite", "Dolomite", "Quartz", "Illite"], [5, .05, 1, .6, .02, .8, 50, .1, .2, .05, 41]),
 "marble": (["Calcite", "Dolomite", "Muscovite", "Graphite"], [.5, .01, .2, .1, .01, 1, 54.5, .05, .05, .01, 43.4]),
 "basalt": (["Plagioclase", "Augite", "Olivine", "Magnetite"], [47, 2.2, 15.5, 11, .17, 8.5, 9.5, 3.2, 1.5, .6, .5]),
 "obsidian": (["Volcanic glass", "Plagioclase", "Biotite", "Magnetite"], [75.5, .1, 13, 1.1, .06, .2, .9, 3.9, 4.6, .02, .4]),
 "andesite": (["Plagioclase", "Hornblende", "Augite", "Magnetite"], [58, .8, 17, 7, .12, 3.5, 6.8, 3.5, 1.8, .2, 1]),
 "flint": (["Quartz", "Chalcedony", "Calcite", "Opal"], [96, .02, .5, .4, .01, .1, 1.5, .05, .1, .02, 1.3]),
 "granite": (["Quartz", "K-feldspar", "Plagioclase", "Biotite"], [72, .3, 14, 2, .05, .5, 1.5, 3.5, 4.5, .1, .5]),
 "sandstone": (["Quartz", "K-feldspar", "Muscovite", "Kaolinite"], [85, .3, 6, 2, .03, .5, 1, .5, 2, .05, 2]),
 "jadeitite": (["Jadeite", "Omphacite", "Albite", "Rutile"], [58, .2, 20, .8, .02, .7, 1.5, 13.5, .2, .05, .5]),
 "greenstone": (["Actinolite", "Chlorite", "Epidote", "Albite"], [50, 1, 15, 10, .2, 8, 10, 3, .3, .2, 2]),
 "serpentinite": (["Serpentine", "Magnetite", "Chlorite", "Talc"], [40, .02, 1, 7.5, .1, 38, .5, .05, .02, .01, 12.5]),
}
loc_mat = {"Tűzköves-hegy": "radiolarite", "Szentgál": "radiolarite", "Sümeg, Mogyorós-domb": "flint", "Badacsony": "basalt", "Tardos, Bánya-hegy": "limestone",
           "Tata, Kálvária-domb": "limestone", "Erdőbénye": "obsidian", "Tolcsva": "obsidian", "Mátra Mountains": "andesite", "Zemplín, Viničky": "obsidian",
           "Lipari": "obsidian", "Monte Arci": "obsidian", "Carrara": "marble", "Monviso massif": "jadeitite", "Melos": "obsidian", "Paros": "marble",
           "Mount Pentelikon": "marble", "Krzemionki": "flint", "Spiennes": "flint", "Grand-Pressigny": "flint", "Preseli Hills": "basalt",
           "Solnhofen": "limestone", "Aswan": "granite", "Gebel el-Silsila": "sandstone", "Prokonnesos": "marble", "Göllü Dağ": "obsidian",
           "Villány Mountains": "limestone", "Mecsek Mountains": "sandstone", "Gerecse Hills": "limestone", "Bakony Mountains": "limestone",
           "Tokaj Mountains": "obsidian", "Balaton Uplands": "basalt", "Transdanubian Range": "limestone"}
scale = ["+++", "++", "+", "+-"]
samples, meas, mins, iso_rows, alk, mel, pics_rows, links, extra = [], [], [], [], [], [], [], [], []
mid = 600001
alkid = 700001
n_geo, n_arch, n_oth = 170, 120, 30
for i in range(n_geo + n_arch + n_oth):
    sid = 100001 + i
    creator = [1, 3, 3, 1, 4][i % 5]
    if i < n_geo:
        typ = 1
        ln = rnd.choice([l for l in all_locs if l in loc_mat])
        mat = loc_mat[ln]
        name = f"GEO-{i + 1:04d} {mat} ({ln})"
        loc = str(names[ln]) if i % 41 else "0"      # a few geological samples with a cleared locality
        geo = unit_for.get(ln)
        art = None
        other_t = None
    elif i < n_geo + n_arch:
        typ = 2
        a = arts[(i - n_geo) % len(arts)]
        mat = a[3][1]
        name = f"ARCH-{i - n_geo + 1:04d} {a[3][0].lower()}"
        art = a[0]
        ln = rnd.choice(["Tata, Kálvária-domb", "Szentgál", "Sümeg, Mogyorós-domb", None])
        loc = str(names[ln]) if ln else "null"
        geo = None
        other_t = None
    else:
        typ = 3
        mat = rnd.choice(["sandstone", "granite", "limestone", "marble"])
        name = f"OTH-{i - n_geo - n_arch + 1:04d} {mat} reference"
        art, loc, geo = None, "null", None
        other_t = rnd.choice(["Museum comparison collection", "Building stone from a demolished house", "Commercial reference material"])
    minerals, oxide = rock[mat]
    color = rnd.choice(["Black", "Dark grey", "Light grey", "Red", "Reddish brown", "White", "Beige", "Greenish grey", "Brown", "Banded"])
    desc = f"{mat.capitalize()} sample, {rnd.choice(['fresh', 'weathered', 'patinated', 'fractured'])} surface; demo record."
    samples.append(f"({sid},{q(name)},{typ},{q(other_t)},{q(mat + ', ' + rnd.choice(['hand specimen', 'fragment', 'core', 'flake']))},{q(desc)},"
                   f"'{2015 + i % 9}-{1 + i % 12:02d}-{1 + i % 28:02d}',{loc},{geo if geo else 'null'},{art if art else 'null'},"
                   f"{1 + i % 18},{1 + i % 12},{1 + (i * 7) % 18},{1 + (i * 5) % 12},"
                   f"{ref('colort','color_id','color_name',color) if i % 3 else 'null'},{[7016, 1001, 3009, 9001, 7032][i % 5] if i % 4 == 0 else 'null'},"
                   f"{ref('munsellt','munsell_id','munsell_kod', rnd.choice(['N3', 'N7', '5YR 4/4', '10R 4/6', '5Y 8/1', '5GY 6/1'])) if i % 2 else 'null'},"
                   f"{ref('boundt','bound_id','bound_name', rnd.choice(['Sharp', 'Gradational', 'Irregular'])) if i % 3 == 0 else 'null'},"
                   f"{ref('fabrict','fabric_id','fabric_name', rnd.choice(['Massive', 'Laminated', 'Porphyritic', 'Granoblastic', 'Glassy', 'Microcrystalline'])) if i % 3 else 'null'},"
                   f"{ref('fabtypet','fabtype_id','fabtype_name', rnd.choice(['Isotropic', 'Grain-supported', 'Crystalline interlocking', 'Anisotropic, planar'])) if i % 4 else 'null'},"
                   f"{num(round(rnd.uniform(0.05, 8), 2)) if i % 2 == 0 else 'null'},"
                   + (f"{num(round(rnd.gauss(2.0, 0.8), 2))},{num(round(rnd.gauss(-3, 1.5), 2))},{num(round(rnd.uniform(85, 99.5), 1))},{num(round(rnd.uniform(0, 5), 2))}," if mat in ("marble", "limestone") else "null,null,null,null,")
                   + (f"{num(round(rnd.uniform(0.7045, 0.7125), 5))},0.00002," if i % 6 == 0 else "null,null,")
                   + f"{q('Consolidated with Paraloid B-72.' if typ == 2 and i % 2 else None)},{q('Dull red CL of calcite.' if mat in ('marble', 'limestone') else None)},"
                   f"{q('Rietveld refinement, corundum standard.' if i % 5 == 0 else None)},{q(None)},{q('Hand specimen described in 2023.' if i % 4 == 0 else None)},"
                   f"{q('Thin section ' + str(sid) + '.' if i % 3 == 0 else None)},{creator},'2023-06-{1 + i % 28:02d} {8 + i % 9:02d}:{i % 60:02d}:00')")
    # measurements: each sample gets some kinds
    kinds_here = [331, 332] + ([333] if i % 2 == 0 else []) + ([334] if i % 5 == 0 else []) + ([335] if mat in ("marble", "limestone") else []) \
        + ([341] if mat in ("marble", "limestone") or i % 7 == 0 else []) + ([342] if i % 6 == 0 else [])
    for k in kinds_here:
        mlab = rnd.choice([3, 6, 7, 8, 9])
        meth = {331: "Hand lens (10x)", 332: "Polarizing microscope, thin section", 333: "Powder XRD", 334: "ATR-FTIR",
                335: "Optical (cold-cathode) CL", 341: "Dual-inlet IRMS", 342: "TIMS"}[k]
        mm = rnd.choice([1, 1, 2, 4, 5])
        meas.append(f"({mid},{sid},{k},{ref('meres_modszer','met_id','met_nev',meth)},{mlab},'{2019 + i % 5}-{1 + (i + k) % 12:02d}-15',{mm},{q('Weathering rind' if mm == 5 else '')})")
        extra.append(f"insert into meres_nev (meres_id,nev_kod) values ({mid},{1 + (i + k) % 18});")
        if k in (331, 332, 333, 334, 335):
            table = {331: "samp_miner_mac", 332: "samp_miner", 333: "samp_xrd", 334: "samp_ir", 335: "samp_cl"}[k]
            for j, mn in enumerate(minerals[: 2 + (i + k) % 3]):
                pv = round(max(0.5, 80 / (j + 1) + rnd.uniform(-5, 5)), 1)
                mins.append(f"insert into {table} (sample_id,jarulek_kod,ertek,pertek,meres_id) values ({sid},{ref('jarulekt','jarulek_kod','jarulek_nev',mn)},{q(scale[min(j, 3)])},{num(pv) if k != 331 else 'null'},{mid});")
            if k in (332, 331) and i % 4 == 0:
                pics_rows.append(f"insert into kepekt (kep,sample_id,kepnev,szoveg,csoport,meres_id) select kep,{sid},{q(('Thin section' if k == 332 else 'Hand specimen') + ' ' + str(sid))},{q('Demo photo.')},{3 if k == 332 else 2},{mid} from demo_pic where n={(i + k) % len(pics)};")
            if i % 9 == 0:
                links.append(f"({sid},{rnd.choice(all_lit)},{ {331: 4, 332: 5, 333: 6, 334: 7, 335: 8}[k] },{mid})")
        else:
            if k == 341:
                for isn, v in (("~d~^13^C", rnd.gauss(2, 0.8)), ("~d~^18^O", rnd.gauss(-3, 1.5))):
                    iso_rows.append(f"insert into samp_isotop (sampl_id,is_kod,value,pm,meres_id) values ({sid},{ref('isotopt','is_kod','is_inev',isn)},{num(round(v, 2))},0.05,{mid});")
            else:
                iso_rows.append(f"insert into samp_isotop (sampl_id,is_kod,value,pm,meres_id) values ({sid},{ref('isotopt','is_kod','is_nev','87Sr/86Sr')},{num(round(rnd.uniform(0.7045, 0.7125), 5))},0.00002,{mid});")
                iso_rows.append(f"insert into samp_isotop (sampl_id,is_kod,value,pm,meres_id) values ({sid},{ref('isotopt','is_kod','is_nev','143Nd/144Nd')},{num(round(rnd.uniform(0.5121, 0.5130), 6))},0.000005,{mid});")
            if i % 12 == 0:
                links.append(f"({sid},{rnd.choice(arts_l)},{11 if k == 341 else 12},{mid})")
        mid += 1
    # chemical analyses
    for m in (["XRF (X-ray fluorescence)"] if i % 2 == 0 else []) + (["LA-ICP-MS (laser ablation ICP-MS)"] if i % 3 == 0 else []) \
            + (["pXRF (portable XRF)"] if typ == 2 and i % 2 else []) + (["INAA (instrumental neutron activation)"] if i % 10 == 0 else []):
        lab = {"XRF (X-ray fluorescence)": 8, "LA-ICP-MS (laser ablation ICP-MS)": 3, "pXRF (portable XRF)": 1, "INAA (instrumental neutron activation)": 7}[m]
        alk.append(f"({alkid},{sid},{ref('metodt','metod_id','metod_name',m)},{lab},{q('L' + str(alkid))},'{2020 + i % 4}-0{1 + i % 9}-10')")
        extra.append(f"insert into alkmet_nev (alkmet_id,nev_kod) values ({alkid},{1 + i % 18});")
        for j, el in enumerate(E[m]):
            if m.startswith("XRF"):
                v = round(max(0.01, oxide[j] * rnd.uniform(0.9, 1.1)), 2)
            else:
                v = round(rnd.lognormvariate(3, 1), 1)
            mel.append(f"({alkid},{ref('elemt','elem_kod','elem_inev',el.replace('˘', B))},{sid},{num(v) if (i + j) % 17 else 'null'})")
        alkid += 1
    # one row sections
    if i % 3 == 0:
        extra.append(f"insert into phisical_prop (sample_id,density,comp_stren,bending,abrasion,water_abs,modofel) values ({sid},{num(round(rnd.uniform(2.3, 3.1), 2))},{num(round(rnd.uniform(40, 250)))},{num(round(rnd.uniform(5, 30), 1))},{num(round(rnd.uniform(5, 40), 1))},{num(round(rnd.uniform(0.1, 8), 2))},{num(round(rnd.uniform(150000, 800000)))});")
    if mat in ("marble", "limestone", "flint") and i % 2 == 0:
        extra.append("insert into esrt (sample_id,gain,h,dolom,tot6,spli,integr,spread,w,stdinten,stdinteg,stdw,stdspli,stdsprea,intens,integr2,spli2,w2,spread2,odour,colour2,stdcol) values ("
                     + str(sid) + "," + ",".join(num(round(rnd.uniform(0.1, 10), 3)) for _ in range(21)) + ");")
    if mat in ("marble", "sandstone", "limestone") and i % 3 == 0:
        extra.append("insert into faqta (sample_id,n100,mgs100,mga100,n99,mgs99,mga99,mmgs100,mmga100,mmgs99,mmga99,smgs100,smga100,smgs99,smga99,mgs1mgs9,mga1mga9,aga,roa,dbox,sdbox,coefbox) values ("
                     + str(sid) + "," + ",".join(num(round(rnd.uniform(0.5, 900), 2)) for _ in range(21)) + ");")
    if typ == 2 and i % 2:
        extra.append(f"insert into samp_konz (sample_id,konz_id) values ({sid},{ref('konzt','konz_id','konz_nev',rnd.choice(['Paraloid B-72 (acrylic resin)', 'Ethyl silicate (TEOS) consolidant', 'Microcrystalline wax', 'Deionised water']))});")
    if i % 5 == 0:
        pics_rows.append(f"insert into kepekt (kep,sample_id,kepnev,szoveg,csoport,meres_id) select kep,{sid},{q('Overview ' + str(sid))},{q('Sample as received.')},1,null from demo_pic where n={i % len(pics)};")
    if i % 4 == 0:
        links.append(f"({sid},{rnd.choice(all_lit)},{rnd.choice([0, 1, 2, 3, 9, 10])},null)")
    if i % 8 == 0:
        extra.append(f"insert into macroscop_desc (sample_id,surface,bulk,color_id,munsell_id,ori_id,por_id) values ({sid},'Smooth, patinated','Fine-grained, homogeneous',{ref('colort','color_id','color_name',color)},0,{1 + i % 7},{1 + i % 5});")
        extra.append(f"insert into microscop_desc (sample_id,homogen,matrix_com,npcom,surface_desc,bulk_desc) values ({sid},'{'h' if i % 16 else 'i'}','Microcrystalline matrix','Rare quartz grains','Weathering rind 0.2 mm','No alteration');")
        extra.append(f"insert into sample_macr_komp (sample_id,component,color_id,munsell_id,size,freq_id,description) values ({sid},'Component 1',{ref('colort','color_id','color_name','White')},0,{num(round(rnd.uniform(0.1, 3), 2))},{1 + i % 7},'Rounded grains');")
        extra.append(f"insert into sample_micr_komp (sample_id,component,color_id,munsell_id,size,freq_id,description) values ({sid},'Component 1',0,{ref('munsellt','munsell_id','munsell_kod','N7')},{num(round(rnd.uniform(0.01, 0.5), 3))},{1 + i % 7},'Angular fragments');")

w("insert into samplet (sample_id,sample_name,mint_jel,other_type,short_d,description,date_of_sam,locality_id,geo_id,art_id,tnev_kod,tlabor_kod,sznev_kod,szlabor_kod,color_id,ral_id,munsell_id,bound_id,fabric_id,fabtype_id,mgs,d13c,d18o,caco3,calc_dol,sr87,sr87_pm,konz_desc,cl_desc,xrd_desc,ir_desc,mac_desc,mic_desc,letre_user,letre_date) values")
w(",\n".join(samples) + ";")
w("insert into meresek (meres_id,id,tipus,met_id,labor_kod,datum,mit_mer,meres_nev) values")
w(",\n".join(meas) + ";")
w("insert into alk_met (alkmet_id,sample_id,met_id,labor_kod,external_id,date) values")
w(",\n".join(alk) + ";")
w("insert into met_elem (alkmet_id,elem_kod,sample_id,ertek) values")
w(",\n".join(mel) + ";")
for s in mins + iso_rows + extra + pics_rows: w(s)
w("insert into mint_lit (sample_id,lit_id,type,meres_id) values")
w(",\n".join(sorted(set(links))) + "\non conflict do nothing;")
w("""insert into uzenofal (iro,uzenet,datum) values
 (1,'Welcome to the demo collection of Saxora. Log in as editor to add samples of your own.','2024-01-08 09:00:00'),
 (3,'The thin sections of the Szentgál radiolarites are back from the preparation laboratory.','2024-02-12 11:30:00'),
 (4,'Reminder: the XRF laboratory is closed next week for calibration.','2024-03-04 08:15:00'),
 (1,'New obsidian reference samples from Lipari and Melos have been entered.'||chr(10)||'Please check the localities.','2024-04-22 16:45:00'),
 (3,'Literature links of the marble samples updated.','2024-05-02 10:05:00');""")
w("""-- move every sequence past the keys given above
select setval('gen_id', greatest((select max(sample_id) from samplet), (select max(locality_id) from localityt),
  (select max(art_id) from artefactt), (select max(alkmet_id) from alk_met), (select coalesce(max(be_id), 1) from belepesek)));
do $$
declare r record; m integer;
begin
  for r in select * from (values ('szemelyt','nev_kod'), ('labort','labor_kod'), ('geo_un','geo_id'), ('litt','lit_id'),
                                 ('meresek','meres_id')) v(t, c) loop
    execute format('select max(%I) from %I', r.c, r.t) into m;
    perform setval(pg_get_serial_sequence(r.t, r.c), m);
  end loop;
end
$$;
commit;""")
open(os.path.join(here, "10_demo.sql"), "w").write("\n".join(out) + "\n")
print("samples", len(samples), "measurements", len(meas), "analyses", len(alk), "values", len(mel), "minerals", len(mins), "photos", len(pics_rows))
