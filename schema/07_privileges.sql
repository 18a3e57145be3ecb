-- What the program's role may do: read and change data through the statements of
-- its windows; it owns nothing and creates nothing but its session's temporary
-- table (upwar_list). Lists the program only reads stay read-only for it.
grant usage on schema public to saxora_prog;
grant temporary on database :"DBNAME" to saxora_prog;

grant select, insert, update, delete on all tables in schema public to saxora_prog;

revoke insert, update, delete on users, program, user_friss, uzenofal, belepesek from saxora_prog;
grant update (password) on users to saxora_prog;          -- the password change
grant insert, update on belepesek to saxora_prog;          -- login audit
grant insert on program to saxora_prog;                    -- publishing an update
grant insert on user_friss to saxora_prog;                 -- recording a download
grant insert, delete on uzenofal to saxora_prog;           -- notice board

revoke insert, update, delete on kontinentt, freqt, orientation, porosity, mint_jel, enevek
  from saxora_prog;
-- (metamorphic grades stay writable: they are kept in their own list window)
revoke insert, update on meres_sampl_cl from saxora_prog;

-- views are read only
revoke insert, update, delete on up_loc, szemelytorzs, labortorzs, localitytorzs, arttorzs,
  minertorzs, minertorzs_mac, minertorzs_cl, minertorzs_xrd, minertorzs_ir, mintlittorzs,
  alk_mettorzs, colfabtorzs from saxora_prog;

grant usage, select on all sequences in schema public to saxora_prog;
grant execute on all functions in schema public to saxora_prog;
