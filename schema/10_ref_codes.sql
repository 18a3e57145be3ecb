-- Code lists the program's statements rely on.

-- Sample types: the program filters on these three codes.
insert into mint_jel (mint_kod, mint_jelnev) values
  (1, 'Geological'), (2, 'Archeological'), (3, 'Other');

-- The seven continents of the usual English-language model.
insert into kontinentt (kont_name) values
  ('Africa'), ('Antarctica'), ('Asia'), ('Europe'), ('North America'), ('Oceania'), ('South America');

-- Semi-quantitative frequency of a component, as estimated on a surface or in thin
-- section (the usual visual-estimation classes).
insert into freqt (freq_id, freq_name) values
  (1, 'Very rare (<1%)'), (2, 'Rare (1-5%)'), (3, 'Few (5-10%)'), (4, 'Common (10-20%)'),
  (5, 'Frequent (20-30%)'), (6, 'Abundant (30-50%)'), (7, 'Predominant (>50%)');

-- Preferred orientation of grains and pores.
insert into orientation (ori_id, ori_name) values
  (1, 'Random'), (2, 'Weakly oriented'), (3, 'Moderately oriented'), (4, 'Strongly oriented'),
  (5, 'Parallel'), (6, 'Subparallel'), (7, 'Concentric');

-- Visual porosity classes.
insert into porosity (por_id, por_name) values
  (1, 'Compact (<1%)'), (2, 'Low (1-5%)'), (3, 'Moderate (5-15%)'), (4, 'High (15-30%)'),
  (5, 'Very high (>30%)');

-- Display names of the searchable ESR and FA/QTA columns (tabnev = the column of
-- esrt or faqta), in the formula markup of the windows: ^ superscript, ~ Symbol font.
insert into enevek (tab, tabnev, megnev) values
  ('esr', 'gain', 'Gain'), ('esr', 'h', 'H'), ('esr', 'dolom', 'Dolom'), ('esr', 'tot6', 'TOT6'),
  ('esr', 'spli', 'SPLI'), ('esr', 'integr', 'INTEGR'), ('esr', 'spread', 'SPREAD'), ('esr', 'w', 'W'),
  ('esr', 'stdinten', 'STDINTEN'), ('esr', 'stdinteg', 'STDINTEG'), ('esr', 'stdw', 'STDW'),
  ('esr', 'stdspli', 'STDSPLI'), ('esr', 'stdsprea', 'STDSPREA'), ('esr', 'intens', 'INTENS'),
  ('esr', 'integr2', 'INTEGR2'), ('esr', 'spli2', 'SPLI2'), ('esr', 'w2', 'W2'),
  ('esr', 'spread2', 'SPREAD2'), ('esr', 'odour', 'ODOUR'), ('esr', 'colour2', 'COLOUR2'),
  ('esr', 'stdcol', 'STDCOL'),
  ('fa', 'n100', 'N 100%'), ('fa', 'mgs100', 'MGS 100% (µm)'), ('fa', 'mga100', 'MGA 100% (µm^2^)'),
  ('fa', 'n99', 'N 99%'), ('fa', 'mgs99', 'MGS 99% (µm)'), ('fa', 'mga99', 'MGA 99% (µm^2^)'),
  ('fa', 'mmgs100', 'Mean MGS 100%'), ('fa', 'mmga100', 'Mean MGA 100%'),
  ('fa', 'mmgs99', 'Mean MGS 99%'), ('fa', 'mmga99', 'Mean MGA 99%'),
  ('fa', 'smgs100', 'Stand.Dev.MGS 100%'), ('fa', 'smga100', 'Stand.Dev.MGA 100%'),
  ('fa', 'smgs99', 'Stand.Dev.MGS 99%'), ('fa', 'smga99', 'Stand.Dev.MGA 99%'),
  ('fa', 'mgs1mgs9', 'MGS 100% vs. MGS 99%'), ('fa', 'mga1mga9', 'MGA 100% vs. MGA 99%'),
  ('fa', 'aga', 'AGA (µm^2^)'), ('fa', 'roa', '~s~A (µm^2^)'), ('fa', 'dbox', 'Dbox'),
  ('fa', 'sdbox', 'SDbox'), ('fa', 'coefbox', 'Coeffbox');
