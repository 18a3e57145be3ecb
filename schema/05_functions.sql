-- Server functions the program calls inside its statements.

-- Rights letters of a user (A to D); null for an unknown user, '' for one
-- without rights: both refuse the login.
create function jogok(p_user integer) returns text
language sql stable as $$
  select jog from users where user_id = p_user
$$;

-- A geological time unit with its enclosing units, outermost first:
-- "Phanerozoic / Mesozoic / Jurassic". A null or unknown key gives ''.
create function szulok(p_kor integer) returns text
language sql stable as $$
  with recursive up (kor_id, kor_nev, kor_papa, depth) as (
    select kor_id, kor_nev, kor_papa, 0 from korok where kor_id = p_kor
    union all
    select k.kor_id, k.kor_nev, k.kor_papa, up.depth + 1
    from korok k join up on k.kor_id = up.kor_papa
    where up.depth < 64                   -- a parent cycle ends here
  )
  select coalesce(string_agg(kor_nev, ' / ' order by depth desc), '') from up
$$;

-- Display name of a person: title, "last name, first name", middle initials,
-- with the names as typed (the sample search matches it with like '%...%').
create function szemely_ossznev(p_fokozat text, p_lastname text, p_firstname text, p_middle text)
returns text language sql immutable as $$
  select nullif(concat_ws(' ', nullif(btrim(p_fokozat), ''),
                          nullif(concat_ws(', ', nullif(p_lastname, ''), nullif(p_firstname, '')), ''),
                          nullif(btrim(p_middle), '')), '')
$$;

create function addszemelynev(p_nev_kod integer) returns text
language sql stable as $$
  select szemely_ossznev(fokozat, lastname, firstname, middle) from szemelyt where nev_kod = p_nev_kod
$$;

-- Display name of an institution.
create function addlabornev(p_labor_kod integer) returns text
language sql stable as $$
  select labor_nev from labort where labor_kod = p_labor_kod
$$;

-- Long texts handed to grids and exports as a plain character string.
create function texttochar(p text) returns varchar
language sql immutable as $$
  select p::varchar
$$;

-- The sample search's locality condition "with the children too": the localities
-- that match the four texts (name or alternative name, continent, country,
-- geological unit; each a case-insensitive part, an empty text no condition) and
-- every locality nested below them. The ids land in up_loc, a temporary table of
-- the session that shadows the empty view public.up_loc. Every call replaces its
-- rows; they stay after the commit, so that re-running the same search statement
-- (the list's "Refresh") finds the same localities. Other sessions never see them.
create function upwar_list(p_loc text, p_kont text, p_orszag text, p_region text)
returns table (locality_id integer)
language plpgsql volatile as $$
#variable_conflict use_column
begin
  if to_regclass('pg_temp.up_loc') is null then
    create temporary table up_loc (locality_id integer primary key);
  end if;
  delete from pg_temp.up_loc;
  insert into pg_temp.up_loc (locality_id)
  with recursive hit (locality_id) as (
    select l.locality_id
    from localityt l
    left join kontinentt k on k.kont_kod = l.kont_kod
    left join orszagt o on o.orszag_kod = l.orszag_kod
    where (coalesce(p_loc, '') = ''
           or upper(l.loc_name) like '%' || upper(p_loc) || '%'
           or exists (select 1 from loc_nev n
                      where n.locality_id = l.locality_id and upper(n.loc_name) like '%' || upper(p_loc) || '%'))
      and (coalesce(p_kont, '') = '' or upper(k.kont_name) like '%' || upper(p_kont) || '%')
      and (coalesce(p_orszag, '') = '' or upper(o.orszag_nev) like '%' || upper(p_orszag) || '%')
      and (coalesce(p_region, '') = '' or upper(l.region) like '%' || upper(p_region) || '%')
    union
    select c.locality_id from localityt c join hit h on c.upward = h.locality_id
  )
  select hit.locality_id from hit;
  analyze pg_temp.up_loc;
  return query select u.locality_id from pg_temp.up_loc u;
end
$$;
