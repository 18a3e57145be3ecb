-- The accounts a new installation starts with (passwords in README.md, "Demo
-- accounts"; change them with Options / Change password). Rights letters: A view,
-- B also export, C also add and change one's own records, D everything.
-- "vendeg" has no password: it logs in with an empty password field. "letiltott"
-- has a password but no rights: its login is refused after the password check.
insert into users (user_name, password, teljnev, jog) values
  ('admin',       md5('admin'),       'Administrator',         'D'),
  ('karbantarto', md5('karbantarto'), 'Karbantartó (maintainer)', 'D'),
  ('editor',      md5('editor'),      'Kovács Anna',           'C'),
  ('viewer',      md5('viewer'),      'Nagy Péter',            'A'),
  ('vendeg',      null,               'Vendég (guest)',        'A'),
  ('letiltott',   md5('letiltott'),   'Letiltott felhasználó', '');
