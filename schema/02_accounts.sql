-- Accounts, login audit, program distribution and the notice board.

create table users (
  user_id   serial primary key,
  user_name text not null unique,        -- login name, compared exactly
  password  text,                        -- md5() of the password; null: no password
  teljnev   text,                        -- full name
  jog       text not null default ''     -- rights letters, returned by jogok()
            check (jog ~ '^[A-Da-d]*$')
);

create table belepesek (
  be_id     integer primary key default nextval('gen_id'),
  belep     timestamp(0),
  kilep     timestamp(0),
  username  text,                        -- as typed in the login window
  user_id   integer references users on delete set null,
  sikeres   boolean,
  ip_cim    text,
  mac       text,
  win_ver   text,
  win_nyelv integer
);
create index belepesek_user_id on belepesek (user_id);

create table program (
  verz_id    serial primary key,
  verzioszam text not null,
  datum      timestamp(0),
  program    bytea,
  userek     text,                       -- ";All;" or ";name;name2;"
  descr      text
);

create table user_friss (
  friss_id  serial primary key,
  verziorol text,
  verziora  text,
  user_id   integer references users on delete set null,
  datum     timestamp(0) default now()
);
create index user_friss_user_id on user_friss (user_id);

create table uzenofal (
  uzenet_id serial primary key,
  iro       integer not null references users,
  uzenet    text,
  -- the program never writes these two: the board shows torolt<>'true' by datum
  datum     timestamp(0) not null default now(),
  torolt    boolean default false
);
create index uzenofal_iro on uzenofal (iro);
create index uzenofal_datum on uzenofal (datum);
